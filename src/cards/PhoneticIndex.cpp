#include "cards/PhoneticIndex.h"

#include "cards/CardLine.h"
#include "cards/CollationKeyList.h"

#include <cstring>

namespace {

// A line of the file with the word and the transcription it names.
struct Candidate
{
    QStringView line;
    QStringView word;
    QStringView transcription;
};

// How an entry begins in the index's memory: the lengths of its word and its transcription.
struct EntryHead
{
    quint32 wordLength;
    quint32 transcriptionLength;
};

constexpr size_t HeadUnits = sizeof(EntryHead) / sizeof(char16_t);

// The line with its first "=" widened to "  =", so that in the case-sensitive order of lines a
// word sorts before a longer word that begins with it.
QString sortableLine(QStringView line)
{
    const qsizetype eq = line.indexOf(u'=');
    QString sortable = line.first(eq).toString();
    sortable += QLatin1String("  =");
    sortable += line.sliced(eq + 1);
    return sortable;
}

// Words equal but for letter case: their lines in case-sensitive order, each distinct line once.
std::vector<Candidate> caseSensitiveOrder(const std::vector<Candidate>& same,
                                          const CollationKeys& caseSensitive)
{
    CollationKeyList keys(caseSensitive);
    for (const Candidate& candidate : same)
        keys.append(sortableLine(candidate.line));
    std::vector<Candidate> ordered;
    for (const quint32 i : keys.sortedUniqueOrder())
        ordered.push_back(same[i]);
    return ordered;
}

} // namespace

PhoneticIndex::PhoneticIndex(const QList<QStringView>& lines, const CollationKeys& caseBlind,
                             const CollationKeys& caseSensitive)
    : m_caseBlind(caseBlind)
{
    std::vector<Candidate> candidates;
    CollationKeyList keys(m_caseBlind);
    candidates.reserve(size_t(lines.size()));
    keys.reserve(lines.size());
    size_t units = 0;
    for (const QStringView line : lines) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            continue;
        const QStringView word = TrimControls(line.first(eq));
        const QStringView transcription = TrimControls(line.sliced(eq + 1));
        if (word.isEmpty() || transcription.isEmpty())
            continue;
        keys.append(word);
        candidates.push_back({line, word, transcription});
        units += HeadUnits + size_t(word.size() + transcription.size());
    }
    m_entries.reserve(units);

    // Runs of equal keys become runs of entries; the first entry of each run and its key.
    const std::vector<quint32> order = keys.sortedOrder();
    std::vector<std::pair<quint32, qsizetype>> runs;
    std::vector<Candidate> same;
    for (size_t begin = 0; begin < order.size();) {
        const QByteArrayView key = keys.key(order[begin]);
        size_t end = begin + 1;
        while (end < order.size() && keys.key(order[end]) == key)
            ++end;
        same.clear();
        for (size_t i = begin; i < end; ++i)
            same.push_back(candidates[order[i]]);
        if (same.size() > 1)
            same = caseSensitiveOrder(same, caseSensitive);
        runs.emplace_back(append({same.front().word, same.front().transcription}), m_keys.size());
        m_keys.append(key.data(), key.size());
        for (size_t i = 1; i < same.size(); ++i)
            append({same[i].word, same[i].transcription});
        begin = end;
    }

    // The maps hold views of the entries and keys, which now stay in place.
    m_firstByKey.reserve(qsizetype(runs.size()));
    for (size_t i = 0; i < runs.size(); ++i) {
        const qsizetype keyEnd = i + 1 < runs.size() ? runs[i + 1].second : m_keys.size();
        const qsizetype keyBegin = runs[i].second;
        m_firstByKey.insert({QByteArrayView(m_keys.constData() + keyBegin, keyEnd - keyBegin)},
                            runs[i].first);
    }
    m_firstByWord.reserve(m_size);
    for (quint32 offset = 0; offset < m_entries.size();) {
        const Entry entry = entryAt(offset);
        if (!m_firstByWord.contains({entry.word}))
            m_firstByWord.insert({entry.word}, offset);
        offset += quint32(HeadUnits + size_t(entry.word.size() + entry.transcription.size()));
    }
}

QString PhoneticIndex::lookup(QStringView word) const
{
    if (word.isEmpty() || m_firstByWord.isEmpty())
        return {};
    // An entry written as the word is the one its run of equal words gives first.
    const auto exact = m_firstByWord.constFind({word});
    if (exact != m_firstByWord.cend())
        return entryAt(*exact).transcription.toString();
    // Otherwise the run of words equal to it but for letter case, if any, gives its first.
    char buffer[256];
    QByteArray longKey;
    QByteArrayView key(buffer, m_caseBlind.write(word, buffer, sizeof buffer));
    if (key.size() >= qsizetype(sizeof buffer)) {
        m_caseBlind.append(word, longKey);
        key = longKey;
    }
    const auto run = m_firstByKey.constFind({key});
    return run == m_firstByKey.cend() ? QString() : entryAt(*run).transcription.toString();
}

quint32 PhoneticIndex::append(const Entry& entry)
{
    const EntryHead head{quint32(entry.word.size()), quint32(entry.transcription.size())};
    const size_t begin = m_entries.size();
    m_entries.resize(begin + HeadUnits);
    std::memcpy(m_entries.data() + begin, &head, sizeof head);
    m_entries.insert(m_entries.end(), entry.word.utf16(), entry.word.utf16() + entry.word.size());
    m_entries.insert(m_entries.end(), entry.transcription.utf16(),
                     entry.transcription.utf16() + entry.transcription.size());
    ++m_size;
    return quint32(begin);
}

PhoneticIndex::Entry PhoneticIndex::entryAt(quint32 offset) const
{
    EntryHead head;
    std::memcpy(&head, m_entries.data() + offset, sizeof head);
    const char16_t* word = m_entries.data() + offset + HeadUnits;
    return {QStringView(word, head.wordLength),
            QStringView(word + head.wordLength, head.transcriptionLength)};
}
