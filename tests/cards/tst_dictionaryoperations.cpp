#include "TestFiles.h"
#include "cards/CardLine.h"
#include "cards/DictionaryOperations.h"
#include "cards/FileError.h"

#include <QSignalSpy>
#include <QtTest>

using TestFiles::read;

class TestDictionaryOperations : public QObject
{
    Q_OBJECT

private slots:
    void swap_data();
    void swap();
    void swapSignalsOnce();
    void copyName_data();
    void copyName();
    void copyKeepsTheBytes();
    void copyOfNothingFails();
};

void TestDictionaryOperations::swap_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("once");
    QTest::addColumn<QString>("twice");

    QTest::newRow("comment and phonetic move with their side") << "cat [kæt] = кошка // pet"
                                                               << "кошка // pet = cat [kæt]"
                                                               << "cat [kæt] = кошка // pet";
    QTest::newRow("spacing settles") << "  dog=собака  "
                                     << "собака = dog"
                                     << "dog = собака";
    QTest::newRow("several equals signs") << "a = b = c"
                                          << "b = c = a"
                                          << "c = a = b";
}

void TestDictionaryOperations::swap()
{
    QFETCH(QString, line);
    QFETCH(QString, once);
    QFETCH(QString, twice);

    StringList lines;
    lines.setLines({line});
    SwapLines(lines);
    QCOMPARE(lines.lines(), QStringList{once});
    SwapLines(lines);
    QCOMPARE(lines.lines(), QStringList{twice});
}

void TestDictionaryOperations::swapSignalsOnce()
{
    StringList lines;
    lines.setLines({"cat = кошка", "dog = собака", "bird = птица"});
    QSignalSpy changes(&lines, &StringList::Changed);
    SwapLines(lines);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(QuestionOf(lines.at(0)), QString("кошка"));
    QCOMPARE(AnswerOf(lines.at(0)), QString("cat"));
}

void TestDictionaryOperations::copyName_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("dictionary");
    QTest::addColumn<QString>("copy");

    QTest::newRow("first copy") << QStringList{"English.txt"} << "English.txt"
                                << "English (1).txt";
    QTest::newRow("second copy") << QStringList{"English.txt", "English (1).txt"} << "English.txt"
                                 << "English (2).txt";
    QTest::newRow("copy of a copy")
        << QStringList{"English.txt", "English (1).txt"} << "English (1).txt"
        << "English (1) (1).txt";
    QTest::newRow("gap at (1)") << QStringList{"English.txt", "English (2).txt"} << "English.txt"
                                << "English (1).txt";
    QTest::newRow("percent signs in the name")
        << QStringList{"C%2B%2B.txt", "C%2B%2B (1).txt"} << "C%2B%2B.txt" << "C%2B%2B (2).txt";
    QTest::newRow("placeholder of the number") << QStringList{"%1.txt"} << "%1.txt"
                                               << "%1 (1).txt";
}

void TestDictionaryOperations::copyName()
{
    QFETCH(QStringList, present);
    QFETCH(QString, dictionary);
    QFETCH(QString, copy);

    QTemporaryDir dicts;
    for (const QString& name : present)
        TestFiles::write(dicts.filePath(name), name.toUtf8());
    QCOMPARE(CopyDictionaryFile(dicts.filePath(dictionary), dicts.path()), dicts.filePath(copy));
    QCOMPARE(read(dicts.filePath(copy)), dictionary.toUtf8());
    for (const QString& name : present)
        QCOMPARE(read(dicts.filePath(name)), name.toUtf8());
}

void TestDictionaryOperations::copyKeepsTheBytes()
{
    const QString source =
        VOCADRILL_FIXTURES "/corpus/encodings/everyday500_nophon.cp1251.crlf.txt";
    QTemporaryDir dicts;
    const QString dictionary = dicts.filePath("Words.txt");
    QVERIFY(QFile::copy(source, dictionary));
    QCOMPARE(read(CopyDictionaryFile(dictionary, dicts.path())), read(source));
}

void TestDictionaryOperations::copyOfNothingFails()
{
    QTemporaryDir dicts;
    QVERIFY_THROWS_EXCEPTION(FileError, CopyDictionaryFile(QString(), dicts.path()));
    QVERIFY(QDir(dicts.path()).isEmpty());
}

QTEST_GUILESS_MAIN(TestDictionaryOperations)
#include "tst_dictionaryoperations.moc"
