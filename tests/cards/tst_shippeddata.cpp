#include "cards/CardLine.h"
#include "cards/FileNames.h"
#include "cards/PhoneticTable.h"
#include "cards/TextFile.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QtEndian>
#include <QtTest>

// The data that ships with the program: the dictionaries copied on the first start, the
// phonetic dictionary and the learnt sound.
class TestShippedData : public QObject
{
    Q_OBJECT

private slots:
    void dictionaryIsCardsInTheProgramsOwnFormat_data();
    void dictionaryIsCardsInTheProgramsOwnFormat();
    void answerDoesNotGiveTheQuestionAway_data();
    void answerDoesNotGiveTheQuestionAway();
    void transcriptionsUseIpaSymbols_data();
    void transcriptionsUseIpaSymbols();
    void onlyTopLevelFilesAreListed();
    void phoneticDictionaryFindsCommonWords_data();
    void phoneticDictionaryFindsCommonWords();
    void phoneticDictionaryCoversEveryWordCard_data();
    void phoneticDictionaryCoversEveryWordCard();
    void phoneticFileHasOneEntryALine();
    void soundIsAShortPcmWave();
};

namespace {

QString dataPath(const QString& name)
{
    return QStringLiteral(VOCADRILL_DATA "/") + name;
}

QString dictionaryPath(const QString& name)
{
    return dataPath(QStringLiteral("OriginalDictionaries/") + name);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every shipped dictionary with the number of cards it holds.
void addDictionaryRows()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("cards");
    QTest::newRow("500 common words") << "500 common words.txt" << 500;
    QTest::newRow("irregular verbs") << "Irregular verbs.txt" << 143;
    QTest::newRow("phrasal verbs") << "Phrasal verbs.txt" << 102;
    QTest::newRow("travel phrases") << "Travel phrases.txt" << 86;
    QTest::newRow("everyday phrases") << "Everyday phrases.txt" << 96;
    QTest::newRow("more common words") << "More/Common words 501-665.txt" << 165;
    QTest::newRow("numbers and dates") << "Numbers, days and months.txt" << 59;
}

} // namespace

void TestShippedData::dictionaryIsCardsInTheProgramsOwnFormat_data()
{
    addDictionaryRows();
}

void TestShippedData::dictionaryIsCardsInTheProgramsOwnFormat()
{
    QFETCH(QString, name);
    QFETCH(int, cards);
    const QByteArray bytes = readAll(dictionaryPath(name));
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QStringDecoder utf8(QStringConverter::Utf8);
    utf8.decode(bytes);
    QVERIFY(!utf8.hasError());
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));

    const QStringList lines = TextFile::readLines(dictionaryPath(name));
    QCOMPARE(lines.size(), cards);
    QSet<QString> questions;
    for (const QString& line : lines) {
        QVERIFY2(IsVocabula(line), qPrintable(line));
        QVERIFY2(line == NormalizeSpaces(line), qPrintable(line));
        const QString question = QuestionOf(line);
        QVERIFY2(!questions.contains(question), qPrintable(question));
        questions.insert(question);
    }
}

void TestShippedData::answerDoesNotGiveTheQuestionAway_data()
{
    addDictionaryRows();
}

void TestShippedData::answerDoesNotGiveTheQuestionAway()
{
    QFETCH(QString, name);
    // Neither the whole question nor one of its words of three letters or more, as a word of
    // its own, may stand in the answer the card shows.
    static const QRegularExpression word(QStringLiteral("\\p{L}{3,}"));
    const QStringList lines = TextFile::readLines(dictionaryPath(name));
    for (const QString& line : lines) {
        const QString question = QuestionOf(line);
        const QString answer = AnswerOf(line);
        QVERIFY2(!answer.contains(question, Qt::CaseInsensitive), qPrintable(line));
        for (const QRegularExpressionMatch& match : word.globalMatch(question)) {
            const QRegularExpression whole(QStringLiteral("\\b%1\\b").arg(match.captured()),
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::UseUnicodePropertiesOption);
            QVERIFY2(!whole.match(answer).hasMatch(), qPrintable(line));
        }
    }
}

void TestShippedData::transcriptionsUseIpaSymbols_data()
{
    addDictionaryRows();
}

void TestShippedData::transcriptionsUseIpaSymbols()
{
    QFETCH(QString, name);
    // The symbols of British dictionary transcription, and the separators of a verb's forms.
    static const QRegularExpression group(QStringLiteral("\\[([^\\]]*)\\]"));
    static const QRegularExpression ipa(
        QStringLiteral("^[abdefhijklmnprstuvwzæðŋɑɒɔəɜɡɪʃʊʌʒθˈˌː ,/]+$"));
    const QStringList lines = TextFile::readLines(dictionaryPath(name));
    for (const QString& line : lines) {
        for (const QRegularExpressionMatch& match : group.globalMatch(PhoneticOf(line)))
            QVERIFY2(ipa.match(match.captured(1)).hasMatch(), qPrintable(line));
    }
}

void TestShippedData::onlyTopLevelFilesAreListed()
{
    QStringList listed = ListFiles(dataPath(QStringLiteral("OriginalDictionaries")), "*.txt");
    QCOMPARE(NamesWithoutExt(listed),
             QStringList({"500 common words", "Everyday phrases", "Irregular verbs",
                          "Numbers, days and months", "Phrasal verbs", "Travel phrases"}));
    QVERIFY(!ListFiles(dictionaryPath(QStringLiteral("More")), "*.txt").isEmpty());
}

