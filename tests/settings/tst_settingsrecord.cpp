#include "cards/FileError.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsRecord.h"
#include "settings/SettingsRecordCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

namespace {

// Byte offsets of the two switches that are saved but never restored.
constexpr int ShowPhoneticCheckBoxOffset = 591;
constexpr int PhoneticTickedOffset = 593;

QByteArray fixture(const QString& name)
{
    QFile file(QStringLiteral(VOCADRILL_FIXTURES "/settings/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return file.readAll();
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray withBytes(QByteArray bytes, int offset, const QByteArray& patch)
{
    bytes.replace(offset, patch.size(), patch);
    return bytes;
}

// A record with a value of its own in every field, padding and reserved bytes included;
// fixtures/settings/every-field.dat holds its bytes.
DataRecord everyField()
{
    DataRecord r;
    for (int m = 0; m < ModeCount; ++m) {
        TSettings& s = r.Settings[m];
        const qint32 base = 1000 * (m + 1);
        s.NumberOfCards = base;
        s.WhenRememberQuestions = base + 1;
        s.WhenRememberAnswers = base + 2;
        s.MaximumForQuestions = base + 3;
        s.MaximumForAnswers = base + 4;
        s.DelayInMilliseconds = base + 5;
        s.TimesForQuestions = base + 6;
        s.TimesForAnswers = base + 7;
        s.WhenSimultaneously0 = base + 8;
        s.WhenSimultaneously00 = base + 9;
        bool* flags[] = {&s.QuestionsFirst, &s.AnswersFirst,     &s.Randomly,
                         &s.Simultaneously, &s.ShowPhonetic,     &s.TakeFromDict,
                         &s.Vibration,      &s.ClipboardQ,       &s.ClipboardA,
                         &s.ClipboardQA,    &s.ClipboardQAlways, &s.ClipboardNothing};
        for (int i = 0; i < 12; ++i)
            *flags[i] = (i + m) % 3 != 0;
        s.DelayOfHint = -700 * (m + 1);
        quint8* reservedFlags[] = {&s.Boolean0, &s.Boolean1, &s.Boolean2, &s.Boolean3,
                                   &s.Boolean4, &s.Boolean5, &s.Boolean6};
        for (int i = 0; i < 7; ++i)
            *reservedFlags[i] = quint8(0x10 * (m + 1) + i);
        s.Padding63 = quint8(0xE0 + m);
        qint32* integers[] = {&s.Integer1, &s.Integer2, &s.Integer3, &s.Integer4,
                              &s.Integer5, &s.Integer6, &s.Integer7};
        for (int i = 0; i < 7; ++i)
            *integers[i] = -(100000 * (m + 1) + i + 1);

        TView& v = r.Views[m];
        v.TopColor = 0x11223300 + m;
        v.BottomColor = 0x44556600 + m;
        v.TopTexture = m != 1;
        v.BottomTexture = m == 1;
        for (int i = 0; i < 6; ++i)
            v.Padding10[i] = quint8(0xB0 + m * 8 + i);
        v.QSize = 10.25 + m;
        v.QColor = 0x80A0C0E0 + m;
        v.QStyles = quint8(0x0F >> m);
        for (int i = 0; i < 3; ++i)
            v.Padding29[i] = quint8(0xC0 + m * 4 + i);
        v.ASize = 20.5 + m;
        v.AColor = 0x01020300 + m;
        v.AStyles = quint8(0x02 + m);
        for (int i = 0; i < 3; ++i)
            v.Padding45[i] = quint8(0xD0 + m * 4 + i);
        v.PSize = 33.125 + m;
        v.PColor = 0xFEDCBA00 + m;
        v.PStyles = quint8(0x08 >> m);
        v.WhiteIndicator = m != 0;
        quint8* viewFlags[] = {&v.Boolean1, &v.Boolean2, &v.Boolean3,
                               &v.Boolean4, &v.Boolean5, &v.Boolean6};
        for (int i = 0; i < 6; ++i)
            *viewFlags[i] = quint8(0x60 + m * 8 + i + 1);
        qint32* viewIntegers[] = {&v.Integer1, &v.Integer2, &v.Integer3, &v.Integer4,
                                  &v.Integer5, &v.Integer6, &v.Integer7};
        for (int i = 0; i < 7; ++i)
            *viewIntegers[i] = 200000 * (m + 1) + i + 1;
    }
    r.LearningMode = 2;
    r.WindowTop = -12;
    r.WindowLeft = 34;
    r.WindowWidth = 1280;
    r.WindowHeight = 720;
    r.GeometryMark = StoredGeometryMark;
    r.EnglishInterface = true;
    r.RightToLeftTicked = false;
    r.ShowRightToLeftCheckBox = true;
    r.ShowPhoneticCheckBox = true;
    r.ShowIndicators = false;
    r.PhoneticTicked = true;
    for (int i = 0; i < 30; ++i)
        r.Reserved[i] = quint8(0x80 + i);
    return r;
}

// What reading every-field.dat into the defaults gives: the two saved-only switches keep
// the defaults' values.
DataRecord everyFieldAsRead()
{
    DataRecord r = everyField();
    const DataRecord defaults = defaultDataRecord();
    r.ShowPhoneticCheckBox = defaults.ShowPhoneticCheckBox;
    r.PhoneticTicked = defaults.PhoneticTicked;
    return r;
}

} // namespace

class TestSettingsRecord : public QObject
{
    Q_OBJECT

private slots:
    void defaultsEncodeToGoldenBytes();
    void defaultsAtKeyOffsets_data();
    void defaultsAtKeyOffsets();
    void everyFieldEncodesAtItsOffset();
    void everyFieldDecodes();
    void nonZeroBooleanByteReadsTrue_data();
    void nonZeroBooleanByteReadsTrue();
    void savedOnlySwitchesAreNotRestored_data();
    void savedOnlySwitchesAreNotRestored();
    void learningModeOutsideModesReadsAsZero_data();
    void learningModeOutsideModesReadsAsZero();
    void tooFewBytesDecodeNothing();

    void fileRoundTrip();
    void missingFileLeavesRecord();
    void fileBySize_data();
    void fileBySize();
    void unreadableFileIsDiscarded();
    void geometryOnlyWithMark_data();
    void geometryOnlyWithMark();
    void geometryOnlyOnTheDesktop_data();
    void geometryOnlyOnTheDesktop();
    void reservedAndPaddingWrittenBackUnchanged();
    void writeFailureThrows();
};

void TestSettingsRecord::defaultsEncodeToGoldenBytes()
{
    QCOMPARE(encodeDataRecord(defaultDataRecord()), fixture(QStringLiteral("defaults.dat")));
}

void TestSettingsRecord::defaultsAtKeyOffsets_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("hex");

    QTest::newRow("NumberOfCards") << 0 << QByteArray("07000000");
    QTest::newRow("DelayInMilliseconds") << 20 << QByteArray("c4090000");
    QTest::newRow("order and switches") << 40 << QByteArray("010000000101010000000001");
    QTest::newRow("TSettings padding and reserved") << 56 << QByteArray(36, '\0').toHex();
    QTest::newRow("Settings[2].NumberOfCards") << 184 << QByteArray("07000000");
    QTest::newRow("LearningMode") << 276 << QByteArray("00000000");
    QTest::newRow("Views[0] fills and textures") << 280 << QByteArray("e0e0e0ffe0e0e0ff0101");
    QTest::newRow("Views[0] padding") << 290 << QByteArray("000000000000");
    QTest::newRow("Views[0].QSize") << 296 << QByteArray("0000000000004640");
    QTest::newRow("Views[0] question colour, bold") << 304 << QByteArray("04045aff01000000");
    QTest::newRow("Views[0] answer") << 312 << QByteArray("0000000000804240ac1c20ff00000000");
    QTest::newRow("Views[0] phonetic") << 328 << QByteArray("0000000000003e40726767ff0000");
    QTest::newRow("Views[1].QColor") << 400 << QByteArray("04045aff");
    QTest::newRow("Views[2].QColor") << 496 << QByteArray("ffffffff");
    QTest::newRow("Views[2].AColor") << 512 << QByteArray("ffffffff");
    QTest::newRow("geometry") << 568 << QByteArray(20, '\0').toHex();
    QTest::newRow("global switches") << 588 << QByteArray("000100000100");
    QTest::newRow("reserved") << 594 << QByteArray(30, '\0').toHex();
}

void TestSettingsRecord::defaultsAtKeyOffsets()
{
    QFETCH(int, offset);
    QFETCH(QByteArray, hex);

    const QByteArray expected = QByteArray::fromHex(hex);
    QCOMPARE(encodeDataRecord(defaultDataRecord()).mid(offset, expected.size()).toHex(),
             expected.toHex());
}

void TestSettingsRecord::everyFieldEncodesAtItsOffset()
{
    QCOMPARE(encodeDataRecord(everyField()), fixture(QStringLiteral("every-field.dat")));
}

void TestSettingsRecord::everyFieldDecodes()
{
    DataRecord record = defaultDataRecord();
    QVERIFY(decodeDataRecord(fixture(QStringLiteral("every-field.dat")), record));
    QVERIFY(record == everyFieldAsRead());
}

void TestSettingsRecord::nonZeroBooleanByteReadsTrue_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<char>("stored");

    QTest::newRow("QuestionsFirst 0x02") << 40 << char(0x02);
    QTest::newRow("Settings[1].ClipboardQ 0xff") << 92 + 47 << char(0xFF);
    QTest::newRow("Views[0].BottomTexture 0x80") << 280 + 9 << char(0x80);
    QTest::newRow("Views[2].WhiteIndicator 0x7f") << 472 + 61 << char(0x7F);
    QTest::newRow("EnglishInterface 0x10") << 588 << char(0x10);
}

void TestSettingsRecord::nonZeroBooleanByteReadsTrue()
{
    QFETCH(int, offset);
    QFETCH(char, stored);

    const QByteArray defaults = encodeDataRecord(defaultDataRecord());
    DataRecord withTrue = defaultDataRecord();
    QVERIFY(decodeDataRecord(withBytes(defaults, offset, QByteArray(1, stored)), withTrue));
    DataRecord withOne = defaultDataRecord();
    QVERIFY(decodeDataRecord(withBytes(defaults, offset, QByteArray(1, 1)), withOne));

    QVERIFY(withTrue == withOne);
    QCOMPARE(encodeDataRecord(withTrue).at(offset), char(1));
}

void TestSettingsRecord::savedOnlySwitchesAreNotRestored_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<bool>("held");

