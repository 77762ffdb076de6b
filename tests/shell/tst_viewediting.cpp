#include "BoxWatcher.h"
#include "FakeFilePicker.h"
#include "WindowFixture.h"
#include "appearance/ColorPanel.h"
#include "appearance/FormOpenPictureDialog.h"
#include "cards/Collation.h"
#include "settings/SettingsRecord.h"
#include "widgets/TiledPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QtTest>

namespace {

template <typename T> T* child(QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

int pixelSize(QWidget& window, const char* text)
{
    return child<QLabel>(window, text)->font().pixelSize();
}

bool near(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) < 12 && qAbs(qGreen(a) - qGreen(b)) < 12 &&
           qAbs(qBlue(a) - qBlue(b)) < 12;
}

QString pictureFile(const WindowFixture& fixture, int mode, const QString& half)
{
    return fixture.path(QStringLiteral("Data/Backgrounds/%1/%2.jpg").arg(mode).arg(half));
}

void writePicture(const QString& path, const QColor& colour, QSize size = {10, 10})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "JPG"));
}

} // namespace

class TestViewEditing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }

    void confirmedBackgroundLastsForItsMode_data();
    void confirmedBackgroundLastsForItsMode();
    void cancelAndEscapeLeaveThePlayScreen();
    void sizeBarOfBottomChangesTheAnswerOnly();
    void sizeOutsideTheBarsIsKept();
    void failedFileChangesNothing();
    void undecodablePickedPicture_data();
    void undecodablePickedPicture();
    void undecodableStoredPicture_data();
    void undecodableStoredPicture();
};

void TestViewEditing::confirmedBackgroundLastsForItsMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("half");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QSize>("pictureSize");

    QTest::newRow("preset rec03, bottom, Learning") << 0 << "Bottom"
                                                    << "rec03" << QSize(132, 132);
    QTest::newRow("preset rec06, top, Repeating2") << 2 << "Top"
                                                   << "rec06" << QSize(248, 264);
    QTest::newRow("file, top, Repeating") << 1 << "Top"
                                          << "file" << QSize(10, 10);
    QTest::newRow("colour, top, Repeating") << 1 << "Top"
                                            << "colour" << QSize();
    QTest::newRow("colour, bottom, Learning") << 0 << "Bottom"
                                              << "colour" << QSize();
}

void TestViewEditing::confirmedBackgroundLastsForItsMode()
{
    QFETCH(int, mode);
    QFETCH(QString, half);
    QFETCH(QString, choice);
    QFETCH(QSize, pictureSize);
    const bool top = half == "Top";
    const bool picture = choice != "colour";
    const QColor colour(10, 120, 30);
    const QColor fileColour(200, 40, 40);

    QTemporaryDir pictures;
    writePicture(pictures.filePath("Red.jpg"), fileColour);
    WindowFixture fixture;
    QDir().mkpath(fixture.path("Data/Backgrounds/0"));
    QDir().mkpath(fixture.path(QStringLiteral("Data/Backgrounds/%1").arg(mode)));
    // A picture file of the half before, which a confirmed colour removes.
    writePicture(pictureFile(fixture, mode, half), Qt::yellow, {5, 5});
    const int otherMode = (mode + 1) % ModeCount;
    QDir().mkpath(fixture.path(QStringLiteral("Data/Backgrounds/%1").arg(otherMode)));
    writePicture(pictureFile(fixture, otherMode, half), Qt::yellow, {5, 5});
    const QByteArray otherBefore =
        fixture.read(QStringLiteral("Data/Backgrounds/%1/%2.jpg").arg(otherMode).arg(half));

    const char* halfPanel = top ? "recQuestion" : "recAnswer";
    {
        TFormVocadrill& window = fixture.start();
        fakePicker(window.FormOpenPictureDialog(), {pictures.filePath("Red.jpg")});
        child<QComboBox>(window, "cbLearning")->setCurrentIndex(mode);
        QVERIFY(window.execute(half + "0"));
        QVERIFY(child<QWidget>(window, "recViewMain")->isVisible());
        if (choice == "colour")
            child<ColorPanel>(window, "ColorPanelBackground")->setColor(colour);
        else if (choice == "file")
            QVERIFY(window.execute("FromFile00"));
        else
            QTest::mousePress(child<QWidget>(window, qPrintable(choice)), Qt::LeftButton);
        QVERIFY(window.execute("ViewOK0"));

        QVERIFY(!child<QWidget>(window, "recViewMain")->isVisible());
        auto* shown = child<TiledPanel>(window, halfPanel);
        const TView& view = window.dataRecord().Views[mode];
        QCOMPARE(top ? view.TopTexture : view.BottomTexture, picture);
        QCOMPARE(QFileInfo::exists(pictureFile(fixture, mode, half)), picture);
        if (picture) {
            QCOMPARE(shown->fill(), TiledPanel::Fill::Picture);
            QCOMPARE(shown->picture().size(), pictureSize);
        } else {
            QCOMPARE(shown->fill(), TiledPanel::Fill::Colour);
            QCOMPARE(shown->colour(), colour);
            QCOMPARE(top ? view.TopColor : view.BottomColor, colour.rgba());
        }
        QVERIFY(window.close());
    }
    QCOMPARE(fixture.read(QStringLiteral("Data/Backgrounds/%1/%2.jpg").arg(otherMode).arg(half)),
             otherBefore);

    TFormVocadrill& window = fixture.start();
    QCOMPARE(window.LearningMode(), mode);
    auto* shown = child<TiledPanel>(window, halfPanel);
    if (picture) {
        QCOMPARE(shown->fill(), TiledPanel::Fill::Picture);
        QCOMPARE(shown->picture().size(), pictureSize);
        if (choice == "file")
            QVERIFY(near(shown->picture().toImage().pixel(5, 5), fileColour.rgb()));
    } else {
        QCOMPARE(shown->fill(), TiledPanel::Fill::Colour);
        QCOMPARE(shown->colour(), colour);
    }
}

