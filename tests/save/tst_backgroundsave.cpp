#include "cards/Collation.h"
#include "cards/DictionaryStore.h"
#include "save/BackgroundSave.h"
#include "settings/SettingsRecord.h"
#include "TestFiles.h"

#include <QtTest>

using TestFiles::read;
using TestFiles::write;

namespace {

QByteArray saved(const QStringList& lines)
{
    QByteArray bytes("\xEF\xBB\xBF");
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

// A store with dictionary A open, and a background save over it that counts its snapshots.
struct Saving
{
    QTemporaryDir exe;
    DictionaryStore store{PrepareDataFolders(exe.path(), exe.filePath("Documents"))};
    int snapshots = 0;
    BackgroundSave save{store, [this] {
                            ++snapshots;
                            return takeSnapshot(store, defaultDataRecord());
                        }};
    QSignalSpy saved{&save, &BackgroundSave::saved};
    QSignalSpy failed{&save, &BackgroundSave::failed};

    Saving()
    {
        write(store.paths().DictDir + "/A.txt", "a = 1\r\n");
        write(store.paths().DictDir + "/B.txt", "b = 1\r\n");
        store.LoadMyDict("A", true);
        store.setWaitForRunningSave([this] { save.waitForRunning(); });
    }
    QString dictA() const { return store.paths().DictDir + "/A.txt"; }
};

} // namespace

class TestBackgroundSave : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }
    void asksDuringASaveMergeIntoOneMore();
    void changeDuringASaveStaysUnsaved();
    void storeWaitsForTheRunningSave();
    void failureIsHandedOut();
    void learningTakenBackDuringItsSave_data();
    void learningTakenBackDuringItsSave();
};

// Saves asked for while one runs make exactly one more, from the newest state.
void TestBackgroundSave::asksDuringASaveMergeIntoOneMore()
{
    Saving s;
    s.store.MyDictSL.append("a = 2");
    s.save.request();
    QVERIFY(s.save.isRunning());
    s.store.MyDictSL.append("a = 3");
    s.save.request();
    s.store.LearntSL.append("a = 1");
    s.save.request();

    QTRY_COMPARE(s.saved.size(), 2);
    QTest::qWait(50);
    QCOMPARE(s.saved.size(), 2);
    QCOMPARE(s.snapshots, 2);
    QVERIFY(!s.save.isRunning());
    QCOMPARE(read(s.dictA()), saved({"a = 1", "a = 2", "a = 3"}));
    QCOMPARE(read(s.store.paths().LearntPath), saved({"a = 1"}));
    QVERIFY(!s.store.ownFiles().writeDictionary);
}

// A change that came after the snapshot is not taken for saved.
void TestBackgroundSave::changeDuringASaveStaysUnsaved()
{
    Saving s;
    s.store.MyDictSL.append("a = 2");
    s.save.request();
    s.store.MyDictSL.append("a = 3");
    QTRY_COMPARE(s.saved.size(), 1);
    QCOMPARE(read(s.dictA()), saved({"a = 1", "a = 2"}));
    QVERIFY(s.store.ownFiles().writeDictionary);
}

// Opening another dictionary waits for the running save and takes its outcome at once.
void TestBackgroundSave::storeWaitsForTheRunningSave()
{
    Saving s;
    s.store.MyDictSL.append("a = 2");
    s.save.request();
    s.store.LoadMyDict("B", true);
    QCOMPARE(s.saved.size(), 1);
    QVERIFY(!s.save.isRunning());
    QCOMPARE(read(s.dictA()), saved({"a = 1", "a = 2"}));
    QCOMPARE(s.store.MyDictSL.lines(), QStringList{"b = 1"});
    QTest::qWait(50);
    QCOMPARE(s.saved.size(), 1);
}

// A failed save hands its message out, keeps the change unsaved, and a save asked for
// meanwhile does not run at once against the failing disk.
void TestBackgroundSave::failureIsHandedOut()
{
    Saving s;
    s.store.MyDictSL.append("a = 2");
    QVERIFY(QFile::remove(s.dictA()));
    QVERIFY(QDir().mkpath(s.dictA()));
    s.save.request();
    s.save.request();
    QTRY_COMPARE(s.failed.size(), 1);
    QVERIFY(s.failed.first().first().toString().contains(s.dictA()));
    QTest::qWait(50);
    QCOMPARE(s.snapshots, 1);
    QCOMPARE(s.saved.size(), 0);
    QVERIFY(s.store.ownFiles().writeDictionary);
}

// Learning taken back while the save that first writes it runs: the line leaves the learnt list
// file, unless the file held it before.
void TestBackgroundSave::learningTakenBackDuringItsSave_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("a line new to the file") << "new = 1" << QStringList{"old = 0"};
    QTest::newRow("a line the file held") << "old = 0" << QStringList{"old = 0"};
}

void TestBackgroundSave::learningTakenBackDuringItsSave()
{
    QFETCH(QString, line);
    QFETCH(QStringList, after);
    Saving s;
    write(s.store.paths().LearntPath, saved({"old = 0"}));
    s.store.LearntSL.append(line);
    s.save.request();
    QVERIFY(s.save.isRunning());
    s.store.takeBackLearnt(line);
    s.save.request();
    QTRY_COMPARE(s.saved.size(), 2);
    QCOMPARE(read(s.store.paths().LearntPath), saved(after));
}

QTEST_GUILESS_MAIN(TestBackgroundSave)
#include "tst_backgroundsave.moc"