    QTest::newRow("ShowPhoneticCheckBox, held off") << ShowPhoneticCheckBoxOffset << false;
    QTest::newRow("ShowPhoneticCheckBox, held on") << ShowPhoneticCheckBoxOffset << true;
    QTest::newRow("PhoneticTicked, held off") << PhoneticTickedOffset << false;
    QTest::newRow("PhoneticTicked, held on") << PhoneticTickedOffset << true;
}

void TestSettingsRecord::savedOnlySwitchesAreNotRestored()
{
    QFETCH(int, offset);
    QFETCH(bool, held);

    DataRecord before = defaultDataRecord();
    before.ShowPhoneticCheckBox = held;
    before.PhoneticTicked = held;
    const QByteArray bytes = fixture(QStringLiteral("every-field.dat"));

    DataRecord fromZero = before;
    QVERIFY(decodeDataRecord(withBytes(bytes, offset, QByteArray(1, 0)), fromZero));
    DataRecord fromOne = before;
    QVERIFY(decodeDataRecord(withBytes(bytes, offset, QByteArray(1, 1)), fromOne));

    QVERIFY(fromZero == fromOne);
    QCOMPARE(fromOne.ShowPhoneticCheckBox, held);
    QCOMPARE(fromOne.PhoneticTicked, held);
}

