#include "cards/FileError.h"
#include "cards/LegacyEncoding.h"
#include "cards/ProgressStore.h"
#include "CorpusTsv.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The bytes the store is written with: UTF-8 with a byte-order mark, CR LF after every line.
QByteArray storeBytes(const QStringList& lines)
{
    QByteArray bytes("\xEF\xBB\xBF");
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

} // namespace

class TestProgressStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void read_data();
    void read();
    void writeKeepsWhatTheReadingRulesKeep();
    void change_data();
    void change();
    void damagedStoreKeepsItsCounts_data();
    void damagedStoreKeepsItsCounts();
    void pathsAreFoundAgain_data();
    void pathsAreFoundAgain();
    void folderInPlaceOfStore();
    void storeWithoutReadPermissionIsKept();
    void writeErrorThrows();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_store;
};

void TestProgressStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_store = m_dir->filePath("LearntNumbers.ini");
}

void TestProgressStore::cleanup()
{
    setProgramLegacyEncoding(LegacyEncoding());
}

void TestProgressStore::read_data()
{
    QTest::addColumn<QString>("store");
    QTest::addColumn<QString>("dictPath");
    QTest::addColumn<int>("count");
    const QString handEdited = CorpusTsv::fixture("progress/hand_edited.ini");
    QTest::newRow("entry") << handEdited << "/d/English verbs.txt" << 12;
    QTest::newRow("other letter case") << handEdited << "/D/ENGLISH VERBS.TXT" << 12;
    QTest::newRow("key and value trimmed") << handEdited << "/d/Spaced.txt" << 4;
    QTest::newRow("equals sign stored as star") << handEdited << "/d/Rules a=b.txt" << 3;
    QTest::newRow("hexadecimal") << handEdited << "/d/Hex.txt" << 26;
    QTest::newRow("hexadecimal, capital X") << handEdited << "/d/Hex upper.txt" << 26;
    QTest::newRow("bare 0x") << handEdited << "/d/Bare hex.txt" << 0;
    QTest::newRow("not a number") << handEdited << "/d/Word.txt" << 0;
    QTest::newRow("negative") << handEdited << "/d/Negative.txt" << -5;
    QTest::newRow("beyond 32 bits") << handEdited << "/d/Too big.txt" << 0;
    QTest::newRow("empty value") << handEdited << "/d/Empty.txt" << 0;
    QTest::newRow("first of several counts") << handEdited << "/d/twice.txt" << 1;
    QTest::newRow("other section") << handEdited << "/d/other.txt" << 0;
    QTest::newRow("before the first section") << handEdited << "/d/before section.txt" << 0;
    QTest::newRow("section met again") << handEdited << "/d/Later section.txt" << 9;
    QTest::newRow("line without equals sign") << handEdited << "a line without an equals sign" << 0;
    QTest::newRow("never stored") << handEdited << "/d/never stored.txt" << 0;
    QTest::newRow("missing store")
        << CorpusTsv::fixture("progress/no such store.ini") << "/d/English verbs.txt" << 0;
    QTest::newRow("empty store") << CorpusTsv::fixture("corpus/lines/empty.txt")
                                 << "/d/English verbs.txt" << 0;
    QTest::newRow("store of a mark only")
        << CorpusTsv::fixture("corpus/lines/bom_only.txt") << "/d/English verbs.txt" << 0;
}

void TestProgressStore::read()
{
    QFETCH(QString, store);
    QFETCH(QString, dictPath);
    QTEST(IniRead(store, dictPath), "count");
}

void TestProgressStore::writeKeepsWhatTheReadingRulesKeep()
{
    QVERIFY(QFile::copy(CorpusTsv::fixture("progress/hand_edited.ini"), m_store));
    IniWrite(m_store, "/d/TWICE.txt", 42);
    QCOMPARE(bytesOf(m_store), bytesOf(CorpusTsv::fixture("progress/hand_edited.after-write.ini")));
}

enum class Change
{
    Write,
    Delete
};

