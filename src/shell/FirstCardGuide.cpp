#include "shell/FirstCardGuide.h"

#include "cardscreen/CardScreen.h"
#include "shell/WindowParts.h"
#include "widgets/ActionList.h"

#include <QMainWindow>

FirstCardGuide::FirstCardGuide(WindowParts& parts) : QObject(&parts.window), m_parts(parts) {}

void FirstCardGuide::start()
{
    connect(&m_parts.engine->display(), &CardDisplay::changed, this, &FirstCardGuide::update);
    connect(m_parts.store.get(), &DictionaryStore::countersChanged, this, &FirstCardGuide::update);
    connect(m_parts.actions, &ActionList::retranslated, this, &FirstCardGuide::update);
    update();
}

void FirstCardGuide::update()
{
    const CardView& view = m_parts.engine->view();
    QString guide;
    if (view.TextQuestion.isEmpty() && view.TextAnswer.isEmpty()) {
        guide = m_parts.store->MyDictSL.isEmpty()
                    ? tr("Choose a dictionary on the Dictionaries tab, then tap an upper corner "
                         "of this screen for the first card.")
                    : tr("Tap an upper corner of this screen for the first card.");
    }
    m_parts.card->setGuide(guide);
}
