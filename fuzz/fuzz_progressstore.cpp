// The learnt-progress store over any file: reading never fails on what a file holds, and a
// count written for a dictionary is the count read back, whatever else the file held.
#include "cards/IniFile.h"
#include "cards/ProgressStore.h"
#include "cards/TextFile.h"
#include "FuzzFile.h"
#include "FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes = fuzzBytes(data, size);

    const IniFile ini = IniFile::fromLines(TextFile::splitLines(QString::fromUtf8(bytes)));
    const QStringList written = ini.toLines();
    FUZZ_CHECK(IniFile::fromLines(written).toLines() == written);

    const QString store = fuzzFile(QStringLiteral("LearntNumbers.ini"), bytes);
    const QString dict = QStringLiteral("/home/learner/Vocadrill/Rules a=b.txt");
    IniRead(store, dict);
    const int count = int(size) - 100;
    IniWrite(store, dict, count);
    FUZZ_CHECK(IniRead(store, dict) == count);
    IniDelete(store, dict);
    FUZZ_CHECK(IniRead(store, dict) == 0);
    return 0;
}
