#pragma once

#include <QColor>
#include <QWidget>

// The automatic-mode lamp: a ring with an inner circle whose colour tells the mode's state.
// A press on it is reported, so the lamp can switch the mode; its tip says so.
class AutoLamp : public QWidget
{
    Q_OBJECT

public:
    AutoLamp(const QString& outerName, const QString& innerName, QWidget* parent);

    // What the lamp does, in the interface language.
    static QString tip();

    void setInnerColor(const QColor& color);
    QColor innerColor() const { return m_inner; }

signals:
    void pressed();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void retranslate();

    QColor m_inner{0xFF006400};
};