void TestSettingsRecord::learningModeOutsideModesReadsAsZero_data()
{
    QTest::addColumn<qint32>("stored");
    QTest::addColumn<qint32>("expected");

    QTest::newRow("0") << 0 << 0;
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("2") << 2 << 2;
    QTest::newRow("3") << 3 << 0;
    QTest::newRow("7") << 7 << 0;
    QTest::newRow("-1") << -1 << 0;
    QTest::newRow("lowest") << std::numeric_limits<qint32>::min() << 0;
}

void TestSettingsRecord::learningModeOutsideModesReadsAsZero()
{
    QFETCH(qint32, stored);
    QFETCH(qint32, expected);

    DataRecord written = everyField();
    written.LearningMode = stored;
    DataRecord read = defaultDataRecord();
    QVERIFY(decodeDataRecord(encodeDataRecord(written), read));

    QCOMPARE(read.LearningMode, expected);
    QVERIFY(read.Settings == written.Settings);
    QVERIFY(read.Views == written.Views);
}

void TestSettingsRecord::tooFewBytesDecodeNothing()
{
    DataRecord record = defaultDataRecord();
    QVERIFY(!decodeDataRecord(fixture(QStringLiteral("every-field.dat")).first(623), record));
    QVERIFY(record == defaultDataRecord());
}

