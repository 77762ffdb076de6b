#include "cards/DataPaths.h"
#include "cards/FileNames.h"
#include "cards/TextFile.h"

#include <QtTest>

namespace {

void touch(const QString& path, const QByteArray& bytes = "a = b\r\n")
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestDataFolders : public QObject
{
    Q_OBJECT

private slots:
    void bareFileName_data();
    void bareFileName();
    void namesWithoutExt();
    void listFiles();
    void firstStartInEmptyFolder();
    void firstStartCopiesShippedTree();
    void existingDictionariesAreNotRefreshed();
    void userPhoneticFolderWins();
    void lastDictionaryPointer();
};

void TestDataFolders::bareFileName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("bare");
    QTest::newRow("txt") << "/data/Vocadrill/Words.txt"
                         << "Words";
    QTest::newRow("no extension") << "Words"
                                  << "Words";
    QTest::newRow("other extension") << "/x/Notes.doc"
                                     << "Notes.doc";
    QTest::newRow("only last dot") << "a.b.TXT"
                                   << "a.b";
    QTest::newRow("Jpeg any case") << "Photo.Jpeg"
                                   << "Photo";
    QTest::newRow("csv stays") << "list.csv"
                               << "list.csv";
    QTest::newRow("exe") << "Vocadrill.exe"
                         << "Vocadrill";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("dot in folder only") << "/a.b/c"
                                        << "c";
}

void TestDataFolders::bareFileName()
{
    QFETCH(QString, path);
    QTEST(BareFileName(path), "bare");
}

void TestDataFolders::namesWithoutExt()
{
    QStringList list{"/a/Verbs.txt", "/a/x.y.txt", "/a/plain", "/a/.txt"};
    QCOMPARE(NamesWithoutExt(list), (QStringList{"Verbs", "x.y", "plain", ""}));
}

void TestDataFolders::listFiles()
{
    QTemporaryDir dir;
    touch(dir.filePath("b.txt"));
    touch(dir.filePath("A.TXT"));
    touch(dir.filePath("notes.doc"));
    touch(dir.filePath("sub/inner.txt"));
    QCOMPARE(ListFiles(dir.path(), "*.txt"),
             (QStringList{dir.filePath("A.TXT"), dir.filePath("b.txt")}));
}

void TestDataFolders::firstStartInEmptyFolder()
{
    QTemporaryDir exe;
    QTemporaryDir docs;
    const DataPaths p = PrepareDataFolders(exe.path(), docs.path());
    for (const QString& folder :
         {p.DataDir, p.ShippedDictDir, p.DictDir, p.LearntDir, p.BackgroundsDir + "/0",
          p.BackgroundsDir + "/1", p.BackgroundsDir + "/2"})
        QVERIFY2(QFileInfo(folder).isDir(), qPrintable(folder));
    QCOMPARE(p.DictDir, exe.path() + "/Vocadrill");
    QCOMPARE(p.DataFilePath, exe.path() + "/Data/DataFile");
    QCOMPARE(p.LearntPath, exe.path() + "/Vocadrill/Learnt/Learnt.txt");
    QCOMPARE(p.PhoneticPath, exe.path() + "/Data/OriginalPhonetic/Phonetic.txt");
    QCOMPARE(p.LearntNumbersPath, exe.path() + "/Data/LearntNumbers.ini");
    QCOMPARE(p.LastDictFilePath, docs.path() + "/LastDictFileName");
    QCOMPARE(QDir(p.DictDir).entryList(QDir::Files), QStringList());
    QVERIFY(!QFileInfo::exists(p.DataFilePath));
    QVERIFY(!QFileInfo::exists(p.ShippedPhoneticDir));
}

void TestDataFolders::firstStartCopiesShippedTree()
{
    QTemporaryDir exe;
    const QString shipped = exe.filePath("Data/OriginalDictionaries");
    touch(shipped + "/English.txt", "cat = кошка\r\n");
    touch(shipped + "/Verbs/Irregular.txt");
    touch(shipped + "/Verbs/Deep/More.txt");
    QDir().mkpath(shipped + "/Empty");
    const DataPaths p = PrepareDataFolders(exe.path(), QString());
    QVERIFY(QFileInfo(p.DictDir + "/Verbs/Deep/More.txt").isFile());
    QVERIFY(QFileInfo(p.DictDir + "/Verbs/Irregular.txt").isFile());
    QVERIFY(QFileInfo(p.DictDir + "/Empty").isDir());
    QCOMPARE(TextFile::readBytes(p.DictDir + "/English.txt"), QByteArray("cat = кошка\r\n"));
    QVERIFY(!QFileInfo::exists(p.DictDir + ".partial"));
    QCOMPARE(p.LastDictFilePath, QString("LastDictFileName"));
}

void TestDataFolders::existingDictionariesAreNotRefreshed()
{
    QTemporaryDir exe;
    touch(exe.filePath("Data/OriginalDictionaries/English.txt"));
    DataPaths p = PrepareDataFolders(exe.path(), exe.path());
    QVERIFY(QFile::remove(p.DictDir + "/English.txt"));
    QVERIFY(QDir(p.BackgroundsDir + "/1").removeRecursively());
    p = PrepareDataFolders(exe.path(), exe.path());
    QVERIFY(!QFileInfo::exists(p.DictDir + "/English.txt"));
    QVERIFY(!QFileInfo::exists(p.BackgroundsDir + "/1"));

    // After the learner removed the whole folder, the shipped dictionaries come back.
    QVERIFY(QDir(p.DictDir).removeRecursively());
    p = PrepareDataFolders(exe.path(), exe.path());
    QVERIFY(QFileInfo(p.DictDir + "/English.txt").isFile());
}

void TestDataFolders::userPhoneticFolderWins()
{
    QTemporaryDir exe;
    touch(exe.filePath("Data/OriginalPhonetic/Phonetic.txt"));
    QDir().mkpath(exe.filePath("Vocadrill/Phonetic"));
    const DataPaths p = PrepareDataFolders(exe.path(), exe.path());
    QCOMPARE(p.PhoneticPath, exe.path() + "/Vocadrill/Phonetic/Phonetic.txt");
}

void TestDataFolders::lastDictionaryPointer()
{
    QTemporaryDir exe;
    const DataPaths p = PrepareDataFolders(exe.path(), exe.path());
    QCOMPARE(ReadLastDictPath(p), QString());
    TextFile::writeOnePath(p.LastDictFilePath, p.DictDir + "/Слова.txt");
    QCOMPARE(ReadLastDictPath(p), p.DictDir + "/Слова.txt");
}

QTEST_GUILESS_MAIN(TestDataFolders)
#include "tst_datafolders.moc"
