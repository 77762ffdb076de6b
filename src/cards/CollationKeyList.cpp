#include "cards/CollationKeyList.h"

#include <QtEndian>

#include <algorithm>

namespace {

// A key number with the first 16 bytes of its key as two numbers that order as the bytes do,
// so that most comparisons of a sort touch neither the key buffer nor another cache line.
struct SortItem
{
    quint64 high;
    quint64 low;
    quint32 index;
};

quint64 bigEndianAt(QByteArrayView key, qsizetype from)
{
    // Missing bytes count as zero, which orders a shorter key first: no key holds a zero byte.
    char bytes[8] = {};
    if (from < key.size())
        std::copy_n(key.data() + from, qMin<qsizetype>(8, key.size() - from), bytes);
    return qFromBigEndian<quint64>(bytes);
}

} // namespace

void CollationKeyList::reserve(qsizetype count)
{
    m_ends.reserve(size_t(count));
}

void CollationKeyList::append(QStringView text)
{
    m_collation.append(text, m_bytes);
    m_ends.push_back(quint32(m_bytes.size()));
}

QByteArrayView CollationKeyList::key(qsizetype i) const
{
    const quint32 begin = i == 0 ? 0 : m_ends[size_t(i) - 1];
    return QByteArrayView(m_bytes.constData() + begin, m_ends[size_t(i)] - begin);
}

std::vector<quint32> CollationKeyList::sortedOrder() const
{
    std::vector<SortItem> items(m_ends.size());
    for (quint32 i = 0; i < items.size(); ++i) {
        const QByteArrayView k = key(i);
        items[i] = {bigEndianAt(k, 0), bigEndianAt(k, 8), i};
    }
    std::sort(items.begin(), items.end(), [this](const SortItem& a, const SortItem& b) {
        if (a.high != b.high)
            return a.high < b.high;
        if (a.low != b.low)
            return a.low < b.low;
        const QByteArrayView ka = key(a.index);
        const QByteArrayView kb = key(b.index);
        const int order = compareKeys(ka.sliced(qMin<qsizetype>(16, ka.size())),
                                      kb.sliced(qMin<qsizetype>(16, kb.size())));
        return order != 0 ? order < 0 : a.index < b.index;
    });
    std::vector<quint32> order(items.size());
    std::transform(items.begin(), items.end(), order.begin(),
                   [](const SortItem& item) { return item.index; });
    return order;
}

std::vector<quint32> CollationKeyList::sortedUniqueOrder() const
{
    std::vector<quint32> order = sortedOrder();
    size_t kept = 0;
    for (const quint32 i : order) {
        if (kept > 0 && key(order[kept - 1]) == key(i))
            continue;
        order[kept++] = i;
    }
    order.resize(kept);
    return order;
}
