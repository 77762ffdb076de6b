#include "cards/TextFile.h"
#include "settings/SettingsRecordCodec.h"
#include "shell/BoxWatcher.h"
#include "shell/WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QtTest>

#include <algorithm>
#include <limits>

using WindowTest::child;

namespace {

QByteArray filled(char byte)
{
    return QByteArray(DataRecordSize, byte);
}

QByteArray randomRecord(quint32 seed)
{
    QByteArray bytes(DataRecordSize, Qt::Uninitialized);
    QRandomGenerator random(seed);
    for (char& byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

// Enough cards that learning a few in each mode never empties the dictionary.
QStringList cardLines()
{
    QStringList lines;
    for (int i = 0; i < 40; ++i)
        lines.append(QStringLiteral("word%1 = слово%1").arg(i));
    return lines;
}

QByteArray geometry(int left, int top, int width, int height)
{
    DataRecord record = defaultDataRecord();
    record.GeometryMark = StoredGeometryMark;
    record.WindowLeft = left;
    record.WindowTop = top;
    record.WindowWidth = width;
    record.WindowHeight = height;
    return encodeDataRecord(record);
}

} // namespace

// A settings file of the right length is read whatever its bytes: the window built on it
// starts, learns, changes mode and screen, closes, and writes a file the next start reads.
class TestDamagedSettingsWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void learnsAndCloses_data();
    void learnsAndCloses();

private:
    // The size of a window started without a settings file.
    QSize m_firstRunSize;
};

void TestDamagedSettingsWindow::initTestCase()
{
    WindowFixture fixture;
    m_firstRunSize = fixture.start().size();
}

void TestDamagedSettingsWindow::learnsAndCloses_data()
{
    constexpr int most = std::numeric_limits<int>::max();
    constexpr int least = std::numeric_limits<int>::min();
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("defaults") << encodeDataRecord(defaultDataRecord());
    QTest::newRow("zeros") << filled('\0');
    QTest::newRow("all bits set") << filled('\xFF');
    QTest::newRow("largest positive numbers") << filled('\x7F');
    QTest::newRow("largest negative numbers") << filled('\x80');
    for (quint32 seed = 1; seed <= 4; ++seed)
        QTest::newRow(qPrintable(QStringLiteral("random %1").arg(seed))) << randomRecord(seed);
    QTest::newRow("window larger than any screen") << geometry(least, least, most, most);
    QTest::newRow("window of no size, far away") << geometry(most, most, 0, 0);
}

void TestDamagedSettingsWindow::learnsAndCloses()
{
    QFETCH(QByteArray, bytes);
    WindowFixture fixture;
    QDir().mkpath(fixture.path("Data"));
    QFile file(fixture.path("Data/DataFile"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();

    BoxWatcher boxes;
    const QStringList cards = cardLines();
    TFormVocadrill& window = fixture.startWith("Words.txt", cards.join("\r\n").toUtf8());
    const QRect desktop = window.screen()->virtualGeometry();
    QVERIFY(desktop.intersects(window.geometry()));
    QVERIFY(window.width() <= std::max(desktop.width(), m_firstRunSize.width()));
    QVERIFY(window.height() <= std::max(desktop.height(), m_firstRunSize.height()));

    auto* modes = child<QComboBox>(window, "cbLearning");
    auto* tabs = child<QTabWidget>(window, "TabControl1");
    for (int mode = 0; mode < modes->count(); ++mode) {
        modes->setCurrentIndex(mode);
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            QTest::qWait(1);
        }
        tabs->setCurrentIndex(0);
        for (const char* action : {"Next0", "Remind0", "Next0", "SideLearnt0", "Learnt0", "Next0"})
            window.execute(QLatin1String(action));
        auto* automatic = child<QCheckBox>(window, "cbAuto");
        automatic->setChecked(true);
        QTest::qWait(20);
        automatic->setChecked(false);
    }
    QVERIFY(window.close());
    fixture.stop();
    QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join(u'\n')));

    DataRecord written = defaultDataRecord();
    QVERIFY(decodeDataRecord(fixture.read("Data/DataFile"), written));
    // The dictionary keeps each card once, or none that left it learnt, and nothing else.
    const QStringList kept = TextFile::readLines(fixture.path("Vocadrill/Words.txt"));
    const QStringList learnt = TextFile::readLines(fixture.path("Vocadrill/Learnt/Learnt.txt"));
    QCOMPARE(QSet<QString>(kept.begin(), kept.end()).size(), kept.size());
    for (const QString& card : cards)
        QVERIFY2(kept.contains(card) || learnt.contains(card), qPrintable(card));
    for (const QString& line : kept + learnt)
        QVERIFY2(cards.contains(line), qPrintable(line));

    QVERIFY(fixture.start().close());
    fixture.stop();
    QVERIFY(decodeDataRecord(fixture.read("Data/DataFile"), written));
}

QTEST_MAIN(TestDamagedSettingsWindow)
#include "tst_damagedsettingswindow.moc"