void TestViewEditing::cancelAndEscapeLeaveThePlayScreen()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.start();
    const int size = pixelSize(window, "TextQuestion");
    const bool bold = child<QLabel>(window, "TextQuestion")->font().bold();
    auto* shown = child<TiledPanel>(window, "recQuestion");
    const qint64 pictureBefore = shown->picture().cacheKey();

    for (const bool escape : {false, true}) {
        QVERIFY(window.execute("Top0"));
        child<QCheckBox>(window, "cbQABold")->setChecked(!bold);
        QCOMPARE(child<QLabel>(window, "TextQuestion2")->font().bold(), !bold);
        child<QSlider>(window, "TrackBarQA")->setValue(size + 30);
        child<ColorPanel>(window, "ColorPanelBackground")->setColor(Qt::black);
        QCOMPARE(pixelSize(window, "TextQuestion2"), size + 30);
        if (escape)
            QTest::keyClick(&window, Qt::Key_Escape);
        else
            QVERIFY(window.execute("ViewCancel0"));

        QVERIFY(!child<QWidget>(window, "recViewMain")->isVisible());
        QVERIFY(!child<QWidget>(window, "recAdvertisement")->isVisible());
        QCOMPARE(pixelSize(window, "TextQuestion"), size);
        QCOMPARE(child<QLabel>(window, "TextQuestion")->font().bold(), bold);
        QCOMPARE(shown->fill(), TiledPanel::Fill::Picture);
        QCOMPARE(shown->picture().cacheKey(), pictureBefore);

        // Opening again starts from the play screen, not from what was dropped.
        QVERIFY(window.execute("Top0"));
        QCOMPARE(child<QCheckBox>(window, "cbQABold")->isChecked(), bold);
        QCOMPARE(child<QSlider>(window, "TrackBarQA")->value(), size);
        QCOMPARE(child<TiledPanel>(window, "recView")->fill(), TiledPanel::Fill::Picture);
        QVERIFY(window.execute("ViewCancel0"));
    }
}

void TestViewEditing::sizeBarOfBottomChangesTheAnswerOnly()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.start();
    const int question = pixelSize(window, "TextQuestion");
    const int phonetic = pixelSize(window, "TextPhonetic");
    QVERIFY(window.execute("Bottom0"));
    child<QSlider>(window, "TrackBarQA")->setValue(77);
    QCOMPARE(pixelSize(window, "TextAnswer2"), 77);
    QVERIFY(window.execute("ViewOK0"));
    QCOMPARE(pixelSize(window, "TextAnswer"), 77);
    QCOMPARE(pixelSize(window, "TextQuestion"), question);
    QCOMPARE(pixelSize(window, "TextPhonetic"), phonetic);
}

void TestViewEditing::sizeOutsideTheBarsIsKept()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.start();
    window.dataRecord().Views[1].ASize = 160;
    child<QComboBox>(window, "cbLearning")->setCurrentIndex(1);
    QCOMPARE(pixelSize(window, "TextAnswer"), 160);

    QVERIFY(window.execute("Bottom0"));
    QCOMPARE(child<QSlider>(window, "TrackBarQA")->value(), 140);
    QCOMPARE(pixelSize(window, "TextAnswer2"), 160);
    QVERIFY(window.execute("ViewOK0"));
    QCOMPARE(pixelSize(window, "TextAnswer"), 160);

    QVERIFY(window.execute("Bottom0"));
    child<QSlider>(window, "TrackBarQA")->setValue(120);
    QVERIFY(window.execute("ViewOK0"));
    QCOMPARE(pixelSize(window, "TextAnswer"), 120);
}

