#include "cardscreen/TapZones.h"

TapCode tapCode(double width, double height, double x, double y, bool automatic)
{
    if (automatic)
        return TapCode::AutomaticOff;
    if (x < width / 3 || x > 2 * width / 3)
        return y < height / 2 ? TapCode::Next : TapCode::Remind;
    if (y <= height / 3)
        return TapCode::SideLearnt;
    if (y <= 2 * height / 3)
        return TapCode::FullScreen;
    return TapCode::Learnt;
}

QString tapAction(TapCode code)
{
    switch (code) {
    case TapCode::AutomaticOff:
        return {};
    case TapCode::Next:
        return QStringLiteral("Next0");
    case TapCode::Remind:
        return QStringLiteral("Remind0");
    case TapCode::SideLearnt:
        return QStringLiteral("SideLearnt0");
    case TapCode::FullScreen:
        return QStringLiteral("FullScreen0");
    case TapCode::Learnt:
        return QStringLiteral("Learnt0");
    }
    return {};
}
