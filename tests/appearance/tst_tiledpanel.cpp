#include "widgets/TiledPanel.h"

#include <QImage>
#include <QTest>

namespace {

// A 10 x 10 picture whose every pixel differs, so a stretched or shifted copy shows.
QPixmap tenByTen()
{
    QImage image(10, 10, QImage::Format_RGB32);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            image.setPixel(x, y, qRgb(20 * x, 20 * y, 100));
    return QPixmap::fromImage(image);
}

QImage rendered(QWidget& widget, const QRegion& region = {})
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    widget.render(&image, region.isEmpty() ? QPoint() : region.boundingRect().topLeft(), region);
    return image;
}

// Where the first pixel of image differs from expected(x, y), as text; empty when none does.
template <typename Expected>
QString firstMismatch(const QImage& image, const QRect& area, Expected expected)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != expected(x, y))
                return QStringLiteral("(%1, %2): %3 instead of %4")
                    .arg(x)
                    .arg(y)
                    .arg(image.pixel(x, y), 8, 16)
                    .arg(expected(x, y), 8, 16);
    return {};
}

} // namespace

class TestTiledPanel : public QObject
{
    Q_OBJECT

private slots:
    void pictureIsTiledNotStretched_data();
    void pictureIsTiledNotStretched();
    void fillKind_data();
    void fillKind();
};

void TestTiledPanel::pictureIsTiledNotStretched_data()
{
    QTest::addColumn<QRect>("repainted");

    QTest::newRow("whole panel") << QRect(0, 0, 40, 30);
    // A part repainted alone keeps the tiles anchored at the panel's corner.
    QTest::newRow("inner part") << QRect(13, 7, 21, 17);
}

void TestTiledPanel::pictureIsTiledNotStretched()
{
    QFETCH(QRect, repainted);

    TiledPanel panel;
    panel.resize(40, 30);
    const QPixmap picture = tenByTen();
    panel.setPicture(picture);
    panel.setFill(TiledPanel::Fill::Picture);

    const QImage tile = picture.toImage();
    const QImage image = rendered(panel, repainted);
    const QRect whole(0, 0, 40, 30);
    const QString mismatch =
        firstMismatch(image, repainted, [&](int x, int y) { return tile.pixel(x % 10, y % 10); });
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    if (repainted != whole)
        QCOMPARE(image.pixel(0, 0), qRgb(255, 0, 255));
}

void TestTiledPanel::fillKind_data()
{
    QTest::addColumn<TiledPanel::Fill>("fill");
    QTest::addColumn<bool>("withPicture");
    QTest::addColumn<bool>("showsPicture");

    QTest::newRow("colour, no picture") << TiledPanel::Fill::Colour << false << false;
    QTest::newRow("colour over a held picture") << TiledPanel::Fill::Colour << true << false;
    QTest::newRow("picture") << TiledPanel::Fill::Picture << true << true;
    QTest::newRow("picture fill without picture") << TiledPanel::Fill::Picture << false << false;
}

// The panel keeps both its colour and its picture; the fill kind picks what shows.
void TestTiledPanel::fillKind()
{
    QFETCH(TiledPanel::Fill, fill);
    QFETCH(bool, withPicture);
    QFETCH(bool, showsPicture);

    TiledPanel panel;
    panel.resize(25, 15);
    panel.setFill(TiledPanel::Fill::Picture);
    panel.setPicture(tenByTen());
    panel.setFill(fill);
    if (!withPicture)
        panel.setPicture({});
    panel.setColour(QColor(0x30, 0x60, 0x90));

    const QImage tile = tenByTen().toImage();
    const QImage image = rendered(panel);
    const QString mismatch = firstMismatch(image, image.rect(), [&](int x, int y) {
        return showsPicture ? tile.pixel(x % 10, y % 10) : qRgb(0x30, 0x60, 0x90);
    });
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    QCOMPARE(panel.fill(), fill);
    QCOMPARE(panel.picture().isNull(), !withPicture);
}

QTEST_MAIN(TestTiledPanel)
#include "tst_tiledpanel.moc"
