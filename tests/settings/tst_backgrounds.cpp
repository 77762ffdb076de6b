#include "settings/Backgrounds.h"
#include "settings/SettingsRecord.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

namespace {

QString fixture(const QString& name)
{
    return QStringLiteral(VOCADRILL_FIXTURES "/backgrounds/") + name;
}

QString modeFolder(const QString& backgroundsDir, int mode)
{
    return QDir(backgroundsDir).filePath(QString::number(mode));
}

// A backgrounds folder with the three mode subfolders, as start-up makes it.
QString makeBackgroundsDir(const QTemporaryDir& temp)
{
    const QString dir = temp.filePath(QStringLiteral("Backgrounds"));
    for (int mode = 0; mode < ModeCount; ++mode)
        QDir().mkpath(modeFolder(dir, mode));
    return dir;
}

// A small picture in one colour, written as JPEG at path.
void writePicture(const QString& path, const QColor& colour)
{
    QImage image(12, 8, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "JPG"));
}

// The mean difference of the colour channels of two columns (or two rows) of an image.
double meanDifference(const QImage& image, int a, int b, Qt::Orientation lines)
{
    const int length = lines == Qt::Vertical ? image.height() : image.width();
    double sum = 0;
    for (int i = 0; i < length; ++i) {
        const QRgb p = lines == Qt::Vertical ? image.pixel(a, i) : image.pixel(i, a);
        const QRgb q = lines == Qt::Vertical ? image.pixel(b, i) : image.pixel(i, b);
        sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
               std::abs(qBlue(p) - qBlue(q));
    }
    return sum / length;
}

} // namespace

class TestBackgrounds : public QObject
{
    Q_OBJECT

private slots:
    void pictureFiles_data();
    void pictureFiles();
    void choice_data();
    void choice();
    void presets_data();
    void presets();
    void refusedPictures_data();
    void refusedPictures();
    void badFileKeepsItsHalfOnly();
};

void TestBackgrounds::pictureFiles_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("folder");

    QTest::newRow("Learning") << 0 << "0";
    QTest::newRow("Repeating") << 1 << "1";
    QTest::newRow("Repeating2") << 2 << "2";
    QTest::newRow("mode below range reads as 0") << -1 << "0";
    QTest::newRow("mode above range reads as 0") << 3 << "0";
}

void TestBackgrounds::pictureFiles()
{
    QFETCH(int, mode);
    QFETCH(QString, folder);

    const QString dir = QDir::toNativeSeparators(QStringLiteral("/data/Backgrounds"));
    const QString expected = dir + QDir::separator() + folder + QDir::separator();
    QCOMPARE(BackGroundTopFile(dir, mode), expected + QStringLiteral("Top.jpg"));
    QCOMPARE(BackGroundBottomFile(dir, mode), expected + QStringLiteral("Bottom.jpg"));
}

void TestBackgrounds::choice_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<ScreenHalf>("half");
    QTest::addColumn<bool>("texture");
    QTest::addColumn<bool>("filePresent");
    QTest::addColumn<BackgroundChoice::Source>("source");
    // For a preset, the tile number.
    QTest::addColumn<int>("tile");

    using S = BackgroundChoice::Source;
    const ScreenHalf top = ScreenHalf::Top;
    const ScreenHalf bottom = ScreenHalf::Bottom;

    QTest::newRow("0 top preset") << 0 << top << true << false << S::Preset << 1;
    QTest::newRow("0 bottom preset") << 0 << bottom << true << false << S::Preset << 2;
    QTest::newRow("1 top preset") << 1 << top << true << false << S::Preset << 3;
    QTest::newRow("1 bottom preset") << 1 << bottom << true << false << S::Preset << 4;
    QTest::newRow("2 top preset") << 2 << top << true << false << S::Preset << 5;
    QTest::newRow("2 bottom preset") << 2 << bottom << true << false << S::Preset << 5;
    QTest::newRow("out of range mode: mode 0 preset")
        << 7 << bottom << true << false << S::Preset << 2;

    QTest::newRow("0 top file") << 0 << top << true << true << S::File << 0;
    QTest::newRow("1 bottom file") << 1 << bottom << true << true << S::File << 0;
    QTest::newRow("2 top file") << 2 << top << true << true << S::File << 0;

    QTest::newRow("0 top colour") << 0 << top << false << false << S::Colour << 0;
    QTest::newRow("2 bottom colour") << 2 << bottom << false << false << S::Colour << 0;
    QTest::newRow("colour wins over a file") << 1 << top << false << true << S::Colour << 0;
}

void TestBackgrounds::choice()
{
    QFETCH(int, mode);
    QFETCH(ScreenHalf, half);
    QFETCH(bool, texture);
    QFETCH(bool, filePresent);
    QFETCH(BackgroundChoice::Source, source);
    QFETCH(int, tile);

    QTemporaryDir temp;
    const QString dir = makeBackgroundsDir(temp);
    const QString file = BackGroundFile(dir, mode, half);
    if (filePresent)
        writePicture(file, Qt::darkGreen);
    // The same half of another mode and the other half of this mode have pictures too; they
    // must not be taken.
    writePicture(BackGroundFile(dir, (mode + 1) % ModeCount, half), Qt::red);
    writePicture(
        BackGroundFile(dir, mode, half == ScreenHalf::Top ? ScreenHalf::Bottom : ScreenHalf::Top),
        Qt::red);

    TView view = defaultDataRecord().Views[0];
    view.TopTexture = view.BottomTexture = texture;
    view.TopColor = 0xFF102030;
    view.BottomColor = 0x80405060;

    const BackgroundChoice chosen = chooseBackground(dir, mode, view, half);
    QCOMPARE(chosen.source, source);
    switch (source) {
    case BackgroundChoice::Source::Colour:
        QCOMPARE(chosen.colour.rgba(), half == ScreenHalf::Top ? view.TopColor : view.BottomColor);
        break;
    case BackgroundChoice::Source::File:
        QCOMPARE(chosen.picturePath, file);
        break;
    case BackgroundChoice::Source::Preset:
        QCOMPARE(chosen.picturePath, presetPicturePath(tile));
        break;
    }

    const ShownBackgrounds shown = ShowBackgrounds(dir, mode, view);
    const ShownHalf& shownHalf = half == ScreenHalf::Top ? shown.top : shown.bottom;
    QVERIFY(shown.errors().isEmpty());
    QCOMPARE(shownHalf.picture.isNull(), source == BackgroundChoice::Source::Colour);
    if (source == BackgroundChoice::Source::File)
        QVERIFY(qGreen(shownHalf.picture.pixel(5, 4)) > 3 * qRed(shownHalf.picture.pixel(5, 4)));
}