// When the picture file cannot be changed, the learner is told and nothing else changes.
void TestViewEditing::failedFileChangesNothing()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.start();
    // A folder that cannot be removed stands where the picture file is.
    QVERIFY(QDir().mkpath(pictureFile(fixture, 0, "Top") + "/inside"));
    auto* shown = child<TiledPanel>(window, "recQuestion");
    const qint64 pictureBefore = shown->picture().cacheKey();
    const int size = pixelSize(window, "TextQuestion");

    QVERIFY(window.execute("Top0"));
    child<QSlider>(window, "TrackBarQA")->setValue(size + 10);
    child<ColorPanel>(window, "ColorPanelBackground")->setColor(Qt::black);
    BoxWatcher boxes;
    QVERIFY(window.execute("ViewOK0"));

    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY(boxes.texts.first().contains("Top.jpg"));
    QVERIFY(child<QWidget>(window, "recViewMain")->isVisible());
    QCOMPARE(shown->fill(), TiledPanel::Fill::Picture);
    QCOMPARE(shown->picture().cacheKey(), pictureBefore);
    QVERIFY(window.dataRecord().Views[0].TopTexture);
    QCOMPARE(pixelSize(window, "TextQuestion"), size);
}

void TestViewEditing::undecodablePickedPicture_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("not a picture") << "not-a-picture.jpg";
    QTest::newRow("huge png") << "huge-dimensions.png";
    QTest::newRow("huge bmp") << "huge-dimensions.bmp";
}

void TestViewEditing::undecodablePickedPicture()
{
    QFETCH(QString, file);
    const QString picked = VOCADRILL_FIXTURES "/backgrounds/" + file;
    WindowFixture fixture;
    TFormVocadrill& window = fixture.start();
    fakePicker(window.FormOpenPictureDialog(), {picked});
    QVERIFY(window.execute("Bottom0"));
    auto* preview = child<TiledPanel>(window, "recView");
    const qint64 pictureBefore = preview->picture().cacheKey();
    BoxWatcher boxes;
    QVERIFY(window.execute("FromFile00"));

    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY(boxes.texts.first().contains(file));
    QCOMPARE(preview->picture().cacheKey(), pictureBefore);
    QCOMPARE(preview->fill(), TiledPanel::Fill::Picture);
    QVERIFY(window.FormOpenPictureDialog().FileName.isEmpty());
    QVERIFY(!QFileInfo::exists(fixture.path("Data/BGName.txt")));
}

void TestViewEditing::undecodableStoredPicture_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QSize>("bottomPreset");

    QTest::newRow("at start") << 0 << QSize(512, 512);
    QTest::newRow("on a mode switch") << 1 << QSize(132, 132);
}

// The half keeps the picture it shows, the learner is told, and the rest goes on.
void TestViewEditing::undecodableStoredPicture()
{
    QFETCH(int, mode);
    QFETCH(QSize, bottomPreset);
    WindowFixture fixture;
    QDir().mkpath(fixture.path(QStringLiteral("Data/Backgrounds/%1").arg(mode)));
    QVERIFY(QFile::copy(VOCADRILL_FIXTURES "/backgrounds/not-a-picture.jpg",
                        pictureFile(fixture, mode, "Top")));
    BoxWatcher boxes;
    TFormVocadrill& window = fixture.startWith("Animals.txt", "cat = кошка\r\n");
    auto* top = child<TiledPanel>(window, "recQuestion");
    const qint64 topBefore = top->picture().cacheKey();
    if (mode != 0) {
        QVERIFY(boxes.texts.isEmpty());
        child<QComboBox>(window, "cbLearning")->setCurrentIndex(mode);
        QCOMPARE(top->picture().cacheKey(), topBefore);
    }

    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY(boxes.texts.first().contains("Top.jpg"));
    QCOMPARE(top->fill(), TiledPanel::Fill::Picture);
    QCOMPARE(top->picture().size(), QSize(512, 512));
    QCOMPARE(child<TiledPanel>(window, "recAnswer")->picture().size(), bottomPreset);
    QVERIFY(window.action("Look00")->isEnabled());
}

QTEST_MAIN(TestViewEditing)
#include "tst_viewediting.moc"
