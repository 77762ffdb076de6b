#pragma once

#include "cards/CollationKeys.h"
#include "cards/HashedView.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

#include <vector>

// The entries of a phonetic dictionary, searched by word without regard to letter case. Each
// transcription is kept with its own word.
class PhoneticIndex
{
public:
    // Takes the lines "word = transcription" of a file. Lines without a word or without a
    // transcription are skipped, and so are repeats of a line. Words are compared with
    // caseBlind, and the lines of words equal but for letter case ordered with caseSensitive.
    PhoneticIndex(const QList<QStringView>& lines, const CollationKeys& caseBlind,
                  const CollationKeys& caseSensitive);

    // The transcription of word, or an empty string when the index does not hold it. Of
    // several entries for the word, one written in the same letter case is preferred.
    QString lookup(QStringView word) const;

    qsizetype size() const { return m_size; }

private:
    struct Entry
    {
        QStringView word;
        QStringView transcription;
    };

    quint32 append(const Entry& entry);
    Entry entryAt(quint32 offset) const;

    CollationKeys m_caseBlind;
    // The entries one after another, each a word with its transcription, so that a lookup
    // reads one place of memory. Entries whose words compare equal lie together, in the
    // case-sensitive order of their lines.
    std::vector<char16_t> m_entries;
    // The first entry of each word as written: most lookups end here, without a collation key.
    QHash<HashedView<QStringView>, quint32> m_firstByWord;
    // The first entry of each run of words that compare equal, by the collation key they share,
    // and the bytes of those keys.
    QHash<HashedView<QByteArrayView>, quint32> m_firstByKey;
    QByteArray m_keys;
    qsizetype m_size = 0;
};
