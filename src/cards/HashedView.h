#pragma once

#include <QHashFunctions>

// A view of text or bytes held elsewhere, as a QHash key. It is hashed without the seed, which
// is mixed in afterwards: Qt's seeded hash of fewer than 16 bytes, the size of most words and
// of their collation keys, takes many times longer than its unseeded hash.
template <typename View> struct HashedView
{
    View view;
    bool operator==(const HashedView& other) const { return view == other.view; }
};

template <typename View> size_t qHash(const HashedView<View>& key, size_t seed)
{
    return qHash(key.view, 0) ^ seed;
}
