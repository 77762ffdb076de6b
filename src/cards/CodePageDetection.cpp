#include "cards/CodePageDetection.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringDecoder>

#include <cmath>
#include <memory>

#include <unicode/ucsdet.h>
#include <unicode/ulocdata.h>
#include <unicode/uset.h>

namespace {

// A page a word list can be in, with the languages written in it.
struct Page
{
    const char* name;
    const char* languages;
};

// In the order in which equally good readings are preferred. The pages of scripts without
// capitals come last: bytes of any text in their range read as words of them.
constexpr Page pages[] = {
    {"windows-1252", "en de fr es it pt nl da sv nb fi is ca"},
    {"windows-1251", "ru uk be bg sr mk"},
    {"windows-1250", "cs sk pl hu sl hr ro sq"},
    {"windows-1253", "el"},
    {"windows-1254", "tr"},
    {"windows-1257", "lt lv et"},
    {"KOI8-R", "ru"},
    {"KOI8-U", "uk ru be"},
    {"IBM866", "ru be"},
    {"ISO-8859-1", "en de fr es it pt nl da sv nb fi is ca"},
    {"ISO-8859-2", "cs sk pl hu sl hr ro sq"},
    {"ISO-8859-3", "mt eo tr"},
    {"ISO-8859-4", "lt lv et"},
    {"ISO-8859-5", "ru bg mk sr be"},
    {"ISO-8859-7", "el"},
    {"ISO-8859-9", "tr"},
    {"ISO-8859-10", "da sv nb fi is"},
    {"ISO-8859-13", "lt lv et pl"},
    {"ISO-8859-14", "cy ga"},
    {"ISO-8859-15", "en de fr es it pt nl da sv nb fi et ca"},
    {"ISO-8859-16", "ro pl hu hr sl sq it fr de"},
    {"windows-1255", "he"},
    {"windows-1256", "ar fa"},
    {"ISO-8859-6", "ar"},
    {"ISO-8859-8", "he"},
};

// ICU names a Latin page by its ISO form when the bytes hold no C1 byte; either form counts.
constexpr std::pair<const char*, const char*> icuTwins[] = {
    {"ISO-8859-1", "windows-1252"}, {"ISO-8859-2", "windows-1250"},
    {"ISO-8859-6", "windows-1256"}, {"ISO-8859-7", "windows-1253"},
    {"ISO-8859-8", "windows-1255"}, {"ISO-8859-8-I", "windows-1255"},
    {"ISO-8859-9", "windows-1254"},
};

// How much more sure ICU must be of one reading than of the next to decide between them: its
// models tell scripts apart on a few words, but Latin languages only on more text.
constexpr int ClearlySureOfScript = 5;
constexpr int ClearlySureOfLatin = 20;

// How much less likely, as a natural logarithm, a reading's letters may be than the best
// reading's and still leave the choice to the detector.
constexpr double LikelihoodMargin = 0.5;

// Bytes beyond this are not looked at: a word list shows its page long before.
constexpr qsizetype SampleBytes = 1 << 16;

// The alphabet of a language: its letters in both cases, from ICU's locale data, and how many
// letters beyond ASCII it has.
struct Alphabet
{
    std::shared_ptr<USet> letters;
    int beyondAscii = 0;
    bool latin = false;
};

Alphabet makeAlphabet(const QByteArray& language)
{
    UErrorCode status = U_ZERO_ERROR;
    std::shared_ptr<USet> letters(uset_openEmpty(), uset_close);
    if (ULocaleData* data = ulocdata_open(language.constData(), &status)) {
        ulocdata_getExemplarSet(data, letters.get(), USET_ADD_CASE_MAPPINGS, ULOCDATA_ES_STANDARD,
                                &status);
        ulocdata_close(data);
    }
    uset_freeze(letters.get());
    int beyondAscii = 0;
    for (int32_t i = 0; i < uset_size(letters.get()); ++i) {
        const UChar32 c = uset_charAt(letters.get(), i);
        if (c >= 0x80 && !QChar::isUpper(char32_t(c)))
            ++beyondAscii;
    }
    const bool latin = uset_contains(letters.get(), u'a');
    return {std::move(letters), std::max(beyondAscii, 1), latin};
}

// Made once for all the languages of the pages.
const Alphabet& alphabetOf(const QByteArray& language)
{
    static const QHash<QByteArray, Alphabet> alphabets = [] {
        QHash<QByteArray, Alphabet> made;
        for (const Page& page : pages)
            for (const QByteArray& name : QByteArray(page.languages).split(' '))
                if (!made.contains(name))
                    made.insert(name, makeAlphabet(name));
        return made;
    }();
    return alphabets.find(language).value();
}

// The readings of single-byte pages hold no character beyond the first plane, so a reading is
// looked at one UTF-16 unit at a time.
bool isAscii(QChar c)
{
    return c.unicode() < 0x80;
}

// Characters that join the letters of one word, and punctuation that may stand at its ends.
bool isInsideWord(QChar c)
{
    return c == u'\'' || c == u'-' || c == u'\u2019';
}

bool isEdgePunctuation(QChar c)
{
    static const QString edges = QStringLiteral("«»„“”‘’‚…–—¿¡·");
    return edges.contains(c);
}

bool isWordBreak(QChar c)
{
    return c.isSpace() || (isAscii(c) && !c.isLetter() && !isInsideWord(c));
}

// A word in lower case, capitalised (one capital first) or all capitals.
enum class Casing
{
    Plain,
    Capitals,
    Mixed
};

Casing casingOf(QStringView word)
{
    int lower = 0;
    int upperAfterFirst = 0;
    bool first = true;
    for (QChar c : word) {
        if (c.isLower())
            ++lower;
        else if (c.isUpper() && !first)
            ++upperAfterFirst;
        if (c.isLetter())
            first = false;
    }
    if (upperAfterFirst == 0)
        return Casing::Plain;
    return lower == 0 ? Casing::Capitals : Casing::Mixed;
}

int countBeyondAscii(QStringView text)
{
    return int(std::count_if(text.begin(), text.end(), [](QChar c) { return !isAscii(c); }));
}

// A word of a reading that holds characters beyond ASCII: its letters, stripped of punctuation
// at its ends, and how many characters beyond ASCII it had before.
struct Word
{
    QStringView letters;
    int beyondAscii = 0;
};

QList<Word> wordsBeyondAscii(QStringView text)
{
    QList<Word> words;
    const auto add = [&words](QStringView word) {
        QStringView letters = word;
        while (!letters.isEmpty() && isEdgePunctuation(letters.front()))
            letters = letters.sliced(1);
        while (!letters.isEmpty() && isEdgePunctuation(letters.back()))
            letters.chop(1);
        if (countBeyondAscii(letters) > 0)
            words.append({letters, countBeyondAscii(word)});
    };
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isWordBreak(text[i])) {
            add(text.sliced(start, i - start));
            start = i + 1;
        }
    }
    add(text.sliced(start));
    return words;
}

