#pragma once

#include <QObject>
#include <QTimer>

// A double click by timer: a click within 400 ms of the one before completes a double click.
// Each control that takes double clicks has its own, so clicks on two different controls never
// make one. Tests end the 400 ms with tmDblClickTimer instead of waiting.
class DoubleClick : public QObject
{
    Q_OBJECT

public:
    explicit DoubleClick(QObject* parent = nullptr);

    // True when this click completes a double click; in every case the 400 ms start again.
    bool click();
    void tmDblClickTimer() { tmDblClick.stop(); }

private:
    QTimer tmDblClick;
};
