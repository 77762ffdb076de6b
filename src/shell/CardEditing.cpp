#include "shell/CardEditing.h"

#include "dictionaries/DictionariesTab.h"
#include "engine/CardEdits.h"
#include "shell/ActionsPanel.h"
#include "shell/CardEditor.h"
#include "shell/TopBar.h"
#include "shell/WindowParts.h"
#include "widgets/MessageBoxes.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QMainWindow>

void CardEditing::Edit0Execute()
{
    if (m_parts.engine->display().nothingShown()) {
        m_parts.execute("New0");
        return;
    }
    m_parts.topBar->cbAuto()->setChecked(false);
    openEditor(CardEditor::Purpose::Edit, m_parts.engine->CurrentLine());
}

void CardEditing::New0Execute()
{
    m_parts.topBar->cbAuto()->setChecked(false);
    if (m_parts.dictionaries->selectedFileName().isEmpty()) {
        MessageBoxes::showMessage(&m_parts.window,
                                  m_parts.messageText("msSelectDictionaryToLearn"));
        return;
    }
    openEditor(CardEditor::Purpose::New, QString());
}

void CardEditing::openEditor(CardEditor::Purpose purpose, const QString& text)
{
    if (m_parts.tmWaitAfterZoom.isActive())
        return;
    m_parts.tmGesture.start();
    m_parts.actionsPanel->hide();
    m_parts.word->open(purpose, text);
}

// The message says what a card needs on a line of its own.
void CardEditing::tellNotACard()
{
    MessageBoxes::showMessage(
        &m_parts.window,
        m_parts.messageText("msNotVocabula") + u'\n' +
            QCoreApplication::translate("CardEditing",
                                        "A card needs a question and an answer around \"=\"."));
}

void CardEditing::WordOKExecute()
{
    if (CardEdits::ReplaceCard(*m_parts.engine, m_parts.store->MyDictSL, m_parts.word->text()))
        m_parts.word->hide();
    else
        tellNotACard();
}

void CardEditing::WordNewOKExecute()
{
    if (CardEdits::AddCard(*m_parts.engine, m_parts.store->MyDictSL, m_parts.word->text()) ==
        CardEdits::NewCard::NotACard)
        tellNotACard();
    else
        m_parts.word->hide();
}