void TestShippedData::phoneticDictionaryFindsCommonWords_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("transcription");
    QTest::newRow("one syllable") << "cat"
                                  << "[kæt]";
    QTest::newRow("any letter case") << "CAT"
                                     << "[kæt]";
    QTest::newRow("stress on the first syllable") << "water"
                                                  << "[ˈwɔːtə]";
    QTest::newRow("stress after a cluster") << "computer"
                                            << "[kəmˈpjuːtə]";
    QTest::newRow("secondary stress") << "understand"
                                      << "[ˌʌndəˈstænd]";
    QTest::newRow("long vowel") << "thought"
                                << "[θɔːt]";
    QTest::newRow("capitalised word") << "Monday"
                                      << "[ˈmʌndeɪ]";
    QTest::newRow("British spelling") << "colour"
                                      << "[ˈkʌlə]";
    QTest::newRow("American spelling") << "color"
                                       << "[ˈkʌlə]";
    QTest::newRow("inflected form") << "languages"
                                    << "[ˈlæŋɡwɪdʒɪz]";
    QTest::newRow("a card's own transcription") << "one"
                                                << "[wʌn]";
    QTest::newRow("a card's two transcriptions") << "the"
                                                 << "[ðə], [ðiː]";
    QTest::newRow("corrected by hand") << "autumn"
                                       << "[ˈɔːtəm]";
}

void TestShippedData::phoneticDictionaryFindsCommonWords()
{
    QFETCH(QString, word);
    QFETCH(QString, transcription);
    PhoneticTable table;
    table.load(dataPath(QStringLiteral("OriginalPhonetic/Phonetic.txt")));
    QVERIFY(table.size() >= 20000);
    QCOMPARE(table.lookup(word), transcription);
}

void TestShippedData::phoneticDictionaryCoversEveryWordCard_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("500 common words") << "500 common words.txt";
    QTest::newRow("numbers and dates, which rely on it") << "Numbers, days and months.txt";
    QTest::newRow("more common words") << "More/Common words 501-665.txt";
}

void TestShippedData::phoneticDictionaryCoversEveryWordCard()
{
    QFETCH(QString, name);
    PhoneticTable table;
    table.load(dataPath(QStringLiteral("OriginalPhonetic/Phonetic.txt")));
    const QStringList lines = TextFile::readLines(dictionaryPath(name));
    for (const QString& line : lines)
        QVERIFY2(!table.lookup(QuestionOf(line)).isEmpty(), qPrintable(line));
}

void TestShippedData::phoneticFileHasOneEntryALine()
{
    const QString path = dataPath(QStringLiteral("OriginalPhonetic/Phonetic.txt"));
    const QByteArray bytes = readAll(path);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    static const QRegularExpression entry(
        QStringLiteral("^[\\w'.-]+ = \\[[^\\[\\]=]+\\](, \\[[^\\[\\]=]+\\])*$"),
        QRegularExpression::UseUnicodePropertiesOption);
    const QStringList lines = TextFile::readLines(path);
    QVERIFY(lines.size() >= 20000);
    for (const QString& line : lines)
        QVERIFY2(entry.match(line).hasMatch(), qPrintable(line));
}

void TestShippedData::soundIsAShortPcmWave()
{
    const QByteArray bytes = readAll(dataPath(QStringLiteral("Sound.wav")));
    QVERIFY(bytes.size() > 44);
    QCOMPARE(bytes.first(4), QByteArray("RIFF"));
    QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 4), quint32(bytes.size() - 8));
    QCOMPARE(bytes.mid(8, 4), QByteArray("WAVE"));

    quint16 format = 0;
    quint16 channels = 0;
    quint32 rate = 0;
    quint16 bits = 0;
    QByteArray samples;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        QVERIFY(at + 8 + qsizetype(size) <= bytes.size());
        const char* body = bytes.constData() + at + 8;
        if (id == "fmt ") {
            format = qFromLittleEndian<quint16>(body);
            channels = qFromLittleEndian<quint16>(body + 2);
            rate = qFromLittleEndian<quint32>(body + 4);
            bits = qFromLittleEndian<quint16>(body + 14);
        } else if (id == "data") {
            samples = QByteArray(body, size);
        }
        at += 8 + size + (size & 1);
    }
    QCOMPARE(format, quint16(1));
    QCOMPARE(channels, quint16(1));
    QCOMPARE(bits, quint16(16));
    QVERIFY(rate >= 22050 && rate <= 48000);
    const double seconds = double(samples.size()) / 2 / rate;
    QVERIFY2(seconds >= 0.3 && seconds <= 1.5, qPrintable(QString::number(seconds)));

    int peak = 0;
    for (qsizetype i = 0; i + 1 < samples.size(); i += 2)
        peak = qMax(peak, qAbs(int(qFromLittleEndian<qint16>(samples.constData() + i))));
    // Loud enough to hear, soft enough never to clip.
    QVERIFY(peak > 8000);
    QVERIFY(peak < 30000);
}

QTEST_GUILESS_MAIN(TestShippedData)
#include "tst_shippeddata.moc"