void TestSettingsRecord::fileRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DataFile"));

    writeDataFile(path, everyField());
    QCOMPARE(readAll(path), fixture(QStringLiteral("every-field.dat")));

    DataRecord record = defaultDataRecord();
    QCOMPARE(readDataFile(path, record), SettingsFileStatus::Loaded);
    QVERIFY(record == everyFieldAsRead());
}

void TestSettingsRecord::missingFileLeavesRecord()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DataFile"));

    DataRecord record = defaultDataRecord();
    QCOMPARE(readDataFile(path, record), SettingsFileStatus::NoFile);
    QVERIFY(record == defaultDataRecord());
    QVERIFY(!QFile::exists(path));
}

void TestSettingsRecord::fileBySize_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<SettingsFileStatus>("status");

    QTest::newRow("empty") << 0 << SettingsFileStatus::Discarded;
    QTest::newRow("600 bytes") << 600 << SettingsFileStatus::Discarded;
    QTest::newRow("623 bytes") << 623 << SettingsFileStatus::Discarded;
    QTest::newRow("624 bytes") << 624 << SettingsFileStatus::Loaded;
    QTest::newRow("700 bytes") << 700 << SettingsFileStatus::Loaded;
}

// A file shorter than one record is damaged: it is deleted and none of it is used. A longer
// one gives its first record, stays as it is, and is shortened by the next write.
void TestSettingsRecord::fileBySize()
{
    QFETCH(int, size);
    QFETCH(SettingsFileStatus, status);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DataFile"));
    const QByteArray full = fixture(QStringLiteral("every-field.dat")) + QByteArray(76, '\x5A');
    writeAll(path, full.first(size));

    DataRecord record = defaultDataRecord();
    QCOMPARE(readDataFile(path, record), status);

    if (status == SettingsFileStatus::Discarded) {
        QVERIFY(!QFile::exists(path));
        QVERIFY(record == defaultDataRecord());
        return;
    }
    QVERIFY(record == everyFieldAsRead());
    QCOMPARE(QFileInfo(path).size(), size);
    writeDataFile(path, record);
    QCOMPARE(readAll(path), encodeDataRecord(record));
}

void TestSettingsRecord::unreadableFileIsDiscarded()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DataFile"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("DataFile")));

    DataRecord record = defaultDataRecord();
    QCOMPARE(readDataFile(path, record), SettingsFileStatus::Discarded);
    QVERIFY(record == defaultDataRecord());
}

