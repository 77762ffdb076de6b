#pragma once

#include <QDate>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

// The learning history: for each day and dictionary file, the cards shown, the cards learnt and
// the time spent learning. A plain value, so that a copy of it can be written anywhere.
//
// Its file holds one line per day and dictionary, fields parted by tabs:
//     2026-12-10 <tab> English.txt <tab> shown <tab> learnt <tab> minutes
// The dictionary's name is everything between the date and the three numbers, so a tab in it
// does no harm. Reading is lenient: a line that does not read so is skipped, the rest kept.
class LearningHistory
{
public:
    // Days older than this, counted back from the newest day held, are dropped on writing.
    static constexpr int KeptDays = 400;

    struct Counts
    {
        qint64 shown = 0;
        qint64 learnt = 0;
        qint64 seconds = 0;
        bool operator==(const Counts&) const = default;
    };
    using Key = QPair<QDate, QString>;

    // Adds to the counts of a day and dictionary; a count never goes below zero.
    void add(QDate day, const QString& dictionary, const Counts& change);
    Counts counts(QDate day, const QString& dictionary) const;
    // All lines, by day, then by dictionary.
    const QMap<Key, Counts>& entries() const { return m_entries; }
    bool isEmpty() const { return m_entries.isEmpty(); }

    // The file's lines, without the days older than KeptDays before the newest one.
    QStringList lines() const;
    static LearningHistory fromLines(const QStringList& lines);

private:
    QMap<Key, Counts> m_entries;
};

// Reads the history file; a missing or unreadable file gives an empty history.
LearningHistory readHistoryFile(const QString& path);
// Writes the history file atomically. Throws FileError.
void writeHistoryFile(const QString& path, const LearningHistory& history);
