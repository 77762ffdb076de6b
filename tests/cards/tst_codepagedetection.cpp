#include "cards/CodePageDetection.h"
#include "CorpusTsv.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QtTest>

namespace {

// The first lines of a word list of the fixtures, "english = foreign".
QString firstLines(const QString& file, int count)
{
    QFile list(CorpusTsv::fixture(file));
    if (!list.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(list.readAll()).remove(QChar(0xFEFF)).split(u'\n');
    for (QString& line : lines)
        line = line.trimmed();
    return lines.mid(0, count).join(QLatin1String("\r\n"));
}

} // namespace

class TestCodePageDetection : public QObject
{
    Q_OBJECT

private slots:
    void pageReadsTheText_data();
    void pageReadsTheText();
    void undecidedBytesTakeTheLocalePage_data();
    void undecidedBytesTakeTheLocalePage();
};

// Lists in the pages of their languages, on the locale of another language: the page found
// reads them exactly as written.
void TestCodePageDetection::pageReadsTheText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QByteArray>("localePage");
    const QByteArray english = "windows-1252";
    QTest::newRow("one Russian line") << "кошка = cat" << QByteArray("windows-1251") << english;
    QTest::newRow("Russian heading and card")
        << "Животные:\r\ncat = кошка" << QByteArray("KOI8-R") << english;
    for (const QStringList& row : CorpusTsv::rows(CorpusTsv::fixture("wordlists/pages.tsv"))) {
        const QString text = firstLines("wordlists/" + row[0], 20);
        for (const QString& page : row[2].split(u' ')) {
            const QString name = row[1] + u' ' + page;
            for (const auto& [locale, localePage] :
                 {std::pair{"English", "windows-1252"}, std::pair{"Russian", "windows-1251"},
                  std::pair{"Czech", "windows-1250"}})
                QTest::newRow(qPrintable(name + " on " + locale))
                    << text << page.toLatin1() << QByteArray(localePage);
        }
    }
}

void TestCodePageDetection::pageReadsTheText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, page);
    QFETCH(QByteArray, localePage);
    QStringEncoder encoder(page.constData());
    const QByteArray bytes = encoder.encode(text);
    QVERIFY(!encoder.hasError());
    const QByteArray found = detectCodePage(bytes, localePage);
    QCOMPARE(QStringDecoder(found.constData()).decode(bytes), text);
}

// Bytes that every page reads alike, or that no page reads as words, and pages the detection
// does not choose among, are read in the locale's page.
void TestCodePageDetection::undecidedBytesTakeTheLocalePage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("localePage");
    QTest::newRow("ASCII") << QByteArray("cat = dog\r\n") << QByteArray("KOI8-R");
    QTest::newRow("the same in every Latin page")
        << QByteArray("door = die T\xFCr\r\n") << QByteArray("windows-1257");
    QTest::newRow("UTF-8 read byte by byte")
        << QString("able = способный, умелый\r\nabout = о, около").toUtf8()
        << QByteArray("windows-1251");
    QTest::newRow("multi-byte locale page")
        << QByteArray("cat = \xEA\xEE\xF8\xEA\xE0") << QByteArray("windows-932");
}

void TestCodePageDetection::undecidedBytesTakeTheLocalePage()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, localePage);
    QCOMPARE(detectCodePage(bytes, localePage), localePage);
}

QTEST_GUILESS_MAIN(TestCodePageDetection)
#include "tst_codepagedetection.moc"
