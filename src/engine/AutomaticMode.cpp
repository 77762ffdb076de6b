#include "engine/AutomaticMode.h"

#include "settings/SettingsRecord.h"

#include <algorithm>

namespace {

constexpr int ShortestDelay = 50;

} // namespace

AutomaticMode::AutomaticMode(QObject* parent) : QObject(parent)
{
    tmMain.setObjectName(QStringLiteral("tmMain"));
    connect(&tmMain, &QTimer::timeout, this, &AutomaticMode::tick);
}

void AutomaticMode::setOn(bool on, const TSettings& settings)
{
    tmMain.stop();
    if (on)
        tmMain.start(intervalOf(settings));
}

void AutomaticMode::followInterval(const TSettings& settings)
{
    const int wanted = intervalOf(settings);
    if (wanted != tmMain.interval())
        tmMain.setInterval(wanted);
}

int AutomaticMode::intervalOf(const TSettings& settings)
{
    return std::max(settings.DelayInMilliseconds, ShortestDelay);
}
