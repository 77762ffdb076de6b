#pragma once

#include "cards/CollationKeys.h"

#include <QByteArray>
#include <QStringView>

#include <vector>

// The collation keys of many texts, one after another in a single buffer, for sorting the
// texts and finding the equal ones.
class CollationKeyList
{
public:
    explicit CollationKeyList(const CollationKeys& collation) : m_collation(collation) {}

    void reserve(qsizetype count);
    // Adds the key of text as key number size().
    void append(QStringView text);
    qsizetype size() const { return qsizetype(m_ends.size()); }
    QByteArrayView key(qsizetype i) const;

    // The key numbers in ascending order of the keys; equal keys keep the order in which they
    // were added.
    std::vector<quint32> sortedOrder() const;
    // The same with each key once: of equal keys the one added first.
    std::vector<quint32> sortedUniqueOrder() const;

private:
    const CollationKeys& m_collation;
    QByteArray m_bytes;
    // Where each key ends in m_bytes; it begins where the one before ends.
    std::vector<quint32> m_ends;
};
