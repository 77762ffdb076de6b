#include "cards/Collation.h"
#include "cards/DictionaryBackups.h"
#include "cards/DictionaryStore.h"
#include "cards/FileError.h"

#include <QtTest>

namespace {

const QByteArray original = "cat = кошка\r\nheading\r\ndog = собака\r\n";

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

DictionaryBackups::Clock at(const char* stamp)
{
    return [when = QDateTime::fromString(QLatin1String(stamp), Qt::ISODate)] { return when; };
}

} // namespace

class TestDictionaryBackups : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }
    void init();

    void firstSaveOfARunKeepsThePreviousFile();
    void oldestGoBeyondTen();
    void sameMomentGetsANumber_data();
    void sameMomentGetsANumber();
    void missingFileNeedsNoCopy();
    void blockedFolderStopsTheRewrite();

private:
    QString dict(const QString& name) const { return m_exe->path() + "/Vocadrill/" + name; }
    QString backups() const { return m_exe->path() + "/Data/Backups"; }

    std::unique_ptr<QTemporaryDir> m_exe;
};

void TestDictionaryBackups::init()
{
    m_exe = std::make_unique<QTemporaryDir>();
    PrepareDataFolders(m_exe->path(), m_exe->filePath("Documents"));
    write(dict("Animals.txt"), original);
}

void TestDictionaryBackups::firstSaveOfARunKeepsThePreviousFile()
{
    for (int run = 1; run <= 2; ++run) {
        DictionaryStore store(PrepareDataFolders(m_exe->path(), m_exe->filePath("Documents")));
        store.LoadMyDict("Animals", false);
        const QByteArray before = read(dict("Animals.txt"));
        store.MyDictSL.append("bird = птица");
        store.SaveOwnFiles();
        store.MyDictSL.removeAt(0);
        store.SaveOwnFiles();

        const QStringList copies = store.backups().backupsOf("Animals");
        QCOMPARE(copies.size(), run);
        QVERIFY(QRegularExpression(R"(^Animals \d{4}-\d\d-\d\d \d\d\.\d\d\.\d\d( \(\d\))?\.txt$)")
                    .match(copies.last())
                    .hasMatch());
        QCOMPARE(read(backups() + u'/' + copies.last()), before);
    }
    const QStringList copies = DictionaryBackups(backups()).backupsOf("Animals");
    QCOMPARE(read(backups() + u'/' + copies.first()), original);
}

void TestDictionaryBackups::oldestGoBeyondTen()
{
    QDir().mkpath(backups());
    for (int day = 10; day <= 19; ++day)
        write(QStringLiteral("%1/Animals 2026-01-%2 08.00.00.txt").arg(backups()).arg(day), "old");
    write(backups() + "/Animals 2 2020-01-01 08.00.00.txt", "another dictionary");
    write(backups() + "/notes.txt", "not a backup");

    DictionaryBackups copies(backups(), at("2026-03-01T09:30:05"));
    copies.beforeRewrite(dict("Animals.txt"));

    const QStringList kept = copies.backupsOf("Animals");
    QCOMPARE(kept.size(), DictionaryBackups::Kept);
    QCOMPARE(kept.first(), QString("Animals 2026-01-11 08.00.00.txt"));
    QCOMPARE(kept.last(), QString("Animals 2026-03-01 09.30.05.txt"));
    QCOMPARE(read(backups() + "/Animals 2026-03-01 09.30.05.txt"), original);
    QVERIFY(QFile::exists(backups() + "/Animals 2 2020-01-01 08.00.00.txt"));
    QVERIFY(QFile::exists(backups() + "/notes.txt"));
}

void TestDictionaryBackups::sameMomentGetsANumber_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain name") << "Animals";
    QTest::newRow("percent signs") << "C%2B%2B %1";
}

void TestDictionaryBackups::sameMomentGetsANumber()
{
    QFETCH(QString, name);
    write(dict(name + ".txt"), original);
    for (int run = 0; run < 3; ++run)
        DictionaryBackups(backups(), at("2026-03-01T09:30:05")).beforeRewrite(dict(name + ".txt"));
    const QString stamp = name + " 2026-03-01 09.30.05";
    QCOMPARE(DictionaryBackups(backups()).backupsOf(name),
             (QStringList{stamp + ".txt", stamp + " (2).txt", stamp + " (3).txt"}));
}

void TestDictionaryBackups::missingFileNeedsNoCopy()
{
    DictionaryBackups copies(backups());
    copies.beforeRewrite(dict("Nowhere.txt"));
    QVERIFY(!QFileInfo::exists(backups()));
}

// A file where the backups folder must go: the dictionary is not rewritten without its copy.
void TestDictionaryBackups::blockedFolderStopsTheRewrite()
{
    write(backups(), "in the way");
    DictionaryStore store(PrepareDataFolders(m_exe->path(), m_exe->filePath("Documents")));
    store.LoadMyDict("Animals", false);
    store.MyDictSL.append("bird = птица");
    QVERIFY_THROWS_EXCEPTION(FileError, store.SaveOwnFiles());
    QCOMPARE(read(dict("Animals.txt")), original);
    QCOMPARE(store.MyDictSL.count(), 3);

    QFile::remove(backups());
    store.SaveOwnFiles();
    QCOMPARE(read(dict("Animals.txt")), "\xEF\xBB\xBF"
                                        "cat = кошка\r\ndog = собака\r\nbird = птица\r\n");
}

QTEST_GUILESS_MAIN(TestDictionaryBackups)
#include "tst_dictionarybackups.moc"
