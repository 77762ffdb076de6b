// The card-line routines on any text: no crash, and the fast card test agrees with the parts
// that the card record is built from.
#include "cards/CardLine.h"
#include "cards/DictionaryOperations.h"
#include "cards/StringList.h"
#include "BracketsCutOneByOne.h"
#include "FuzzInput.h"

namespace {

void checkLine(const QString& line)
{
    const TVocabula card = LineToVocabula(line);
    FUZZ_CHECK(card.OriginalStr == line);
    const bool bothSides = !TrimControls(card.Q).isEmpty() && !TrimControls(card.A).isEmpty();
    FUZZ_CHECK(IsVocabula(line) == bothSides);

    const QString normal = NormalizeSpaces(line);
    FUZZ_CHECK(NormalizeSpaces(normal) == normal);
    FUZZ_CHECK(!normal.contains(u'\t'));

    const QString key = KeyOf(line);
    const QString value = ValueOf(line);
    FUZZ_CHECK(!key.contains(u'='));
    FUZZ_CHECK(key.isEmpty() ? value.isEmpty() : line.contains(u'='));
    FUZZ_CHECK(PhoneticOf(line) == card.T);
    // Cutting every group at once gives what cutting the first group, again and again, gives.
    FUZZ_CHECK(cutsAgree(line));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString utf8 = QString::fromUtf8(fuzzBytes(data, size));
    const QString utf16 = fuzzUtf16(data, size);
    checkLine(utf8);
    checkLine(utf16);

    StringList lines;
    lines.setLines({utf8, utf16});
    SwapLines(lines);
    for (const QString& swapped : lines.lines())
        checkLine(swapped);
    return 0;
}
