#pragma once

#include "settings/SettingsRecord.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

// The two halves of the play screen: the question above, the answer below.
enum class ScreenHalf
{
    Top,
    Bottom,
};

// The picture file of a half in a mode: <backgroundsDir>/<mode>/Top.jpg or Bottom.jpg. A mode
// outside 0..2 counts as mode 0, as it does when the settings file is read.
QString BackGroundFile(const QString& backgroundsDir, int mode, ScreenHalf half);
QString BackGroundTopFile(const QString& backgroundsDir, int mode);
QString BackGroundBottomFile(const QString& backgroundsDir, int mode);

// The preset tiles rec01 .. rec06 are numbered 1..6.
inline constexpr int PresetCount = 6;

// The resource path of a preset tile.
QString presetPicturePath(int tile);

// The preset a half shows in a mode that has no picture file for it: rec01 and rec02 in
// mode 0, rec03 and rec04 in mode 1, rec05 in both halves of mode 2.
int presetTileFor(int mode, ScreenHalf half);

// What a half of the play screen shows in a mode.
struct BackgroundChoice
{
    enum class Source
    {
        // The view has no texture for the half: the plain colour.
        Colour,
        // The mode's picture file for the half.
        File,
        // The mode's preset tile.
        Preset,
    };

    Source source = Source::Colour;
    QColor colour;
    QString picturePath;
};

// Decides what a half shows from the view's texture flag and colour and from whether the
// mode's picture file exists.
BackgroundChoice chooseBackground(const QString& backgroundsDir, int mode, const TView& view,
                                  ScreenHalf half);

// Pictures wider or taller than this are refused before they are decoded.
inline constexpr int MaxPictureSide = 8192;
// The most memory, in megabytes, that decoding one picture may take: enough for any picture of
// 8 bits per channel within the side limit.
inline constexpr int PictureAllocationLimitMb = 256;

// A decoded picture, or the reason it could not be decoded (with the file's path).
struct DecodedPicture
{
    QImage image;
    QString error;
};

// Decodes a picture file of any format Qt reads. A file that is not a picture, or whose
// header promises more pixels than the limits allow, gives an error and no image.
DecodedPicture decodePicture(const QString& path);

// One half as the play screen should show it. When the picture could not be decoded, picture
// is null and error says why: the half keeps the picture it has.
struct ShownHalf
{
    BackgroundChoice choice;
    QImage picture;
    QString error;
};

struct ShownBackgrounds
{
    ShownHalf top;
    ShownHalf bottom;

    // The decoding errors of both halves, top first.
    QStringList errors() const;
};

// What both halves of the play screen show in a mode, with the pictures decoded. A half whose
// picture fails does not stop the other half.
ShownBackgrounds ShowBackgrounds(const QString& backgroundsDir, int mode, const TView& view);
