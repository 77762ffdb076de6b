#pragma once

#include "cards/CollationKeys.h"
#include "cards/LegacyEncoding.h"
#include "cards/PhoneticIndex.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <memory>

// The phonetic dictionary: lines "word = transcription", read once and searched by word
// without regard to letter case. The file is read when the table is loaded; the index over it
// is made when the first word is looked up, so a start whose first cards carry their own
// transcriptions does not wait for it.
class PhoneticTable
{
public:
    PhoneticTable();

    // Replaces the table with the entries of the file at path, read now with the program's
    // encoding and collation as they are now. A missing or unreadable file gives an empty
    // table.
    void load(const QString& path);

    // The transcription of word, or an empty string when the table does not hold it. Of
    // several entries for the word, one written in the same letter case is preferred.
    QString lookup(QStringView word) const
    {
        return word.isEmpty() ? QString() : index().lookup(word);
    }

    qsizetype size() const { return index().size(); }

private:
    const PhoneticIndex& index() const;

    // What load read and the comparisons of that moment, kept until the index is made.
    mutable QByteArray m_bytes;
    LegacyEncoding m_encoding;
    CollationKeys m_caseBlind;
    CollationKeys m_caseSensitive;
    mutable std::unique_ptr<PhoneticIndex> m_index;
};
