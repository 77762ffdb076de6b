#include "cards/LegacyEncoding.h"

#include <QHash>

namespace {

// The Windows code page of a language, for bytes that are not UTF-8 on a UTF-8 locale.
QByteArray windowsCodePageOf(const QString& localeName)
{
    static const QHash<QString, QByteArray> byLanguage = {
        {"ru", "windows-1251"}, {"uk", "windows-1251"}, {"be", "windows-1251"},
        {"bg", "windows-1251"}, {"sr", "windows-1251"}, {"mk", "windows-1251"},
        {"cs", "windows-1250"}, {"pl", "windows-1250"}, {"hu", "windows-1250"},
        {"sk", "windows-1250"}, {"sl", "windows-1250"}, {"hr", "windows-1250"},
        {"ro", "windows-1250"}, {"el", "windows-1253"}, {"tr", "windows-1254"},
        {"he", "windows-1255"}, {"ar", "windows-1256"}, {"fa", "windows-1256"},
        {"lt", "windows-1257"}, {"lv", "windows-1257"}, {"et", "windows-1257"},
        {"vi", "windows-1258"}, {"th", "windows-874"},  {"ja", "windows-932"},
        {"ko", "windows-949"},
    };
    const QString language = localeName.section(QLatin1Char('_'), 0, 0).toLower();
    if (language == QLatin1String("zh"))
        return localeName.contains(QLatin1String("TW")) || localeName.contains(QLatin1String("HK"))
                   ? "windows-950"
                   : "windows-936";
    return byLanguage.value(language, "windows-1252");
}

bool isUtf8Charset(const QByteArray& charset)
{
    const QByteArray c = charset.toUpper();
    return c.isEmpty() || c == "UTF-8" || c == "UTF8" || c == "ANSI_X3.4-1968" || c == "ASCII" ||
           c == "US-ASCII";
}

LegacyEncoding& current()
{
    static LegacyEncoding encoding;
    return encoding;
}

} // namespace

LegacyEncoding legacyEncodingFor(const QByteArray& localeCharset, const QString& localeName)
{
    if (isUtf8Charset(localeCharset))
        return {true, windowsCodePageOf(localeName)};
    return {false, localeCharset};
}

const LegacyEncoding& programLegacyEncoding()
{
    return current();
}

void setProgramLegacyEncoding(const LegacyEncoding& encoding)
{
    current() = encoding;
}
