#include "cards/CardLine.h"
#include "cards/Collation.h"
#include "cards/PhoneticTable.h"
#include "cards/TextFile.h"
#include "CorpusTsv.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestPhoneticTable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void lookup_data();
    void lookup();
    void everyValidLineOnce();
    void oneOfSeveral_data();
    void oneOfSeveral();
    void emptyTable_data();
    void emptyTable();
    void corpusWordsFindTheirOwnLines();
    void corpusCardsFindTranscriptions();
    void fileReadAtLoad_data();
    void fileReadAtLoad();
    void longWordInOtherCase();

private:
    QTemporaryDir m_dir;
    PhoneticTable m_edgeCases;
};

void TestPhoneticTable::initTestCase()
{
    Collation::setCollationLocale(QLocale(QLocale::English));
    QVERIFY(m_dir.isValid());
    m_edgeCases.load(CorpusTsv::fixture("phonetic/edge_cases.txt"));
}

void TestPhoneticTable::lookup_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("transcription");
    QTest::newRow("word") << u"cat"_s << u"[kæt]"_s;
    QTest::newRow("longer word beginning with it") << u"catalogue"_s << u"[ˈkætəlɒɡ]"_s;
    QTest::newRow("no spaces around the sign") << u"dog"_s << u"[dɒɡ]"_s;
    QTest::newRow("other letter case") << u"Cat"_s << u"[kæt]"_s;
    QTest::newRow("all capitals") << u"CATALOGUE"_s << u"[ˈkætəlɒɡ]"_s;
    QTest::newRow("nothing after the sign") << u"cow"_s << QString();
    QTest::newRow("line without the sign") << u"a line without an equals sign"_s << QString();
    QTest::newRow("prefix of a word") << u"ca"_s << QString();
    QTest::newRow("between two words") << u"cats"_s << QString();
    QTest::newRow("identical lines") << u"read"_s << u"[riːd]"_s;
    QTest::newRow("inner double space kept") << u"ice  cream"_s << u"[aɪs kriːm]"_s;
    QTest::newRow("normalised question") << u"ice cream"_s << QString();
    QTest::newRow("capital word of a case pair") << u"Polish"_s << u"[ˈpoʊlɪʃ]"_s;
    QTest::newRow("small word of a case pair") << u"polish"_s << u"[ˈpɑːlɪʃ]"_s;
    QTest::newRow("empty word") << QString() << QString();
}

void TestPhoneticTable::lookup()
{
    QFETCH(QString, word);
    QTEST(m_edgeCases.lookup(word), "transcription");
}

void TestPhoneticTable::everyValidLineOnce()
{
    // cat, catalogue, dog, read once, both lead lines, ice  cream and both polish lines.
    QCOMPARE(m_edgeCases.size(), 9);
}

void TestPhoneticTable::oneOfSeveral_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("transcriptions");
    QTest::newRow("two transcriptions") << u"lead"_s << QStringList{"[liːd]", "[lɛd]"};
    QTest::newRow("case pair, neither case")
        << u"POLISH"_s << QStringList{"[ˈpoʊlɪʃ]", "[ˈpɑːlɪʃ]"};
}

void TestPhoneticTable::oneOfSeveral()
{
    QFETCH(QString, word);
    QFETCH(QStringList, transcriptions);
    QVERIFY2(transcriptions.contains(m_edgeCases.lookup(word)),
             qPrintable(m_edgeCases.lookup(word)));
}

void TestPhoneticTable::emptyTable_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("missing file") << m_dir.filePath("Phonetic.txt");
    QTest::newRow("folder in place of the file") << m_dir.path();
    QTest::newRow("empty file") << CorpusTsv::fixture("corpus/lines/empty.txt");
    QTest::newRow("no valid line") << CorpusTsv::fixture("phonetic/no_entries.txt");
}

void TestPhoneticTable::emptyTable()
{
    QFETCH(QString, path);
    PhoneticTable table;
    table.load(CorpusTsv::fixture("phonetic/edge_cases.txt"));
    table.load(path);
    QCOMPARE(table.size(), 0);
    QCOMPARE(table.lookup(u"cat"), QString());
}

void TestPhoneticTable::corpusWordsFindTheirOwnLines()
{
    const QString path = CorpusTsv::fixture("corpus/dict/phonetic_en-us_espeak.txt");
    PhoneticTable table;
    table.load(path);
    const QStringList lines = TextFile::readLines(path);
    QCOMPARE(table.size(), lines.size());
    for (const QString& line : lines)
        QCOMPARE(table.lookup(KeyOf(line)), ValueOf(line));
    QCOMPARE(table.lookup(u"ABLE"), QStringLiteral("[ˈeɪbəl]"));
}

void TestPhoneticTable::corpusCardsFindTranscriptions()
{
    PhoneticTable table;
    table.load(CorpusTsv::fixture("corpus/dict/phonetic_en-us_espeak.txt"));
    QStringList missing;
    for (const QString& line :
         TextFile::readLines(CorpusTsv::fixture("corpus/dict/everyday500_nophon.txt"))) {
        if (table.lookup(QuestionOf(line)).isEmpty())
            missing.append(QuestionOf(line));
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u", ")));
}

// The file is read when the table loads; what happens to it later changes nothing.
void TestPhoneticTable::fileReadAtLoad_data()
{
    QTest::addColumn<bool>("removed");
    QTest::newRow("file rewritten") << false;
    QTest::newRow("file removed") << true;
}

void TestPhoneticTable::fileReadAtLoad()
{
    QFETCH(bool, removed);
    const QString path = m_dir.filePath(QStringLiteral("later.txt"));
    TextFile::writeLines(path, {u"cat = [kæt]"_s});
    PhoneticTable table;
    table.load(path);
    if (removed)
        QVERIFY(QFile::remove(path));
    else
        TextFile::writeLines(path, {u"cat = [other]"_s, u"dog = [dɒɡ]"_s});
    QCOMPARE(table.lookup(u"Cat"), u"[kæt]"_s);
    QCOMPARE(table.lookup(u"dog"), QString());
    QCOMPARE(table.size(), 1);
}

// A word whose collation key is longer than the lookup's own buffer.
void TestPhoneticTable::longWordInOtherCase()
{
    const QString word = u"абв"_s.repeated(120);
    const QString path = m_dir.filePath(QStringLiteral("long.txt"));
    TextFile::writeLines(path, {word + u" = [long]"_s, u"x = [x]"_s});
    PhoneticTable table;
    table.load(path);
    QCOMPARE(table.lookup(word.toUpper()), u"[long]"_s);
    QCOMPARE(table.lookup(word.toUpper() + u'x'), QString());
}

QTEST_GUILESS_MAIN(TestPhoneticTable)
#include "tst_phonetictable.moc"