void TestProgressStore::change_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("dictPath");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("after");
    // An empty "before" means there is no store yet.
    QTest::newRow("first write") << QByteArray() << Change::Write << "/d/a.txt" << 2
                                 << QStringList{"[Learnt]", "/d/a.txt=2", ""};
    QTest::newRow("delete without a store")
        << QByteArray() << Change::Delete << "/d/a.txt" << 0 << QStringList{};
    QTest::newRow("section added at the end")
        << QByteArray("[Other]\nx=1\n") << Change::Write << "/d/a.txt" << 3
        << QStringList{"[Other]", "x=1", "", "[Learnt]", "/d/a.txt=3", ""};
    QTest::newRow("three copies in any case leave one")
        << QByteArray("[Learnt]\n/d/a.txt=1\nb=5\n/D/A.TXT=2\n/d/A.txt=3\n") << Change::Write
        << "/d/a.txt" << 7 << QStringList{"[Learnt]", "b=5", "/d/a.txt=7", ""};
    QTest::newRow("fourth copy replaced in place")
        << QByteArray("[Learnt]\n/d/a.txt=1\n/d/a.txt=2\n/d/a.txt=3\n/d/a.txt=4\nb=5\n")
        << Change::Write << "/d/a.txt" << 7 << QStringList{"[Learnt]", "/d/a.txt=7", "b=5", ""};
    QTest::newRow("delete removes three copies")
        << QByteArray("[Learnt]\n/d/a.txt=1\n/d/a.txt=2\n/d/a.txt=3\n/d/a.txt=4\nb=5\n")
        << Change::Delete << "/d/a.txt" << 0 << QStringList{"[Learnt]", "/d/a.txt=4", "b=5", ""};
    QTest::newRow("delete leaves other dictionaries")
        << QByteArray("[Learnt]\n/d/a.txt=1\n/d/b.txt=2\n") << Change::Delete << "/d/a.txt" << 0
        << QStringList{"[Learnt]", "/d/b.txt=2", ""};
    QTest::newRow("delete leaves other sections")
        << QByteArray("[Other]\n/d/a.txt=1\n") << Change::Delete << "/d/a.txt" << 0
        << QStringList{"[Other]", "/d/a.txt=1", ""};
    QTest::newRow("equals sign in the path")
        << QByteArray() << Change::Write << "/d/Rules a=b.txt" << 3
        << QStringList{"[Learnt]", "/d/Rules a*b.txt=3", ""};
    QTest::newRow("negative count") << QByteArray() << Change::Write << "/d/a.txt" << -2
                                    << QStringList{"[Learnt]", "/d/a.txt=-2", ""};
    QTest::newRow("value that is not a number replaced")
        << QByteArray("[Learnt]\n/d/a.txt=twelve\n") << Change::Write << "/d/a.txt" << 12
        << QStringList{"[Learnt]", "/d/a.txt=12", ""};
}

void TestProgressStore::change()
{
    QFETCH(QByteArray, before);
    QFETCH(Change, change);
    QFETCH(QString, dictPath);
    QFETCH(int, count);
    QFETCH(QStringList, after);
    if (!before.isEmpty())
        writeFile(m_store, before);
    if (change == Change::Write)
        IniWrite(m_store, dictPath, count);
    else
        IniDelete(m_store, dictPath);
    QCOMPARE(bytesOf(m_store), storeBytes(after));
}

// A store that does not read cleanly still gives its counts, and a write keeps every entry.
void TestProgressStore::damagedStoreKeepsItsCounts_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::newRow("byte that breaks UTF-8 after the mark")
        << QByteArray("\xEF\xBB\xBF[Learnt]\r\n/d/a.txt=5\r\n/d/b\xFF.txt=2\r\n/d/c.txt=7\r\n");
    QTest::newRow("no section header")
        << QByteArray("\xEF\xBB\xBF/d/a.txt=5\r\n/d/b.txt=2\r\n/d/c.txt=7\r\n");
    QTest::newRow("damaged section header")
        << QByteArray("\xEF\xBB\xBF[Lea\r\n/d/a.txt=5\r\n/d/b.txt=2\r\n/d/c.txt=7\r\n");
}

