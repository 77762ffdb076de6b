#pragma once

#include <QWidget>

class AutoLamp;
class QCheckBox;
class QPushButton;

// The transparent layer over the card screen that takes its pointer input. On it lie the card
// screen's two check boxes, the full-screen copy of the automatic-mode lamp and two invisible
// buttons over the learnt count and the indicator.
class GestureLayer : public QWidget
{
    Q_OBJECT

public:
    explicit GestureLayer(QWidget* parent);

    QCheckBox* cbRightToLeft;
    QCheckBox* cbPhonetic;
    AutoLamp* lamp;
    QPushButton* btLearntNumber;
    QPushButton* btIndicatorColor;

protected:
    void resizeEvent(QResizeEvent* event) override;
};
