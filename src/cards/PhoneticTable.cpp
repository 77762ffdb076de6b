#include "cards/PhoneticTable.h"

#include "cards/CardLine.h"
#include "cards/Collation.h"
#include "cards/FileError.h"
#include "cards/SortAndMix.h"
#include "cards/TextFile.h"

#include <algorithm>
#include <numeric>

namespace {

// A line of the file with the word and the transcription it names.
struct Candidate
{
    QString line;
    QString word;
    QString transcription;
};

QStringList readLinesOrNothing(const QString& path)
{
    try {
        return TextFile::readLines(path);
    } catch (const FileError&) {
        return {};
    }
}

// The line with its first "=" widened to "  =", so that in the case-sensitive order of lines a
// word sorts before a longer word that begins with it.
QString sortableLine(QString line)
{
    return line.replace(line.indexOf(u'='), 1, QLatin1String("  ="));
}

} // namespace

void PhoneticTable::load(const QString& path)
{
    m_collator = Collation::caseBlind();
    m_keys.clear();
    m_entries.clear();

    const QStringList lines = readLinesOrNothing(path);
    std::vector<Candidate> candidates;
    std::vector<QCollatorSortKey> keys;
    candidates.reserve(lines.size());
    keys.reserve(lines.size());
    for (const QString& line : lines) {
        QString transcription = ValueOf(line);
        if (transcription.isEmpty())
            continue;
        QString word = KeyOf(line);
        keys.push_back(m_collator.sortKey(word));
        candidates.push_back({line, std::move(word), std::move(transcription)});
    }

    std::vector<qsizetype> order(candidates.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return keys[a].compare(keys[b]) < 0; });

    m_keys.reserve(order.size());
    m_entries.reserve(order.size());
    for (size_t begin = 0; begin < order.size();) {
        const QCollatorSortKey& key = keys[order[begin]];
        size_t end = begin + 1;
        while (end < order.size() && keys[order[end]].compare(key) == 0)
            ++end;
        if (end - begin == 1) {
            Candidate& only = candidates[order[begin]];
            m_keys.push_back(key);
            m_entries.push_back({std::move(only.word), std::move(only.transcription)});
        } else {
            // Words equal but for letter case: their lines in case-sensitive order, each
            // distinct line once.
            QStringList same;
            for (size_t i = begin; i < end; ++i)
                same.append(sortableLine(candidates[order[i]].line));
            SortUnique(same);
            for (const QString& line : std::as_const(same)) {
                m_keys.push_back(key);
                m_entries.push_back({KeyOf(line), ValueOf(line)});
            }
        }
        begin = end;
    }
}

QString PhoneticTable::lookup(QStringView word) const
{
    if (word.isEmpty() || m_entries.empty())
        return {};
    const QCollatorSortKey key = m_collator.sortKey(word.toString());
    const auto first = std::lower_bound(m_keys.begin(), m_keys.end(), key);
    if (first == m_keys.end() || first->compare(key) != 0)
        return {};
    const size_t found = size_t(first - m_keys.begin());
    for (size_t i = found; i < m_keys.size() && m_keys[i].compare(key) == 0; ++i) {
        if (m_entries[i].word == word)
            return m_entries[i].transcription;
    }
    return m_entries[found].transcription;
}
