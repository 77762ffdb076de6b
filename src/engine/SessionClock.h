#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

// The time since start-up for the status line, measured with a monotonic clock and shown as
// "0:12:05" below one hour and "01:02:00" from then on. The timer tmTime refreshes it every
// second; tests give their own time source and call tmTimeTimer.
class SessionClock : public QObject
{
    Q_OBJECT

public:
    using ElapsedMs = std::function<qint64()>;

    // Without a time source the clock measures from its construction.
    explicit SessionClock(ElapsedMs elapsedMs = {}, QObject* parent = nullptr);

    void start() { tmTime.start(); }
    const QString& TextTime() const { return m_textTime; }
    void tmTimeTimer();

    static QString clockText(qint64 elapsedMs);

signals:
    void textTimeChanged(const QString& text);

private:
    QTimer tmTime;
    QElapsedTimer m_startTime;
    ElapsedMs m_elapsedMs;
    QString m_textTime;
};
