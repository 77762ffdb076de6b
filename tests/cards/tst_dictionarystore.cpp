#include "cards/Collation.h"
#include "cards/DictionaryStore.h"
#include "cards/FileError.h"
#include "cards/LegacyEncoding.h"
#include "cards/TextFile.h"
#include "TestFiles.h"

#include <QtTest>

using TestFiles::read;
using TestFiles::write;

namespace {

const QByteArray bom("\xEF\xBB\xBF");

} // namespace

class TestDictionaryStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }
    void init();
    void cleanup();

    void openKeepsCardsAndSaveWritesThem();
    void legacyListKeepsItsBytesUntilACardChanges();
    void listedDictionariesAllOpen();
    void listIsInTheOrderOfNames_data();
    void listIsInTheOrderOfNames();
    void noProperLines_data();
    void noProperLines();
    void missingFileLeavesStateAlone();
    void switchingWritesUnsavedChangesAndProgress();
    void learntListMergesWithoutDuplicates();
    void learningTakenBackLeavesTheLearntList();
    void saveWithoutDictionary();
    void failedSaveStopsAndKeepsMemory();

private:
    DictionaryStore& store() { return *m_store; }
    QString dict(const QString& name) const { return m_exe->path() + "/Vocadrill/" + name; }

    std::unique_ptr<QTemporaryDir> m_exe;
    std::unique_ptr<DictionaryStore> m_store;
};

void TestDictionaryStore::init()
{
    m_exe = std::make_unique<QTemporaryDir>();
    m_store = std::make_unique<DictionaryStore>(
        PrepareDataFolders(m_exe->path(), m_exe->filePath("Documents")));
}

void TestDictionaryStore::cleanup()
{
    m_store.reset();
    m_exe.reset();
}

void TestDictionaryStore::openKeepsCardsAndSaveWritesThem()
{
    write(dict("Animals.txt"), "cat = кошка\n\nAnimals:\r\ndog=собака");
    QSignalSpy counters(&store(), &DictionaryStore::countersChanged);
    const auto result = store().LoadMyDict("Animals", true);
    QCOMPARE(store().MyDictSL.lines(), (QStringList{"cat = кошка", "dog=собака"}));
    QCOMPARE(store().openFileName(), QString("Animals.txt"));
    QVERIFY(!result.noProperLines);
    QCOMPARE(counters.count(), 1);
    QCOMPARE(store().counters().dictName, QString("Animals"));
    QCOMPARE(store().counters().lines, 2);

    store().SaveOwnFiles();
    QCOMPARE(read(dict("Animals.txt")), QByteArray("cat = кошка\n\nAnimals:\r\ndog=собака"));
    QCOMPARE(read(store().paths().LastDictFilePath), (dict("Animals.txt") + "\r\n").toUtf8());
    QVERIFY(!QFileInfo::exists(store().paths().DataFilePath));

    store().MyDictSL.append("ant = муравей");
    store().SaveOwnFiles();
    QCOMPARE(read(dict("Animals.txt")), bom + "cat = кошка\r\ndog=собака\r\nant = муравей\r\n");
}

// A list in a legacy page opens right on an English UTF-8 locale and keeps its bytes until a
// card changes; the first rewrite tells once how the file changed form.
void TestDictionaryStore::legacyListKeepsItsBytesUntilACardChanges()
{
    setProgramLegacyEncoding(LegacyEncoding{true, "windows-1252"});
    const QByteArray bytes =
        QStringEncoder("windows-1251")
            .encode(QString("Животные:\r\ncat = кошка\r\n\r\ndog = собака\r\n"));
    write(dict("Animals.txt"), bytes);
    QSignalSpy told(&store(), &DictionaryStore::formChanged);
    store().LoadMyDict("Animals", true);
    QCOMPARE(store().MyDictSL.lines(), (QStringList{"cat = кошка", "dog = собака"}));
    store().SaveOwnFiles();
    store().LoadMyDict("Animals", true);
    store().SaveOwnFiles();
    QCOMPARE(read(dict("Animals.txt")), bytes);
    QCOMPARE(told.count(), 0);

    store().MyDictSL.move(0, 1);
    store().SaveOwnFiles();
    QCOMPARE(read(dict("Animals.txt")), bom + "dog = собака\r\ncat = кошка\r\n");
    QCOMPARE(told.count(), 1);
    QCOMPARE(told.first().first().value<DictionaryStore::FormChange>(),
             (DictionaryStore::FormChange{true, 2}));
    QCOMPARE(store().backups().backupsOf("Animals").size(), 1);

    store().MyDictSL.move(0, 1);
    store().SaveOwnFiles();
    QCOMPARE(told.count(), 1);
}

