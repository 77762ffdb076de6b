#include "cards/CardLine.h"
#include "cards/FileError.h"
#include "cards/TextFile.h"
#include "CorpusTsv.h"

#include <QtTest>

namespace {

const LegacyEncoding utf8English{true, "windows-1252"};
const LegacyEncoding utf8Russian{true, "windows-1251"};

// About a megabyte of lines of random length, letters, Cyrillic and IPA, with random line
// ends, so that the pieces a large file is read in end at every kind of place.
QByteArray randomLines(quint32 seed)
{
    QRandomGenerator random(seed);
    const QStringList parts{"a", "b", " ", "=", "ж", "ə", "[", "]", "/"};
    const QByteArrayList ends{"\r\n", "\r", "\n"};
    QByteArray bytes;
    while (bytes.size() < 1100000) {
        QString line;
        const int length = int(random.bounded(120));
        for (int i = 0; i < length; ++i)
            line += parts[random.bounded(int(parts.size()))];
        bytes += line.toUtf8() + ends[random.bounded(int(ends.size()))];
    }
    return bytes;
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestTextFile : public QObject
{
    Q_OBJECT

private slots:
    void corpusFiles_data();
    void corpusFiles();
    void splitLines_data();
    void splitLines();
    void legacyEncoding_data();
    void legacyEncoding();
    void roundTrip_data();
    void roundTrip();
    void textWithoutMark_data();
    void textWithoutMark();
    void onePathFiles();
    void unreadableFileThrows();
    void largeFilesReadAsWholeText_data();
    void largeFilesReadAsWholeText();
};

// Every card file of the corpus, read as a dictionary: line count, and line, Q, A, T of every
// card in order.
void TestTextFile::corpusFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("cardCount");
    QTest::addColumn<QString>("expected");
    for (const QStringList& row : CorpusTsv::rows(CorpusTsv::fixture("corpus/MANIFEST.tsv")))
        QTest::newRow(qPrintable(row[0]))
            << row[0] << row[4].toInt() << row[5].toInt() << (row[6] == "-" ? QString() : row[6]);
}

void TestTextFile::corpusFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, expected);
    // The windows-1251 rows hold for a Russian locale; everything else reads alike on both.
    const QStringList lines =
        TextFile::readLines(CorpusTsv::fixture("corpus/" + file), utf8Russian);
    QTEST(int(lines.size()), "lineCount");
    QStringList cards;
    for (const QString& line : lines)
        if (IsVocabula(line))
            cards << line;
    QTEST(int(cards.size()), "cardCount");
    if (expected.isEmpty())
        return;
    const QList<QStringList> rows = CorpusTsv::rows(CorpusTsv::fixture("corpus/" + expected));
    QCOMPARE(rows.size(), cards.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const TVocabula card = LineToVocabula(cards[i]);
        QCOMPARE(lines[rows[i][0].toInt() - 1], rows[i][1]);
        QCOMPARE(card.OriginalStr, rows[i][1]);
        QCOMPARE(card.Q, rows[i][2]);
        QCOMPARE(card.A, rows[i][3]);
        QCOMPARE(card.T, rows[i].value(4));
    }
}

void TestTextFile::splitLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("all three line ends") << "a\r\nb\rc\nd" << QStringList{"a", "b", "c", "d"};
    QTest::newRow("final break adds no line") << "a\r\n" << QStringList{"a"};
    QTest::newRow("empty lines kept") << "a\n\n\r\rb\n" << QStringList{"a", "", "", "", "b"};
    QTest::newRow("LF CR is two breaks") << "a\n\rb" << QStringList{"a", "", "b"};
    QTest::newRow("NUL ends the text")
        << QString("a\nb") + QChar(0) + "c\nd" << QStringList{"a", "b"};
    QTest::newRow("empty text") << "" << QStringList{};
    QTest::newRow("lone break") << "\n" << QStringList{""};
}

void TestTextFile::splitLines()
{
    QFETCH(QString, text);
    QTEST(TextFile::splitLines(text), "lines");
}

void TestTextFile::legacyEncoding_data()
{
    QTest::addColumn<QByteArray>("charset");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("utf8Locale");
    QTest::addColumn<QByteArray>("codePage");
    QTest::newRow("Russian UTF-8")
        << QByteArray("UTF-8") << "ru_RU" << true << QByteArray("windows-1251");
    QTest::newRow("Polish UTF-8") << QByteArray("UTF-8") << "pl_PL" << true
                                  << QByteArray("windows-1250");
    QTest::newRow("Taiwan") << QByteArray("UTF-8") << "zh_TW" << true << QByteArray("windows-950");
    QTest::newRow("China") << QByteArray("UTF-8") << "zh_CN" << true << QByteArray("windows-936");
    QTest::newRow("English") << QByteArray("UTF-8") << "en_GB" << true
                             << QByteArray("windows-1252");
    QTest::newRow("C locale") << QByteArray("ANSI_X3.4-1968") << "C" << true
                              << QByteArray("windows-1252");
    QTest::newRow("KOI8-R locale")
        << QByteArray("KOI8-R") << "ru_RU" << false << QByteArray("KOI8-R");
}

void TestTextFile::legacyEncoding()
{
    QFETCH(QByteArray, charset);
    QFETCH(QString, locale);
    const LegacyEncoding encoding = legacyEncodingFor(charset, locale);
    QTEST(encoding.utf8Locale, "utf8Locale");
    QTEST(encoding.codePage, "codePage");
    QVERIFY(QStringDecoder(encoding.codePage.constData()).isValid());
}

