#pragma once

#include <QLabel>

// A text that reports the pointer: press, release over it, click and double click.
class ClickableText : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void pressed();
    void released();
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