bool isWordOf(QStringView word, const USet* letters)
{
    return std::all_of(word.begin(), word.end(), [letters](QChar c) {
        return isInsideWord(c) || c.isMark() || uset_contains(letters, c.unicode());
    });
}

// How well a reading fits one of its languages: its words count one up, words that are not of
// the language, or in mixed case, one down. All-capital words count neither way, since reading
// some pages in another turns lower case into capitals. Readings that fit equally are told
// apart by how likely their letters beyond ASCII are when each letter of the alphabet is
// equally likely: a small alphabet that holds them all explains them better than a large one.
struct Fit
{
    int words = std::numeric_limits<int>::min();
    double likelihood = 0;
    bool latin = false;

    bool operator<(const Fit& other) const
    {
        return words != other.words ? words < other.words : likelihood < other.likelihood;
    }
};

Fit fitOf(const QList<Word>& words, const char* languages)
{
    Fit best;
    for (const QByteArray& language : QByteArray(languages).split(' ')) {
        const Alphabet& alphabet = alphabetOf(language);
        Fit fit{0, 0, alphabet.latin};
        for (const Word& word : words) {
            const Casing casing = casingOf(word.letters);
            const bool ofLanguage = isWordOf(word.letters, alphabet.letters.get());
            if (casing == Casing::Capitals && ofLanguage)
                continue;
            if (casing != Casing::Plain || !ofLanguage) {
                --fit.words;
                continue;
            }
            ++fit.words;
            fit.likelihood -= word.beyondAscii * std::log(alphabet.beyondAscii);
        }
        best = std::max(best, fit);
    }
    return best;
}

