#include "cards/Collation.h"
#include "cards/DataPaths.h"
#include "cards/DictionaryBackups.h"
#include "cards/DictionaryStore.h"
#include "cards/PhoneticTable.h"
#include "cards/ProgressStore.h"
#include "cards/TextFile.h"
#include "save/SaveAll.h"
#include "settings/Backgrounds.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsRecordCodec.h"

#include <QBuffer>
#include <QImage>
#include <QRandomGenerator>
#include <QtTest>

namespace {

const QByteArray bom("\xEF\xBB\xBF");

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

QByteArray utf16le(const QString& text)
{
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

} // namespace

class TestBadInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }

    void dictionaries_data();
    void dictionaries();
    void settingsFilesOfEveryLength();
    void progressStoreWithGarbage();
    void phoneticDictionaryOfJunk();
    void pictures_data();
    void pictures();
};

void TestBadInput::dictionaries_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("cards");

    const QByteArray hundredMb(100 * 1024 * 1024, 'a');
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("binary") << randomBytes(64 * 1024, 8) << -1;
    QTest::newRow("a mark alone") << bom << 0;
    QTest::newRow("100 MB on one line, a card") << "q = " + hundredMb << 1;
    QTest::newRow("100 MB on one line, no card") << hundredMb << 0;
    QTest::newRow("odd-length UTF-16")
        << "\xFF\xFE" + utf16le("cat = кошка\r\ndog = собака") + "\x41" << 2;
    QTest::newRow("invalid UTF-8 after a mark")
        << bom + "cat = кошка\r\n\xC3\x28 = \xFF\r\ndog = собака\r\n"
        << 3;
    QTest::newRow("NUL in the middle")
        << bom + QByteArray("cat = кошка\r\ndo\0g = собака\r\nbird = птица\r\n", 47) << 1;
}

// Opening never changes the file, only card lines are kept (a file with none is announced), a
// save leaves the file alone until a card changes, then writes what is in memory, and the file
// as it was stays among the backups.
void TestBadInput::dictionaries()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, cards);
    QTemporaryDir exe;
    DictionaryStore store(PrepareDataFolders(exe.path(), exe.path()));
    const QString path = store.paths().DictDir + "/Bad.txt";
    write(path, bytes);

    const DictionaryStore::LoadResult opened = store.LoadMyDict("Bad", true);
    if (cards >= 0)
        QCOMPARE(store.MyDictSL.count(), cards);
    QCOMPARE(opened.noProperLines, store.MyDictSL.isEmpty());
    QCOMPARE(store.MyDictPath, path);
    QVERIFY(read(path) == bytes);

    SaveAll(store, defaultDataRecord());
    QVERIFY(read(path) == bytes);
    QVERIFY(store.backups().backupsOf("Bad").isEmpty());

    store.MyDictSL.append("new = новый");
    SaveAll(store, defaultDataRecord());
    QCOMPARE(TextFile::readLines(path), store.MyDictSL.lines());
    const QStringList copies = store.backups().backupsOf("Bad");
    QCOMPARE(copies.size(), 1);
    QVERIFY(read(store.backups().folder() + u'/' + copies.first()) == bytes);
}

// A file shorter than one record is dropped; a longer one is read, whatever its bytes, and
// the next save writes one record.
void TestBadInput::settingsFilesOfEveryLength()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("DataFile");
    const QByteArray defaults = encodeDataRecord(defaultDataRecord());
    for (int length = 0; length <= 700; ++length) {
        for (const QByteArray& bytes :
             {randomBytes(length, quint32(length)), defaults.left(length).leftJustified(length)}) {
            write(path, bytes);
            DataRecord record = defaultDataRecord();
            const SettingsFileStatus status = readDataFile(path, record);
            if (length < DataRecordSize) {
                QCOMPARE(status, SettingsFileStatus::Discarded);
                QVERIFY(!QFile::exists(path));
                QCOMPARE(encodeDataRecord(record), defaults);
                continue;
            }
            QCOMPARE(status, SettingsFileStatus::Loaded);
            QVERIFY(record.LearningMode >= 0 && record.LearningMode < ModeCount);
            QCOMPARE(read(path), bytes);
            if (length % 38 == 0) {
                writeDataFile(path, record);
                QCOMPARE(read(path).size(), DataRecordSize);
            }
        }
    }
}

// Garbage lines cost nothing that was stored for the dictionary: its count is written and read
// back, and the other lines of the store keep to the reading rules.
void TestBadInput::progressStoreWithGarbage()
{
    QTemporaryDir folder;
    const QString store = folder.filePath("LearntNumbers.ini");
    QRandomGenerator random(6);
    QByteArray garbage = "[Learnt]\r\n";
    for (int line = 0; line < 5000; ++line) {
        QByteArray bytes = randomBytes(random.bounded(60), quint32(line));
        if (line % 7 == 0)
            bytes = "[" + bytes + "]";
        if (line % 5 == 0)
            bytes += "=" + QByteArray::number(random.generate());
        garbage += bytes + (line % 3 ? "\r\n" : "\n");
    }
    write(store, garbage);
    const QString dict = "/home/learner/Vocadrill/Words.txt";
    IniRead(store, dict);
    IniWrite(store, dict, 42);
    QCOMPARE(IniRead(store, dict), 42);
    IniWrite(store, dict, 43);
    QCOMPARE(IniRead(store, dict), 43);
    QCOMPARE(read(store).count("Words.txt=43"), 1);
    IniDelete(store, dict);
    QCOMPARE(IniRead(store, dict), 0);
}

// A million junk lines of ASCII letters, signs and control characters load, and the one real
// entry among them is found.
void TestBadInput::phoneticDictionaryOfJunk()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("Phonetic.txt");
    QRandomGenerator random(1);
    QByteArray junk;
    junk.reserve(30 * 1000 * 1000);
    for (int line = 0; line < 1000000; ++line) {
        const int length = random.bounded(40);
        for (int i = 0; i < length; ++i)
            junk += char(random.bounded(1, 128));
        junk += (line % 2 ? "\r\n" : "\n");
    }
    junk += "zebra = [ˈziːbrə]\r\n";
    write(path, junk);
    PhoneticTable table;
    table.load(path);
    QVERIFY(table.size() > 0);
    QCOMPARE(table.lookup(u"zebra"), QString("[ˈziːbrə]"));
}

void TestBadInput::pictures_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QImage picture(640, 480, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    for (const char* format : {"PNG", "JPG", "BMP"}) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, format);
        const QByteArray whole = buffer.data();
        QTest::addRow("%s cut in half", format) << whole.left(whole.size() / 2);
        QTest::addRow("%s header only", format) << whole.left(32);
    }
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("random bytes") << randomBytes(100000, 3);
    QTest::newRow("PNG signature then random")
        << QByteArray("\x89PNG\r\n\x1A\n", 8) + randomBytes(4096, 4);
}

// A damaged picture decodes to what can be read of it, or gives a message naming the file.
void TestBadInput::pictures()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir folder;
    const QString path = folder.filePath("Top.jpg");
    write(path, bytes);
    const DecodedPicture decoded = decodePicture(path);
    if (decoded.image.isNull()) {
        QVERIFY2(decoded.error.startsWith(path + ": "), qPrintable(decoded.error));
    } else {
        QVERIFY(decoded.error.isEmpty());
        QVERIFY(decoded.image.width() <= MaxPictureSide);
        QVERIFY(decoded.image.height() <= MaxPictureSide);
    }
}

QTEST_GUILESS_MAIN(TestBadInput)
#include "tst_badinput.moc"
