#include "shell/MessageLabels.h"

#include <QEvent>
#include <QLabel>

namespace {

struct Message
{
    const char* name;
    const char* english;
};

constexpr Message messages[] = {
    {"msSelectDictionaryToLearn", QT_TR_NOOP("Select dictionary to learn")},
    {"msNotVocabula", QT_TR_NOOP("Not vocabula!")},
    {"msThereAreNoProperLinesInThisFile", QT_TR_NOOP("There are no proper lines in this file")},
    {"msAreYouSure", QT_TR_NOOP("Are you sure?")},
    {"msNoWordsInDictionary", QT_TR_NOOP("No words in dictionary")},
    {"msMixed", QT_TR_NOOP("Mixed")},
    {"msSorted", QT_TR_NOOP("Sorted")},
    {"msSavedAsUtf8", QT_TR_NOOP("Saved as UTF-8")},
    {"msLineNotCardLeftOut", QT_TR_NOOP("1 line that is not a card was left out")},
    {"msLinesNotCardsLeftOut", QT_TR_NOOP("%1 lines that are not cards were left out")},
    {"msOriginalIn", QT_TR_NOOP("the original is in %1")},
    {"msMakeCards",
     QT_TR_NOOP("This file has no card lines, but most of its lines are two fields. Make them "
                "into cards, first field = second field?")},
};

} // namespace

MessageLabels::MessageLabels(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("recMessages"));
    for (const Message& message : messages) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(message.name));
        label->hide();
    }
    retranslate();
    hide();
}

QString MessageLabels::text(const QString& name) const
{
    const auto* label = findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
    return label ? label->text() : QString();
}

void MessageLabels::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void MessageLabels::retranslate()
{
    for (const Message& message : messages) {
        if (auto* label =
                findChild<QLabel*>(QString::fromLatin1(message.name), Qt::FindDirectChildrenOnly))
            label->setText(tr(message.english));
    }
}
