#include "cards/DataPaths.h"
#include "cards/DictionaryStore.h"
#include "cards/FileError.h"
#include "cards/LearningHistory.h"
#include "cards/TextFile.h"
#include "save/SaveAll.h"
#include "settings/SettingsRecord.h"

#include <QTemporaryDir>
#include <QtTest>

// The history file: one line per day and dictionary, read leniently, written atomically and
// bounded in days.
class TestLearningHistory : public QObject
{
    Q_OBJECT

private slots:
    void readsLeniently_data();
    void readsLeniently();
    void writesOneLinePerDayAndDictionary();
    void keepsABoundedNumberOfDays();
    void countsNeverGoBelowZero();
    void damagedFileKeepsItsGoodLines();
    void saveWritesTheHistoryLast();
};

using Counts = LearningHistory::Counts;

void TestLearningHistory::readsLeniently_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("written");
    const QString good = QStringLiteral("2026-12-01\tEnglish.txt\t10\t3\t5");
    QTest::newRow("a good line") << QStringList{good} << QStringList{good};
    QTest::newRow("a tab in the name") << QStringList{"2026-12-01\tMy\tWords.txt\t1\t2\t3"}
                                       << QStringList{"2026-12-01\tMy\tWords.txt\t1\t2\t3"};
    QTest::newRow("the same day and dictionary twice add up")
        << QStringList{good, good} << QStringList{"2026-12-01\tEnglish.txt\t20\t6\t10"};
    QTest::newRow("damaged lines are skipped") << QStringList{"",
                                                              "garbage",
                                                              "2026-13-01\tEnglish.txt\t1\t1\t1",
                                                              "2026-12-01\tEnglish.txt\tten\t1\t1",
                                                              "2026-12-01\tEnglish.txt\t-1\t1\t1",
                                                              "2026-12-01\t\t1\t1\t1",
                                                              "2026-12-01\tEnglish.txt\t1\t1",
                                                              good}
                                               << QStringList{good};
    QTest::newRow("spaces around the numbers")
        << QStringList{"2026-12-01\tEnglish.txt\t 10 \t3\t5 "} << QStringList{good};
    QTest::newRow("ordered by day, then by dictionary")
        << QStringList{"2026-12-02\tB.txt\t1\t1\t1", "2026-12-02\tA.txt\t1\t1\t1",
                       "2026-11-30\tB.txt\t1\t1\t1"}
        << QStringList{"2026-11-30\tB.txt\t1\t1\t1", "2026-12-02\tA.txt\t1\t1\t1",
                       "2026-12-02\tB.txt\t1\t1\t1"};
}

void TestLearningHistory::readsLeniently()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, written);
    QCOMPARE(LearningHistory::fromLines(lines).lines(), written);
}

void TestLearningHistory::writesOneLinePerDayAndDictionary()
{
    LearningHistory history;
    const QDate day(2026, 12, 1);
    for (int i = 0; i < 1000; ++i) {
        history.add(day, "English.txt", {.shown = 1, .seconds = 6});
        history.add(day, "German.txt", {.shown = 1, .learnt = 1});
    }
    history.add(day.addDays(1), "English.txt", {.shown = 1});
    QCOMPARE(history.lines(), (QStringList{"2026-12-01\tEnglish.txt\t1000\t0\t100",
                                           "2026-12-01\tGerman.txt\t1000\t1000\t0",
                                           "2026-12-02\tEnglish.txt\t1\t0\t0"}));
}

void TestLearningHistory::keepsABoundedNumberOfDays()
{
    LearningHistory history;
    const QDate newest(2026, 12, 1);
    for (int back = 0; back < LearningHistory::KeptDays + 50; ++back)
        history.add(newest.addDays(-back), "English.txt", {.shown = 1});
    const QStringList lines = history.lines();
    QCOMPARE(lines.size(), LearningHistory::KeptDays);
    QVERIFY(lines.first().startsWith(
        newest.addDays(1 - LearningHistory::KeptDays).toString(Qt::ISODate)));
    QVERIFY(lines.last().startsWith("2026-12-01\t"));
    // Written and read again, the file stays the same size.
    QCOMPARE(LearningHistory::fromLines(lines).lines(), lines);
}

void TestLearningHistory::countsNeverGoBelowZero()
{
    LearningHistory history;
    const QDate day(2026, 12, 1);
    history.add(day, "English.txt", {.learnt = 1});
    history.add(day, "English.txt", {.learnt = -1});
    history.add(day, "English.txt", {.learnt = -1});
    QCOMPARE(history.counts(day, "English.txt"), Counts{});
}

void TestLearningHistory::damagedFileKeepsItsGoodLines()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("History.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("2026-12-01\tEnglish.txt\t10\t3\t5\r\n\xff\xfe\x00garbage\x01\r\n"
               "2026-12-0");
    file.close();
    const LearningHistory history = readHistoryFile(path);
    QCOMPARE(history.lines(), QStringList{"2026-12-01\tEnglish.txt\t10\t3\t5"});
    QVERIFY(readHistoryFile(dir.filePath("missing.txt")).isEmpty());
}

void TestLearningHistory::saveWritesTheHistoryLast()
{
    QTemporaryDir exe;
    DictionaryStore store(PrepareDataFolders(exe.path(), exe.filePath("Documents")));
    TextFile::writeLines(store.paths().DictDir + "/English.txt", {"cat = кошка"});
    store.LoadMyDict("English", false);
    LearningHistory history;
    history.add(QDate(2026, 12, 1), "English.txt", {.shown = 2, .learnt = 1, .seconds = 90});
    SaveAll(store, defaultDataRecord(), &history);
    QCOMPARE(readHistoryFile(store.paths().HistoryPath).lines(),
             QStringList{"2026-12-01\tEnglish.txt\t2\t1\t2"});
    // The save of the program's own files comes first; a history that cannot be written
    // leaves them written.
    QVERIFY(QFile::remove(store.paths().HistoryPath));
    QVERIFY(QDir().mkpath(store.paths().HistoryPath + "/blocked"));
    QFile::remove(store.paths().LearntNumbersPath);
    QVERIFY_THROWS_EXCEPTION(FileError, SaveAll(store, defaultDataRecord(), &history));
    QVERIFY(QFileInfo::exists(store.paths().LearntNumbersPath));
}

QTEST_GUILESS_MAIN(TestLearningHistory)
#include "tst_learninghistory.moc"
