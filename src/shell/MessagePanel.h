#pragma once

#include <QWidget>

class QLabel;
class QTimer;

// The message panel "recMessage": a full-window layer with a small centred box that shows a short
// text for two seconds. Every message replaces the text and starts the two seconds anew. The layer
// lets the pointer through, so the card screen under it keeps working while a message is shown.
class MessagePanel : public QWidget
{
    Q_OBJECT

public:
    static constexpr int DisplayMilliseconds = 2000;

    explicit MessagePanel(QWidget* parent = nullptr);

    // Shows the text, restarting the two seconds. A carriage return alone starts a new line.
    void MyMessage(const QString& TheMessage);

    // The text now in the box.
    QString text() const;
    // "tmMessage": single-shot; its expiry hides the panel.
    QTimer* timer() const;

private:
    QLabel* m_text;
    QTimer* m_timer;
};
