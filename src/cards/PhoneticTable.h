#pragma once

#include <QCollator>
#include <QCollatorSortKey>
#include <QString>
#include <QStringView>

#include <vector>

// The phonetic dictionary: lines "word = transcription", loaded once and searched by word
// without regard to letter case. Each transcription is kept with its own word.
class PhoneticTable
{
public:
    // Replaces the table with the entries of the file at path. Lines without a word or without
    // a transcription are skipped, and so are repeats of a line. A missing or unreadable file
    // gives an empty table.
    void load(const QString& path);

    // The transcription of word, or an empty string when the table does not hold it. Of
    // several entries for the word, one written in the same letter case is preferred.
    QString lookup(QStringView word) const;

    qsizetype size() const { return qsizetype(m_entries.size()); }

private:
    struct Entry
    {
        QString word;
        QString transcription;
    };

    // The case-blind comparison the table was sorted with.
    QCollator m_collator;
    // Sort keys of the words, ascending; m_keys[i] belongs to m_entries[i].
    std::vector<QCollatorSortKey> m_keys;
    std::vector<Entry> m_entries;
};
