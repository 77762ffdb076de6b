#pragma once

#include <QObject>
#include <QTimer>

struct TSettings;

// The automatic run: the timer tmMain executes Next at the pace DelayInMilliseconds while the
// mode is on. The engine decides what a tick does; this class holds the on/off state and the
// timer. Tests call the engine's tick handler instead of waiting.
class AutomaticMode : public QObject
{
    Q_OBJECT

public:
    explicit AutomaticMode(QObject* parent = nullptr);

    bool isOn() const { return tmMain.isActive(); }
    // Starts or stops tmMain with the interval of settings.
    void setOn(bool on, const TSettings& settings);
    // Follows a change of DelayInMilliseconds; a running timer restarts only when it changed.
    void followInterval(const TSettings& settings);
    int interval() const { return tmMain.interval(); }

    // The interval of the settings; never below the shortest delay the settings offer, so a
    // damaged record cannot make the timer spin.
    static int intervalOf(const TSettings& settings);

signals:
    void tick();

private:
    QTimer tmMain;
};
