#include "cards/FileError.h"
#include "settings/BackgroundPictureFile.h"

#include <QImageReader>
#include <QtTest>

namespace {

QImage filled(QImage::Format format, const QColor& colour)
{
    QImage image(10, 6, format);
    image.fill(colour);
    return image;
}

bool near(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) < 8 && qAbs(qGreen(a) - qGreen(b)) < 8 &&
           qAbs(qBlue(a) - qBlue(b)) < 8;
}

} // namespace

class TestBackgroundPictureFile : public QObject
{
    Q_OBJECT

private slots:
    void writeReplacesWithJpeg();
    void transparentPartsBecomeWhite();
    void writeIntoMissingFolder();
    void remove();
    void removeThatFails();
};

void TestBackgroundPictureFile::writeReplacesWithJpeg()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Top.jpg");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("not a picture");
    old.close();

    BackgroundPictureFile::write(path, filled(QImage::Format_RGB32, QColor(30, 90, 200)));
    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage back = reader.read();
    QCOMPARE(back.size(), QSize(10, 6));
    QVERIFY(near(back.pixel(5, 3), qRgb(30, 90, 200)));
}

void TestBackgroundPictureFile::transparentPartsBecomeWhite()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Bottom.jpg");
    BackgroundPictureFile::write(path, filled(QImage::Format_ARGB32, Qt::transparent));
    QVERIFY(near(QImage(path).pixel(0, 0), qRgb(255, 255, 255)));
}

void TestBackgroundPictureFile::writeIntoMissingFolder()
{
    QTemporaryDir dir;
    try {
        BackgroundPictureFile::write(dir.filePath("1/Top.jpg"),
                                     filled(QImage::Format_RGB32, Qt::red));
        QFAIL("writing into a missing folder did not throw");
    } catch (const FileError& error) {
        QVERIFY(error.message().startsWith(dir.filePath("1/Top.jpg")));
    }
    QVERIFY(QDir(dir.path()).isEmpty());
}

void TestBackgroundPictureFile::remove()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Top.jpg");
    BackgroundPictureFile::remove(path);
    BackgroundPictureFile::write(path, filled(QImage::Format_RGB32, Qt::red));
    BackgroundPictureFile::remove(path);
    QVERIFY(!QFileInfo::exists(path));
}

void TestBackgroundPictureFile::removeThatFails()
{
    // A folder with a file in it stands where the picture file is.
    QTemporaryDir dir;
    const QString path = dir.filePath("Top.jpg");
    QVERIFY(QDir().mkpath(path + "/inside"));
    try {
        BackgroundPictureFile::remove(path);
        QFAIL("removing a folder in place of the picture did not throw");
    } catch (const FileError& error) {
        QVERIFY(error.message().startsWith(path));
    }
    QVERIFY(QFileInfo(path).isDir());
}

QTEST_GUILESS_MAIN(TestBackgroundPictureFile)
#include "tst_backgroundpicturefile.moc"
