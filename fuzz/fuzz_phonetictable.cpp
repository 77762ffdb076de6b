// The phonetic dictionary from any file: it loads, and every word with a transcription in the
// file is found.
#include "cards/CardLine.h"
#include "cards/Collation.h"
#include "cards/PhoneticTable.h"
#include "cards/TextFile.h"
#include "FuzzFile.h"
#include "FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool collation = [] {
        Collation::setCollationLocale(QLocale(QLocale::English));
        return true;
    }();
    Q_UNUSED(collation);
    const QString path = fuzzFile(QStringLiteral("Phonetic.txt"), fuzzBytes(data, size));
    PhoneticTable table;
    table.load(path);
    for (const QString& line : TextFile::readLines(path)) {
        if (!ValueOf(line).isEmpty())
            FUZZ_CHECK(!table.lookup(KeyOf(line)).isEmpty());
    }
    table.lookup(fuzzUtf16(data, size));
    return 0;
}
