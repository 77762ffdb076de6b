#include "settings/Backgrounds.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <mutex>

// The preset tiles live in a resource of a static library: registering it here makes the
// linker keep it.
static void registerPresetResources()
{
    Q_INIT_RESOURCE(presets);
}

namespace {

int knownMode(int mode)
{
    return mode >= 0 && mode < ModeCount ? mode : 0;
}

} // namespace

QString BackGroundFile(const QString& backgroundsDir, int mode, ScreenHalf half)
{
    const QString name =
        half == ScreenHalf::Top ? QStringLiteral("Top.jpg") : QStringLiteral("Bottom.jpg");
    return QDir::toNativeSeparators(
        QDir(backgroundsDir).filePath(QString::number(knownMode(mode)) + QLatin1Char('/') + name));
}

QString BackGroundTopFile(const QString& backgroundsDir, int mode)
{
    return BackGroundFile(backgroundsDir, mode, ScreenHalf::Top);
}

QString BackGroundBottomFile(const QString& backgroundsDir, int mode)
{
    return BackGroundFile(backgroundsDir, mode, ScreenHalf::Bottom);
}

QString presetPicturePath(int tile)
{
    static std::once_flag registered;
    std::call_once(registered, registerPresetResources);
    return QStringLiteral(":/presets/rec%1.png").arg(tile, 2, 10, QLatin1Char('0'));
}

int presetTileFor(int mode, ScreenHalf half)
{
    const bool top = half == ScreenHalf::Top;
    switch (knownMode(mode)) {
    case 1:
        return top ? 3 : 4;
    case 2:
        return 5;
    default:
        return top ? 1 : 2;
    }
}

BackgroundChoice chooseBackground(const QString& backgroundsDir, int mode, const TView& view,
                                  ScreenHalf half)
{
    const bool top = half == ScreenHalf::Top;
    if (!(top ? view.TopTexture : view.BottomTexture))
        return {BackgroundChoice::Source::Colour,
                QColor::fromRgba(top ? view.TopColor : view.BottomColor),
                {}};

    const QString file = BackGroundFile(backgroundsDir, mode, half);
    if (QFileInfo::exists(file))
        return {BackgroundChoice::Source::File, {}, file};
    return {BackgroundChoice::Source::Preset, {}, presetPicturePath(presetTileFor(mode, half))};
}

DecodedPicture decodePicture(const QString& path)
{
    // The limit is process-wide in Qt; every picture the program decodes goes through here.
    QImageReader::setAllocationLimit(PictureAllocationLimitMb);
    QImageReader reader(path);
    reader.setAutoTransform(true);

    const QSize size = reader.size();
    if (size.width() > MaxPictureSide || size.height() > MaxPictureSide) {
        const QString tooLarge = QCoreApplication::translate(
            "Backgrounds", "the picture is %1 × %2 pixels, more than %3 × %3 allowed");
        return {{},
                QStringLiteral("%1: %2").arg(
                    QDir::toNativeSeparators(path),
                    tooLarge.arg(size.width()).arg(size.height()).arg(MaxPictureSide))};
    }

    QImage image;
    if (!reader.read(&image))
        return {{},
                QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reader.errorString())};
    return {image, {}};
}

QStringList ShownBackgrounds::errors() const
{
    QStringList list;
    for (const ShownHalf* half : {&top, &bottom})
        if (!half->error.isEmpty())
            list << half->error;
    return list;
}

ShownBackgrounds ShowBackgrounds(const QString& backgroundsDir, int mode, const TView& view)
{
    const auto show = [&](ScreenHalf which) {
        ShownHalf half{chooseBackground(backgroundsDir, mode, view, which), {}, {}};
        if (half.choice.source != BackgroundChoice::Source::Colour) {
            DecodedPicture decoded = decodePicture(half.choice.picturePath);
            half.picture = std::move(decoded.image);
            half.error = std::move(decoded.error);
        }
        return half;
    };
    return {show(ScreenHalf::Top), show(ScreenHalf::Bottom)};
}
