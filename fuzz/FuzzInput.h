#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <cstdint>

// The raw bytes of one fuzz input.
inline QByteArrayView fuzzBytes(const uint8_t* data, size_t size)
{
    return QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size));
}

// The same bytes taken as UTF-16 code units, so that every QChar, lone surrogates and NULs
// included, can be reached.
inline QString fuzzUtf16(const uint8_t* data, size_t size)
{
    return QString(reinterpret_cast<const QChar*>(data), qsizetype(size / 2));
}

// Stops the run with a message when a property that must hold does not.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            qFatal("property failed: %s (%s:%d)", #condition, __FILE__, __LINE__);                 \
    } while (false)