// Reading any variant and writing it back gives the program's own format.
void TestTextFile::roundTrip_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("saved");
    const QString full = "corpus/dict/everyday500.txt";
    QTest::newRow("UTF-8 BOM CRLF") << "corpus/encodings/everyday500.utf8-bom.crlf.txt" << full;
    QTest::newRow("UTF-8 LF") << "corpus/encodings/everyday500.utf8-nobom.lf.txt" << full;
    QTest::newRow("UTF-8 CR") << "corpus/encodings/everyday500.utf8-bom.cr.txt" << full;
    QTest::newRow("UTF-16 LE") << "corpus/encodings/everyday500.utf16le-bom.crlf.txt" << full;
    QTest::newRow("UTF-16 BE") << "corpus/encodings/everyday500.utf16be-bom.crlf.txt" << full;
    QTest::newRow("windows-1251") << "corpus/encodings/everyday500_nophon.cp1251.crlf.txt"
                                  << "corpus/dict/everyday500_nophon.txt";
}

void TestTextFile::roundTrip()
{
    QFETCH(QString, source);
    QFETCH(QString, saved);
    QTemporaryDir dir;
    const QString out = dir.filePath("out.txt");
    TextFile::writeLines(out, TextFile::readLines(CorpusTsv::fixture(source), utf8Russian));
    QCOMPARE(bytesOf(out), bytesOf(CorpusTsv::fixture(saved)));
}

// Text without a mark: UTF-16 when a NUL is the high byte of its ASCII, else UTF-8 or the
// 8-bit page that fits, and a NUL anywhere else ends the text.
void TestTextFile::textWithoutMark_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    const QString text = "cat = кошка\r\nword = слово\r\n";
    const QStringList lines{"cat = кошка", "word = слово"};
    const auto encoded = [&text](QStringEncoder encoder) -> QByteArray {
        return encoder.encode(text);
    };
    const QByteArray le = encoded(QStringEncoder(QStringConverter::Utf16LE));
    QTest::newRow("UTF-16 LE") << le << lines;
    QTest::newRow("UTF-16 BE") << encoded(QStringEncoder(QStringConverter::Utf16BE)) << lines;
    QTest::newRow("windows-1251") << encoded(QStringEncoder("windows-1251")) << lines;
    QTest::newRow("UTF-8 with a NUL") << QByteArray("cat = dog\r\nbig = gr\0o\xC3\x9F\r\n")
                                      << QStringList{"cat = dog", "big = gr"};
    QTest::newRow("UTF-16 LE of odd length") << le + 'x' << QStringList{"c"};
}

void TestTextFile::textWithoutMark()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath("list.txt");
    TextFile::writeBytes(path, bytes);
    QTEST(TextFile::readLines(path, utf8English), "lines");
    QTEST(TextFile::splitLines(TextFile::textOf(bytes, utf8English)), "lines");
}

void TestTextFile::onePathFiles()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("LastDictFileName");
    const QString path = "/home/ученик/Vocadrill/Rules a=b 日本.txt";
    TextFile::writeOnePath(file, path);
    QCOMPARE(bytesOf(file), path.toUtf8() + "\r\n");
    // Our own UTF-8 file reads back even where the locale's page is another.
    QCOMPARE(TextFile::readOnePath(file, LegacyEncoding{false, "KOI8-R"}), path);

    TextFile::writeOnePath(file, QString());
    QCOMPARE(bytesOf(file), QByteArray());
    QCOMPARE(TextFile::readOnePath(file, utf8English), QString());

    TextFile::writeBytes(file, "\t /a/b.txt \r\n\r\n");
    QCOMPARE(TextFile::readOnePath(file, utf8English), QString("/a/b.txt"));
}

void TestTextFile::unreadableFileThrows()
{
    QTemporaryDir dir;
    QVERIFY_THROWS_EXCEPTION(FileError, TextFile::readLines(dir.filePath("missing.txt")));
    QVERIFY_THROWS_EXCEPTION(FileError, TextFile::readLines(dir.path()));
}

// A large file is read a piece at a time; its lines must be those of its whole text.
void TestTextFile::largeFilesReadAsWholeText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray mark("\xEF\xBB\xBF");
    const QByteArray lines = randomLines(1);
    QTest::newRow("marked") << mark + lines;
    QTest::newRow("unmarked") << randomLines(2);
    QByteArray crAtReadEnd = mark + lines;
    crAtReadEnd[262143] = '\r';
    crAtReadEnd[262144] = '\n';
    QTest::newRow("CR LF across the end of a read") << crAtReadEnd;
    QByteArray nul = mark + lines;
    nul[700000] = '\0';
    QTest::newRow("NUL in a later piece") << nul;
    QByteArray broken = nul;
    broken[900000] = '\xFF';
    QTest::newRow("broken byte after the NUL") << broken;
    QTest::newRow("line longer than a piece")
        << mark + "a = b\r\n" + QByteArray(600000, 'x') + "\r\nc = d\r\n";
    QTest::newRow("UTF-16") << QByteArray("\xFF\xFE") +
                                   QByteArray(reinterpret_cast<const char*>(u"a = b\r\nc = d"), 26);
}

void TestTextFile::largeFilesReadAsWholeText()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath("large.txt");
    TextFile::writeBytes(path, bytes);
    const QStringList whole = TextFile::splitLines(TextFile::textOf(bytes, utf8English));
    QCOMPARE(TextFile::readLines(path, utf8English), whole);
    QStringList cards;
    for (const QString& line : whole)
        if (IsVocabula(line))
            cards << line;
    QCOMPARE(TextFile::readLines(path, utf8English, IsVocabula), cards);
    QCOMPARE(TextFile::lineViews(TextFile::textOf(bytes, utf8English)).size(), whole.size());
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
