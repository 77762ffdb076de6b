#include "cards/LearningHistory.h"

#include "cards/FileError.h"
#include "cards/TextFile.h"

#include <QFileInfo>

#include <algorithm>

namespace {

constexpr QStringView DateFormat = u"yyyy-MM-dd";

bool readCount(QStringView field, qint64& value)
{
    bool ok = false;
    value = field.trimmed().toLongLong(&ok);
    return ok && value >= 0;
}

} // namespace

void LearningHistory::add(QDate day, const QString& dictionary, const Counts& change)
{
    Counts& counts = m_entries[{day, dictionary}];
    counts.shown = std::max<qint64>(0, counts.shown + change.shown);
    counts.learnt = std::max<qint64>(0, counts.learnt + change.learnt);
    counts.seconds = std::max<qint64>(0, counts.seconds + change.seconds);
}

LearningHistory::Counts LearningHistory::counts(QDate day, const QString& dictionary) const
{
    return m_entries.value({day, dictionary});
}

QStringList LearningHistory::lines() const
{
    QStringList result;
    if (m_entries.isEmpty())
        return result;
    const QDate oldest = m_entries.lastKey().first.addDays(1 - KeptDays);
    for (auto it = m_entries.lowerBound({oldest, QString()}); it != m_entries.cend(); ++it) {
        // A name that would break the line is not written.
        if (it.key().second.contains(u'\n') || it.key().second.contains(u'\r'))
            continue;
        result.append(QStringLiteral("%1\t%2\t%3\t%4\t%5")
                          .arg(it.key().first.toString(DateFormat), it.key().second)
                          .arg(it->shown)
                          .arg(it->learnt)
                          .arg((it->seconds + 30) / 60));
    }
    return result;
}

LearningHistory LearningHistory::fromLines(const QStringList& lines)
{
    LearningHistory history;
    for (const QString& line : lines) {
        const QList<QStringView> fields = QStringView(line).split(u'\t');
        if (fields.size() < 5)
            continue;
        const QDate day = QDate::fromString(fields.first().trimmed().toString(), DateFormat);
        const qsizetype numbers = fields.size() - 3;
        Counts counts;
        qint64 minutes = 0;
        if (!day.isValid() || !readCount(fields[numbers], counts.shown) ||
            !readCount(fields[numbers + 1], counts.learnt) ||
            !readCount(fields[numbers + 2], minutes))
            continue;
        counts.seconds = minutes * 60;
        // The name runs from after the first tab to before the three numbers.
        const qsizetype nameStart = fields.first().size() + 1;
        qsizetype nameLength = -1;
        for (qsizetype i = 1; i < numbers; ++i)
            nameLength += fields[i].size() + 1;
        const QString name = line.mid(nameStart, nameLength);
        if (name.isEmpty())
            continue;
        history.add(day, name, counts);
    }
    return history;
}

LearningHistory readHistoryFile(const QString& path)
{
    if (!QFileInfo::exists(path))
        return {};
    try {
        return LearningHistory::fromLines(TextFile::readLines(path));
    } catch (const FileError&) {
        return {};
    }
}

void writeHistoryFile(const QString& path, const LearningHistory& history)
{
    TextFile::writeLines(path, history.lines());
}
