// Decoding file bytes by their mark or the legacy page, and splitting them into lines, for
// the locales the program knows: no crash, and no line holds a line end or a NUL.
#include "cards/LegacyEncoding.h"
#include "cards/TextFile.h"
#include "FuzzInput.h"

namespace {

const LegacyEncoding encodings[] = {
    {true, "windows-1252"},  {false, "windows-1251"}, {true, "windows-1250"},
    {false, "windows-1253"}, {true, "windows-1255"},  {false, "windows-874"},
    {true, "Shift_JIS"},     {false, "GBK"},          {true, "Big5"},
    {false, "EUC-KR"},       {true, "no-such-page"},
};

void checkLines(const QString& text)
{
    for (const QString& line : TextFile::splitLines(text)) {
        FUZZ_CHECK(!line.contains(u'\r'));
        FUZZ_CHECK(!line.contains(u'\n'));
        FUZZ_CHECK(!line.contains(QChar(0)));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes = fuzzBytes(data, size);
    const LegacyEncoding& encoding = encodings[size % std::size(encodings)];
    bool failed = false;
    checkLines(TextFile::decode(bytes, encoding, &failed));
    const QString forced = TextFile::decodeForced(bytes, encoding);
    checkLines(forced);
    checkLines(fuzzUtf16(data, size));
    return 0;
}