// Every listed name opens its own file, also names that end in a cut extension or whose
// extension is in capitals.
void TestDictionaryStore::listedDictionariesAllOpen()
{
    write(dict("a.txt"), "a = 1\r\n");
    write(dict("B.TXT"), "b = 2\r\n");
    write(dict("Photo.jpg.txt"), "photo = фото\r\n");
    write(dict("notes.doc"), "n = 3\r\n");
    write(dict("Learnt/inner.txt"), "i = 4\r\n");
    const auto list = store().LoadDictionaries();
    using Item = DictionaryStore::DictItem;
    QCOMPARE(list.items,
             (QList<Item>{{"a", "a.txt"}, {"B", "B.TXT"}, {"Photo.jpg", "Photo.jpg.txt"}}));
    QCOMPARE(store().openFileName(), QString());
    for (const Item& item : list.items) {
        store().LoadMyDict(item.fileName, true);
        QCOMPARE(store().openFileName(), item.fileName);
        QCOMPARE(store().MyDictPath, dict(item.fileName));
        QCOMPARE(store().MyDictSL.count(), 1);
        QCOMPARE(store().counters().dictName, item.name);
    }
}

void TestDictionaryStore::listIsInTheOrderOfNames_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("numbers inside names")
        << QStringList{"Lesson 10.txt", "Lesson 2.txt", "lesson 1.txt"}
        << QStringList{"lesson 1", "Lesson 2", "Lesson 10"};
    QTest::newRow("a name before its copies")
        << QStringList{"Words utf16.txt", "Words (1).txt", "Words.txt", "Words (10).txt",
                       "Words (2).txt"}
        << QStringList{"Words", "Words (1)", "Words (2)", "Words (10)", "Words utf16"};
    QTest::newRow("case and script") << QStringList{"b.txt", "Слова.txt", "A.txt", "c.TXT"}
                                     << QStringList{"A", "b", "c", "Слова"};
}

void TestDictionaryStore::listIsInTheOrderOfNames()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, names);
    for (const QString& file : files)
        write(dict(file), "a = 1\r\n");
    QStringList listed;
    for (const DictionaryStore::DictItem& item : store().LoadDictionaries().items)
        listed << item.name;
    QCOMPARE(listed, names);
}

void TestDictionaryStore::noProperLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("warn");
    QTest::newRow("headings only, warned") << QByteArray("Animals:\r\n= b\r\n") << true;
    QTest::newRow("empty file, warned") << QByteArray() << true;
    QTest::newRow("only a mark, silent") << bom << false;
}

void TestDictionaryStore::noProperLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, warn);
    write(dict("Empty.txt"), bytes);
    const auto result = store().LoadMyDict("Empty", warn);
    QCOMPARE(result.noProperLines, warn);
    QCOMPARE(store().openFileName(), QString("Empty.txt"));
    QCOMPARE(store().MyDictPath, dict("Empty.txt"));
    QVERIFY(store().MyDictSL.isEmpty());
}

void TestDictionaryStore::missingFileLeavesStateAlone()
{
    write(dict("A.txt"), "a = 1\r\n");
    store().LoadMyDict("A", true);
    store().LearntNumber = 5;
    const auto result = store().LoadMyDict(m_exe->path() + "/elsewhere/Missing.txt", true);
    QCOMPARE(store().openFileName(), QString());
    QVERIFY(!result.noProperLines);
    QCOMPARE(store().MyDictPath, QString());
    QCOMPARE(store().MyDictSL.lines(), QStringList{"a = 1"});
    QCOMPARE(store().LearntNumber, 5);
}

