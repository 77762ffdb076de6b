#include "shell/StatusLineFeed.h"

#include "engine/SessionClock.h"
#include "shell/StatusLine.h"
#include "shell/WindowParts.h"
#include "widgets/ClickableText.h"

#include <QDir>
#include <QMainWindow>

StatusLineFeed::StatusLineFeed(WindowParts& parts)
    : QObject(&parts.window), m_parts(parts), m_clock(new SessionClock({}, this))
{}

void StatusLineFeed::start()
{
    const DictionaryStore* store = m_parts.store.get();
    StatusLine* status = m_parts.status;
    connect(store, &DictionaryStore::countersChanged, this, &StatusLineFeed::EditOnChangeChange);
    connect(store, &DictionaryStore::learntNumberChanged, this,
            [status](qint32 number) { status->TextLearnt->setText(QString::number(number)); });
    connect(store, &DictionaryStore::formChanged, this, &StatusLineFeed::tellFormChange);
    EditOnChangeChange();
    status->TextLearnt->setText(QString::number(store->LearntNumber));
    connect(m_clock, &SessionClock::textTimeChanged, status->TextTime, &QLabel::setText);
    m_clock->start();
}

void StatusLineFeed::EditOnChangeChange()
{
    const DictionaryStore::Counters counters = m_parts.store->counters();
    m_parts.status->TextLearntToday->setText(QString::number(counters.learntToday));
    m_parts.status->TextDict->setText(counters.dictName);
    m_parts.status->TextMyDictSL->setText(QString::number(counters.lines));
}

void StatusLineFeed::tellFormChange(const DictionaryStore::FormChange& change)
{
    QStringList parts;
    if (change.encoding)
        parts << m_parts.messageText("msSavedAsUtf8");
    if (change.droppedLines == 1)
        parts << m_parts.messageText("msLineNotCardLeftOut");
    else if (change.droppedLines > 1)
        parts << m_parts.messageText("msLinesNotCardsLeftOut").arg(change.droppedLines);
    const QString backups =
        QDir(m_parts.paths.ExeDir).relativeFilePath(m_parts.store->backups().folder());
    parts << m_parts.messageText("msOriginalIn").arg(QDir::toNativeSeparators(backups));
    m_parts.MyMessage(parts.join(QLatin1String("; ")));
}