// How sure ICU's detector is of each page it recognises in the bytes, 0 to 100.
QHash<QByteArray, int> icuConfidences(QByteArrayView bytes)
{
    QHash<QByteArray, int> confidences;
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UCharsetDetector, void (*)(UCharsetDetector*)> detector(ucsdet_open(&status),
                                                                            ucsdet_close);
    ucsdet_setText(detector.get(), bytes.data(), int32_t(bytes.size()), &status);
    int32_t count = 0;
    const UCharsetMatch** matches = ucsdet_detectAll(detector.get(), &count, &status);
    if (U_FAILURE(status))
        return confidences;
    for (int32_t i = 0; i < count; ++i) {
        QByteArray name = ucsdet_getName(matches[i], &status);
        const int confidence = ucsdet_getConfidence(matches[i], &status);
        for (const auto& [iso, windows] : icuTwins)
            if (name == iso)
                confidences[windows] = std::max(confidences.value(windows), confidence);
        confidences[name] = std::max(confidences.value(name), confidence);
    }
    return confidences;
}

bool isCandidate(const QByteArray& page)
{
    return std::any_of(std::begin(pages), std::end(pages), [&page](const Page& p) {
        return page.compare(p.name, Qt::CaseInsensitive) == 0;
    });
}

// One distinct reading of the bytes and the pages that give it, in the order of preference.
struct Reading
{
    QString text;
    QList<QByteArray> pages;
    Fit fit;
};

// The distinct readings of the bytes in the pages that read them without error, judged.
QList<Reading> readingsOf(QByteArrayView bytes)
{
    QList<Reading> readings;
    for (const Page& page : pages) {
        QStringDecoder decoder(page.name, QStringConverter::Flag::Stateless);
        if (!decoder.isValid())
            continue;
        QString text = decoder.decode(bytes);
        if (decoder.hasError())
            continue;
        auto same = std::find_if(readings.begin(), readings.end(),
                                 [&text](const Reading& r) { return r.text == text; });
        if (same != readings.end()) {
            same->pages.append(page.name);
            continue;
        }
        const Fit fit = fitOf(wordsBeyondAscii(text), page.languages);
        readings.append({std::move(text), {page.name}, fit});
    }
    return readings;
}

// The page of a reading: the locale's page when it gives it, else the first that does.
QByteArray pageOf(const Reading& reading, const QByteArray& localePage)
{
    for (const QByteArray& page : reading.pages)
        if (page.compare(localePage, Qt::CaseInsensitive) == 0)
            return page;
    return reading.pages.first();
}

bool givesLocalePage(const Reading& reading, const QByteArray& localePage)
{
    return pageOf(reading, localePage).compare(localePage, Qt::CaseInsensitive) == 0;
}

} // namespace

QByteArray detectCodePage(QByteArrayView bytes, const QByteArray& localePage)
{
    const QByteArrayView sample = bytes.first(std::min(bytes.size(), SampleBytes));
    if (std::all_of(sample.begin(), sample.end(), [](char b) { return uchar(b) < 0x80; }) ||
        !isCandidate(localePage))
        return localePage;

    const QList<Reading> readings = readingsOf(sample);
    Fit best{0, 0, false};
    for (const Reading& reading : readings)
        best = std::max(best, reading.fit);
    if (best.words <= 0)
        return localePage;
    QList<const Reading*> bestReadings;
    for (const Reading& reading : readings)
        if (reading.fit.words == best.words)
            bestReadings.append(&reading);
    // Between readings in the Latin script, whose alphabets overlap, those whose letters are
    // clearly less likely than the best one's are out.
    const bool allLatin = std::all_of(bestReadings.begin(), bestReadings.end(),
                                      [](const Reading* r) { return r->fit.latin; });
    if (allLatin)
        bestReadings.removeIf([&best](const Reading* r) {
            return r->fit.likelihood <= best.likelihood - LikelihoodMargin;
        });
    if (bestReadings.size() == 1)
        return pageOf(*bestReadings.first(), localePage);

    const QHash<QByteArray, int> confidences = icuConfidences(sample);
    const auto confidenceOf = [&confidences](const Reading* reading) {
        int confidence = 0;
        for (const QByteArray& page : reading->pages)
            confidence = std::max(confidence, confidences.value(page));
        return confidence;
    };
    QList<const Reading*> bySureness = bestReadings;
    std::stable_sort(bySureness.begin(), bySureness.end(),
                     [&confidenceOf](const Reading* a, const Reading* b) {
                         return confidenceOf(a) > confidenceOf(b);
                     });
    if (confidenceOf(bySureness[0]) - confidenceOf(bySureness[1]) >=
        (allLatin ? ClearlySureOfLatin : ClearlySureOfScript))
        return pageOf(*bySureness.first(), localePage);
    for (const Reading* reading : bestReadings)
        if (givesLocalePage(*reading, localePage))
            return pageOf(*reading, localePage);
    return pageOf(*bestReadings.first(), localePage);
}
