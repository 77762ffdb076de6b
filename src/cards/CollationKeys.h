#pragma once

#include <QByteArray>
#include <QLocale>
#include <QStringView>

#include <cstring>

struct UCollator;

// The bytes of collation keys, as QCollatorSortKey holds them but written into a buffer of the
// caller's: the same collation library with the settings QCollator gives it, so that keys
// compared bytewise order their texts as QCollatorSortKey does, and equal keys mean texts that
// compare equal. Sorting a million lines or searching a large table then costs no allocation
// per key, and a key can be hashed or compared by its bytes.
class CollationKeys
{
public:
    CollationKeys(const QLocale& locale, Qt::CaseSensitivity sensitivity);
    CollationKeys(const CollationKeys& other);
    CollationKeys& operator=(const CollationKeys& other);
    ~CollationKeys();

    // Writes the key of text to out when it fits in room bytes; returns its length either way.
    qsizetype write(QStringView text, char* out, qsizetype room) const;
    // Appends the key of text to keys and returns its length in bytes.
    qsizetype append(QStringView text, QByteArray& keys) const;

private:
    UCollator* m_collator = nullptr;
};

// Orders two keys as their texts are ordered: bytewise, a key before the longer keys it begins.
inline int compareKeys(QByteArrayView a, QByteArrayView b)
{
    const int order = memcmp(a.data(), b.data(), size_t(qMin(a.size(), b.size())));
    if (order != 0)
        return order;
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}
