#include "TestFiles.h"
#include "cards/Collation.h"
#include "cards/DictionaryStore.h"
#include "cards/FileError.h"
#include "save/SaveAll.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsRecord.h"

#include <QtTest>

using TestFiles::read;
using TestFiles::write;

class TestSaveAll : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }
    void writesEverything();
    void stopsAtTheFirstFailureAfterTheRecord();
};

void TestSaveAll::writesEverything()
{
    QTemporaryDir exe;
    DictionaryStore store(PrepareDataFolders(exe.path(), exe.filePath("Documents")));
    write(store.paths().DictDir + "/A.txt", "a = 1\r\n");
    store.LoadMyDict("A", true);
    store.MyDictSL.append("b = 2");
    store.LearntSL.append("c = 3");
    store.LearntNumber = 1;
    DataRecord record = defaultDataRecord();
    record.LearningMode = 2;

    SaveAll(store, record);

    DataRecord readBack = defaultDataRecord();
    QCOMPARE(readDataFile(store.paths().DataFilePath, readBack), SettingsFileStatus::Loaded);
    QCOMPARE(readBack.LearningMode, 2);
    QCOMPARE(read(store.paths().DictDir + "/A.txt"), QByteArray("\xEF\xBB\xBF" "a = 1\r\nb = 2\r\n"));
    QVERIFY(read(store.paths().LastDictFilePath).startsWith(store.MyDictPath.toUtf8()));
    QVERIFY(read(store.paths().LearntPath).contains("c = 3"));
    QVERIFY(QFileInfo::exists(store.paths().LearntNumbersPath));
}

// The record comes first: a dictionary that cannot be written stops the save after it.
void TestSaveAll::stopsAtTheFirstFailureAfterTheRecord()
{
    QTemporaryDir exe;
    DictionaryStore store(PrepareDataFolders(exe.path(), exe.filePath("Documents")));
    write(store.paths().DictDir + "/A.txt", "a = 1\r\n");
    store.LoadMyDict("A", true);
    store.MyDictSL.append("b = 2");
    QVERIFY(QFile::remove(store.paths().DictDir + "/A.txt"));
    QVERIFY(QDir().mkpath(store.paths().DictDir + "/A.txt"));

    QVERIFY_THROWS_EXCEPTION(FileError, SaveAll(store, defaultDataRecord()));
    QCOMPARE(read(store.paths().DataFilePath).size(), 624);
    QVERIFY(!QFileInfo::exists(store.paths().LearntPath));
}

QTEST_GUILESS_MAIN(TestSaveAll)
#include "tst_saveall.moc"
