#include "shell/WindowParts.h"

#include "dictionaries/DictionariesTab.h"
#include "shell/MessageLabels.h"
#include "shell/MessagePanel.h"
#include "shell/TopBar.h"
#include "widgets/ActionList.h"
#include "widgets/LongWork.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>

bool WindowParts::execute(const QString& actionName) const
{
    return actions->execute(actionName);
}

QAction* WindowParts::action(const QString& actionName) const
{
    return actions->action(actionName);
}

int WindowParts::LearningMode() const
{
    return topBar->cbLearning()->currentIndex();
}

bool WindowParts::isFullScreen0() const
{
    return action(QStringLiteral("FullScreen0"))->isChecked();
}

QString WindowParts::messageText(const QString& labelName) const
{
    return messageLabels->text(labelName);
}

// The message takes no pointer input, so it may stand over full-screen mode too.
void WindowParts::MyMessage(const QString& TheMessage) const
{
    messagePanel->MyMessage(TheMessage);
    messagePanel->raise();
}

void WindowParts::showPanel(QWidget* panel) const
{
    panel->show();
    panel->raise();
}

void WindowParts::listDictionaries() const
{
    showDictionaries(store->LoadDictionaries());
}

void WindowParts::showDictionaries(const DictionaryStore::DictList& list) const
{
    dictionaries->setItems(list.items, store->openFileName());
}

bool WindowParts::refusedWhileBusy() const
{
    if (!longWork || !longWork->busy())
        return false;
    MyMessage(QCoreApplication::translate("WindowParts",
                                          "Please wait until the work on the dictionary ends"));
    return true;
}

bool WindowParts::mayRun(const QString& actionName) const
{
    static const QStringList changingTheDictionary{
        "Next0", "Remind0", "SideLearnt0", "Learnt0",  "Delete0", "Edit0",
        "New0",  "WordOK",  "WordNewOK",   "Undo0",    "Mix00",   "Sort00",
        "Swap0", "Copy00",  "Delete00",    "FromFile0"};
    return !changingTheDictionary.contains(actionName) || !refusedWhileBusy();
}