void TestBackgrounds::presets_data()
{
    QTest::addColumn<int>("tile");
    QTest::addColumn<QSize>("size");
    // Light tiles carry dark text; the dark one carries white text.
    QTest::addColumn<bool>("light");

    QTest::newRow("rec01 white plaster") << 1 << QSize(512, 512) << true;
    QTest::newRow("rec02 blue plaster") << 2 << QSize(512, 512) << true;
    QTest::newRow("rec03 white marble") << 3 << QSize(132, 132) << true;
    QTest::newRow("rec04 blue marble") << 4 << QSize(132, 132) << true;
    QTest::newRow("rec05 dark navy") << 5 << QSize(256, 256) << false;
    QTest::newRow("rec06 grid paper") << 6 << QSize(248, 264) << true;
}

void TestBackgrounds::presets()
{
    QFETCH(int, tile);
    QFETCH(QSize, size);
    QFETCH(bool, light);

    const DecodedPicture decoded = decodePicture(presetPicturePath(tile));
    QVERIFY2(decoded.error.isEmpty(), qPrintable(decoded.error));
    const QImage& image = decoded.image;
    QCOMPARE(image.size(), size);

    double lightness = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            lightness += QColor(image.pixel(x, y)).lightnessF();
    lightness /= image.width() * image.height();
    QVERIFY2(light ? lightness > 0.8 : lightness < 0.25, qPrintable(QString::number(lightness)));

    // Seamless: where the tile meets its next copy, the last column and the first differ no
    // more than neighbouring columns inside the tile do; the same for rows.
    for (const Qt::Orientation lines : {Qt::Vertical, Qt::Horizontal}) {
        const int count = lines == Qt::Vertical ? image.width() : image.height();
        double inner = 0;
        for (int i = 0; i + 1 < count; ++i)
            inner += meanDifference(image, i, i + 1, lines);
        inner /= count - 1;
        const double seam = meanDifference(image, count - 1, 0, lines);
        QVERIFY2(seam <= 2 * inner + 1,
                 qPrintable(QStringLiteral("seam %1, inside %2").arg(seam).arg(inner)));
    }
}

void TestBackgrounds::refusedPictures_data()
{
    QTest::addColumn<QString>("fixtureName");
    // What the message names besides the file; Qt's own reason is not compared.
    QTest::addColumn<QString>("mentions");

    QTest::newRow("text bytes") << "not-a-picture.jpg"
                                << "";
    QTest::newRow("PNG claiming 100000 x 100000") << "huge-dimensions.png"
                                                  << "100000 × 100000";
    QTest::newRow("BMP claiming 16000 x 16000") << "huge-dimensions.bmp"
                                                << "16000 × 16000";
}

void TestBackgrounds::refusedPictures()
{
    QFETCH(QString, fixtureName);
    QFETCH(QString, mentions);

    const DecodedPicture decoded = decodePicture(fixture(fixtureName));
    QVERIFY(decoded.image.isNull());
    QVERIFY2(decoded.error.startsWith(QDir::toNativeSeparators(fixture(fixtureName)) + ": "),
             qPrintable(decoded.error));
    QVERIFY(decoded.error.size() > fixture(fixtureName).size() + 2);
    QVERIFY2(decoded.error.contains(mentions), qPrintable(decoded.error));
}

// An undecodable picture file of one half gives a message; the other half is still shown.
void TestBackgrounds::badFileKeepsItsHalfOnly()
{
    QTemporaryDir temp;
    const QString dir = makeBackgroundsDir(temp);
    QVERIFY(QFile::copy(fixture(QStringLiteral("not-a-picture.jpg")), BackGroundTopFile(dir, 1)));
    QVERIFY(
        QFile::copy(fixture(QStringLiteral("huge-dimensions.png")), BackGroundBottomFile(dir, 2)));

    TView view = defaultDataRecord().Views[1];
    view.TopTexture = view.BottomTexture = true;
    ShownBackgrounds shown = ShowBackgrounds(dir, 1, view);
    QVERIFY(shown.top.picture.isNull());
    QVERIFY(shown.top.error.contains(BackGroundTopFile(dir, 1)));
    QCOMPARE(shown.bottom.choice.source, BackgroundChoice::Source::Preset);
    QCOMPARE(shown.bottom.picture.size(), QSize(132, 132));
    QCOMPARE(shown.errors(), QStringList{shown.top.error});

    shown = ShowBackgrounds(dir, 2, view);
    QCOMPARE(shown.top.picture.size(), QSize(256, 256));
    QVERIFY(shown.bottom.picture.isNull());
    QCOMPARE(shown.errors(), QStringList{shown.bottom.error});
}

QTEST_GUILESS_MAIN(TestBackgrounds)
#include "tst_backgrounds.moc"