void TestProgressStore::damagedStoreKeepsItsCounts()
{
    QFETCH(QByteArray, before);
    writeFile(m_store, before);
    const auto entries = [this] { return bytesOf(m_store).count('='); };
    const qsizetype held = entries();
    QCOMPARE(IniRead(m_store, "/d/a.txt"), 5);
    QCOMPARE(IniRead(m_store, "/d/c.txt"), 7);
    IniWrite(m_store, "/d/a.txt", 6);
    QCOMPARE(IniRead(m_store, "/d/a.txt"), 6);
    QCOMPARE(IniRead(m_store, "/d/c.txt"), 7);
    QCOMPARE(entries(), held);
}

void TestProgressStore::pathsAreFoundAgain_data()
{
    QTest::addColumn<QString>("dictPath");
    QTest::newRow("Cyrillic and CJK") << "/home/ученик/Словари/日本語.txt";
    QTest::newRow("beyond the basic plane") << "/d/\U0001F600 smile.txt";
    QTest::newRow("equals sign") << "/d/Rules a=b.txt";
    QTest::newRow("line break") << "/d/two\nlines.txt";
    QTest::newRow("carriage return") << "/d/two\rlines.txt";
}

void TestProgressStore::pathsAreFoundAgain()
{
    QFETCH(QString, dictPath);
    // A locale whose legacy code page cannot hold most of these paths.
    setProgramLegacyEncoding(LegacyEncoding{false, "windows-1251"});
    IniWrite(m_store, dictPath, 5);
    IniWrite(m_store, "/d/other.txt", 1);
    QCOMPARE(IniRead(m_store, dictPath), 5);
    QCOMPARE(IniRead(m_store, "/d/other.txt"), 1);
    IniDelete(m_store, dictPath);
    QCOMPARE(IniRead(m_store, dictPath), 0);
    QCOMPARE(IniRead(m_store, "/d/other.txt"), 1);
}

void TestProgressStore::folderInPlaceOfStore()
{
    QVERIFY(QDir().mkdir(m_store));
    QVERIFY_THROWS_EXCEPTION(FileError, IniRead(m_store, "/d/a.txt"));
    QVERIFY_THROWS_EXCEPTION(FileError, IniWrite(m_store, "/d/a.txt", 1));
    QVERIFY_THROWS_EXCEPTION(FileError, IniDelete(m_store, "/d/a.txt"));
    QVERIFY(QFileInfo(m_store).isDir());
}

void TestProgressStore::storeWithoutReadPermissionIsKept()
{
    const QByteArray stored("[Learnt]\n/d/a.txt=3\n");
    writeFile(m_store, stored);
    QVERIFY(QFile::setPermissions(m_store, QFile::WriteOwner));
    if (QFile(m_store).open(QIODevice::ReadOnly))
        QSKIP("This user may read every file, so the store cannot be made unreadable.");
    QVERIFY_THROWS_EXCEPTION(FileError, IniWrite(m_store, "/d/b.txt", 1));
    QVERIFY_THROWS_EXCEPTION(FileError, IniDelete(m_store, "/d/b.txt"));
    QVERIFY(QFile::setPermissions(m_store, QFile::ReadOwner | QFile::WriteOwner));
    QCOMPARE(bytesOf(m_store), stored);
}

void TestProgressStore::writeErrorThrows()
{
    // A file stands where the store's folder must go, so the folder cannot be made.
    QFile blocker(m_dir->filePath("blocked"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString store = m_dir->filePath("blocked/LearntNumbers.ini");
    try {
        IniWrite(store, "/d/a.txt", 1);
        QFAIL("IniWrite into a blocked folder did not throw");
    } catch (const FileError& error) {
        QVERIFY(error.message().contains(store));
    }
    QVERIFY_THROWS_EXCEPTION(FileError, IniDelete(store, "/d/a.txt"));
}

QTEST_GUILESS_MAIN(TestProgressStore)
#include "tst_progressstore.moc"