void TestSettingsRecord::geometryOnlyWithMark_data()
{
    QTest::addColumn<qint32>("mark");
    QTest::addColumn<bool>("geometry");

    QTest::newRow("555") << 555 << true;
    QTest::newRow("554") << 554 << false;
    QTest::newRow("0") << 0 << false;
    QTest::newRow("555 in the wrong byte order") << 0x2B020000 << false;
}

void TestSettingsRecord::geometryOnlyWithMark()
{
    QFETCH(qint32, mark);
    QFETCH(bool, geometry);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DataFile"));
    DataRecord written = everyField();
    written.GeometryMark = mark;
    writeDataFile(path, written);

    DataRecord record = defaultDataRecord();
    QCOMPARE(readDataFile(path, record), SettingsFileStatus::Loaded);
    QCOMPARE(storedGeometry(record, QRect(-100, -100, 4000, 3000)).has_value(), geometry);
    QVERIFY(record.Settings == written.Settings);
    QVERIFY(record.Views == written.Views);
    QCOMPARE(record.LearningMode, written.LearningMode);
}

void TestSettingsRecord::geometryOnlyOnTheDesktop_data()
{
    constexpr int most = std::numeric_limits<int>::max();
    constexpr int least = std::numeric_limits<int>::min();
    // The stored fields as numbers: a QRect cannot hold a place whose far edge overflows.
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("used");

    QTest::newRow("inside") << 100 << 50 << 800 << 600 << true;
    QTest::newRow("one pixel on the desktop") << -799 << 1079 << 800 << 600 << true;
    QTest::newRow("whole desktop") << 0 << 0 << 1920 << 1080 << true;
    QTest::newRow("wider than the desktop") << 0 << 0 << 1921 << 600 << false;
    QTest::newRow("left of it") << -800 << 0 << 800 << 600 << false;
    QTest::newRow("below it") << 0 << 1080 << 800 << 600 << false;
    QTest::newRow("no size") << 0 << 0 << 0 << 600 << false;
    QTest::newRow("far edge past the largest number") << most << most << 800 << 600 << false;
    QTest::newRow("least place") << least << least << 800 << 600 << false;
    QTest::newRow("largest size") << least << least << most << most << false;
}

void TestSettingsRecord::geometryOnlyOnTheDesktop()
{
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, used);
    DataRecord record = defaultDataRecord();
    record.GeometryMark = StoredGeometryMark;
    record.WindowLeft = left;
    record.WindowTop = top;
    record.WindowWidth = width;
    record.WindowHeight = height;
    const std::optional<QRect> place = storedGeometry(record, QRect(0, 0, 1920, 1080));
    QCOMPARE(place.has_value(), used);
    if (used)
        QCOMPARE(*place, QRect(left, top, width, height));
}

void TestSettingsRecord::reservedAndPaddingWrittenBackUnchanged()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DataFile"));
    const QByteArray original = fixture(QStringLiteral("every-field.dat"));
    writeAll(path, original);

    DataRecord record = defaultDataRecord();
    QCOMPARE(readDataFile(path, record), SettingsFileStatus::Loaded);
    // The saved-only switches are gathered from the window before a save; here they take the
    // file's values, so every byte of the original is expected back.
    record.ShowPhoneticCheckBox = true;
    record.PhoneticTicked = true;
    writeDataFile(path, record);

    QCOMPARE(readAll(path).toHex(), original.toHex());
}

void TestSettingsRecord::writeFailureThrows()
{
    QTemporaryDir dir;
    // A file stands where the folder must go, so the folder cannot be made.
    QFile blocker(dir.filePath(QStringLiteral("blocked")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = dir.filePath(QStringLiteral("blocked/DataFile"));

    try {
        writeDataFile(path, defaultDataRecord());
        QFAIL("no FileError");
    } catch (const FileError& error) {
        QVERIFY(error.message().contains(path));
    }
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(TestSettingsRecord)
#include "tst_settingsrecord.moc"
