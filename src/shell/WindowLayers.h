#pragma once

#include <QList>
#include <QObject>

class QWidget;
struct WindowParts;

// The layers of the window and what shows on them: the tabs, the full-screen layer, the gesture
// layer over the card screen, the panels over everything, and the Auto lamps.
class WindowLayers : public QObject
{
    Q_OBJECT

public:
    explicit WindowLayers(WindowParts& parts);

    // Lays the layers out again whenever the window or the card screen's tab moves or resizes,
    // and gives the keys back to the card screen when a panel closes.
    void followResizes();
    // The panels laid over the whole window, lowest first.
    QList<QWidget*> overlayPanels() const;
    void layoutOverlays();
    // The window is never smaller than its tabs and every panel laid over them need, so that
    // nothing overlaps or is cut; asked again when the language changes the texts.
    void keepSmallestSize();
    // After a change of tab: the gesture layer and automatic mode belong to the card screen.
    void TabControl1Paint();
    // The Auto lamps: grey when automatic mode is unavailable, red while on, green when ready.
    void MyRadio();
    void Actions0Execute();
    void FullScreen0Execute();
    void focusCardScreen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WindowParts& m_parts;
};