void TestDictionaryStore::switchingWritesUnsavedChangesAndProgress()
{
    write(dict("A.txt"), "a = 1\r\n");
    write(dict("B.txt"), "b = 2\r\n");
    store().LoadMyDict("A", true);
    store().MyDictSL.append("c = 3");
    store().LearntNumber = 2;
    store().LoadMyDict("B", true);
    QCOMPARE(read(dict("A.txt")), bom + "a = 1\r\nc = 3\r\n");
    QCOMPARE(store().LearntNumber, 0);
    store().LoadMyDict("A", true);
    QCOMPARE(store().LearntNumber, 2);
    QCOMPARE(store().MyDictSL.lines(), (QStringList{"a = 1", "c = 3"}));
    // Reopening without a change leaves the file as it was read.
    write(dict("B.txt"), "b = 2\n");
    store().LoadMyDict("B", true);
    store().LoadMyDict("A", true);
    QCOMPARE(read(dict("B.txt")), QByteArray("b = 2\n"));
}

void TestDictionaryStore::learntListMergesWithoutDuplicates()
{
    write(store().paths().LearntPath, "dog = собака\r\ncat = кошка\r\n");
    store().LearntSL.append("cat = кошка");
    store().LearntSL.append("ant = муравей");
    store().LearntSL.append("ant = муравей");
    store().SaveOwnFiles();
    store().SaveOwnFiles();
    QCOMPARE(read(store().paths().LearntPath),
             bom + "ant = муравей\r\ncat = кошка\r\ndog = собака\r\n");
    QCOMPARE(store().LearntSL.count(), 3);
}

// A learning taken back leaves the learnt list file at the next save, but a line the file held
// before the run stays in it.
void TestDictionaryStore::learningTakenBackLeavesTheLearntList()
{
    write(store().paths().LearntPath, bom + "old = 0\r\n");
    store().LearntSL.append("new = 1");
    store().LearntSL.append("old = 0");
    store().SaveOwnFiles();
    QCOMPARE(read(store().paths().LearntPath), bom + "new = 1\r\nold = 0\r\n");

    store().takeBackLearnt("new = 1");
    store().takeBackLearnt("old = 0");
    QCOMPARE(store().LearntSL.lines(), QStringList());
    store().SaveOwnFiles();
    QCOMPARE(read(store().paths().LearntPath), bom + "old = 0\r\n");

    store().LearntSL.append("new = 1");
    store().SaveOwnFiles();
    QCOMPARE(read(store().paths().LearntPath), bom + "new = 1\r\nold = 0\r\n");
}

void TestDictionaryStore::saveWithoutDictionary()
{
    store().MyDictSL.append("x = y");
    store().SaveOwnFiles();
    QCOMPARE(read(store().paths().LastDictFilePath), QByteArray());
    QCOMPARE(read(store().paths().LearntPath), bom);
    QCOMPARE(QDir(store().paths().DictDir).entryList(QDir::Files), QStringList());
    QVERIFY(!QFileInfo::exists(store().paths().LearntNumbersPath));
}

void TestDictionaryStore::failedSaveStopsAndKeepsMemory()
{
    write(dict("A.txt"), "a = 1\r\n");
    store().LoadMyDict("A", true);
    store().MyDictSL.append("b = 2");
    // A folder in the place of the learnt list: the save stops there, before the progress.
    QVERIFY(QDir().mkpath(store().paths().LearntPath));
    store().LearntNumber = 4;
    QVERIFY_THROWS_EXCEPTION(FileError, store().SaveOwnFiles());
    QCOMPARE(read(dict("A.txt")), bom + "a = 1\r\nb = 2\r\n");
    QVERIFY(!QFileInfo::exists(store().paths().LearntNumbersPath));
    QCOMPARE(store().MyDictSL.count(), 2);

    QVERIFY(QDir(store().paths().LearntPath).removeRecursively());
    store().SaveOwnFiles();
    store().LoadMyDict("A", true);
    QCOMPARE(store().LearntNumber, 4);
}

QTEST_GUILESS_MAIN(TestDictionaryStore)
#include "tst_dictionarystore.moc"
