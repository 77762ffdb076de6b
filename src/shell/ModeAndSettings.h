#pragma once

#include <QObject>

class ViewEditing;
struct WindowParts;

// The learning mode list, the settings screen's switches and the card screen's ticks, kept in
// step with the record and the engine.
class ModeAndSettings : public QObject
{
    Q_OBJECT

public:
    ModeAndSettings(WindowParts& parts, ViewEditing& views);

    void connectControls();
    // The record's mode follows the list at once, so that the engine, the settings screen and
    // the card screen all read the chosen mode's settings and view from the next event on. The
    // view of the mode left keeps its zoomed text sizes.
    void cbLearningChange(int index);

private:
    void switchesChanged();

    WindowParts& m_parts;
    ViewEditing& m_views;
};
