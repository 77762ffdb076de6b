#pragma once

#include <QWidget>

class AutoLamp;
class QCheckBox;
class QPushButton;

// The transparent layer over the card screen that takes its pointer input. On it lie the card
// screen's two check boxes, the full-screen copy of the automatic-mode lamp and an invisible
// button over the counters indicator.
class GestureLayer : public QWidget
{
    Q_OBJECT

public:
    explicit GestureLayer(QWidget* parent);

    // btIndicatorColor lies over this indicator wherever the card screen draws it, and only
    // while it is shown.
    void followIndicator(QWidget* indicator);
    // These scroll bars of the card texts are left out of the layer wherever the card screen
    // shows them, so that they take the pointer themselves.
    void uncover(const QList<QWidget*>& scrollBars);

    QCheckBox* cbRightToLeft;
    QCheckBox* cbPhonetic;
    AutoLamp* lamp;
    QPushButton* btIndicatorColor;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchPlaceOf(QWidget* widget);
    QRect placeOf(const QWidget* widget) const;
    void followCardScreen();
    void placeIndicatorButton();
    void uncoverScrollBars();

    QWidget* m_indicator = nullptr;
    QList<QWidget*> m_scrollBars;
};
