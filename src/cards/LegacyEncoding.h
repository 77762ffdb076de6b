#pragma once

#include <QByteArray>
#include <QString>

// How text without a byte-order mark is read: the legacy code page of the user's locale.
struct LegacyEncoding
{
    // On a UTF-8 locale, bytes that are valid UTF-8 read as UTF-8.
    bool utf8Locale = true;
    // The page of the locale's language: for everything else and every forced second reading,
    // the single-byte page that fits the bytes best is used, and this one decides when the
    // bytes leave it open (see CodePageDetection.h).
    QByteArray codePage = "windows-1252";

    bool operator==(const LegacyEncoding&) const = default;
};

// Decides the legacy encoding from the locale's character set (as the C library reports it)
// and the locale's name ("ru_RU"). The C/POSIX locale counts as a UTF-8 English locale.
LegacyEncoding legacyEncodingFor(const QByteArray& localeCharset, const QString& localeName);

// The encoding used by every file read of the program; UTF-8 English until set at start-up.
const LegacyEncoding& programLegacyEncoding();
void setProgramLegacyEncoding(const LegacyEncoding& encoding);
