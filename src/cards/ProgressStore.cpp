#include "cards/ProgressStore.h"

#include "cards/CardLine.h"
#include "cards/IniFile.h"
#include "cards/TextFile.h"

#include <QFileInfo>

#include <algorithm>

namespace {

constexpr QStringView section = u"Learnt";

// The dictionary's key in the store. Keys are read back trimmed, and a key cannot hold "="
// (it ends the key) nor a line break: those become "*".
QString keyOf(const QString& dictPath)
{
    const auto unstorable = [](QChar c) { return c == u'=' || c == u'\r' || c == u'\n'; };
    QString key = TrimControls(dictPath).toString();
    std::replace_if(key.begin(), key.end(), unstorable, QChar(u'*'));
    return key;
}

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Decimal, or hexadecimal after "0x"; anything else, or a number beyond 32 bits, reads as 0.
int integerOf(const QString& text)
{
    bool ok = false;
    if (text.size() > 2 && text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        const QStringView digits = QStringView(text).sliced(2);
        if (!std::all_of(digits.begin(), digits.end(), isHexDigit))
            return 0;
        const uint value = digits.toUInt(&ok, 16);
        return ok ? int(value) : 0;
    }
    const int value = text.toInt(&ok, 10);
    return ok ? value : 0;
}

// The store's text. Bytes that break the encoding of the store's mark are read again in the
// 8-bit page without the mark, so that the first line is still the section's header.
QString storeText(const QString& storePath)
{
    const QByteArray bytes = TextFile::readBytes(storePath);
    bool failed = false;
    const QString text = TextFile::decode(bytes, programLegacyEncoding(), &failed);
    if (!failed)
        return text;
    QByteArrayView unmarked(bytes);
    for (const char* mark : {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"}) {
        if (unmarked.startsWith(mark)) {
            unmarked = unmarked.sliced(qstrlen(mark));
            break;
        }
    }
    return TextFile::decodeForced(unmarked, programLegacyEncoding());
}

// A store whose section cannot be found (its header damaged, say) still holds the learner's
// counts: the lines before its first section are read as the section's, so that no rewrite
// drops them.
IniFile readStore(const QString& storePath)
{
    if (!QFileInfo::exists(storePath))
        return {};
    const QStringList lines = TextFile::splitLines(storeText(storePath));
    IniFile store = IniFile::fromLines(lines);
    return store.hasSection(section) ? store : IniFile::fromLines(lines, section);
}

// Removes up to three entries of the key, so that repeated entries do not pile up.
void removeEntries(IniFile& store, const QString& key)
{
    for (int i = 0; i < 3; ++i)
        store.removeFirst(section, key);
}

} // namespace

int IniRead(const QString& storePath, const QString& dictPath)
{
    return integerOf(readStore(storePath).value(section, keyOf(dictPath)).value_or(QString()));
}

void IniWrite(const QString& storePath, const QString& dictPath, int count)
{
    IniFile store = readStore(storePath);
    const QString key = keyOf(dictPath);
    removeEntries(store, key);
    store.setValue(section, key, QString::number(count));
    TextFile::writeLines(storePath, store.toLines());
}

void IniDelete(const QString& storePath, const QString& dictPath)
{
    IniFile store = readStore(storePath);
    removeEntries(store, keyOf(dictPath));
    TextFile::writeLines(storePath, store.toLines());
}
