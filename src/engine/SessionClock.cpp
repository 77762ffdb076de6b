#include "engine/SessionClock.h"

#include <algorithm>

SessionClock::SessionClock(ElapsedMs elapsedMs, QObject* parent)
    : QObject(parent), m_elapsedMs(std::move(elapsedMs))
{
    tmTime.setObjectName(QStringLiteral("tmTime"));
    tmTime.setInterval(1000);
    connect(&tmTime, &QTimer::timeout, this, &SessionClock::tmTimeTimer);
    if (!m_elapsedMs) {
        m_startTime.start();
        m_elapsedMs = [this] { return m_startTime.elapsed(); };
    }
    m_textTime = clockText(0);
}

void SessionClock::tmTimeTimer()
{
    const QString text = clockText(m_elapsedMs());
    if (text == m_textTime)
        return;
    m_textTime = text;
    emit textTimeChanged(m_textTime);
}

QString SessionClock::clockText(qint64 elapsedMs)
{
    const qint64 seconds = std::max<qint64>(elapsedMs, 0) / 1000;
    const qint64 hours = seconds / 3600;
    const QString minutesAndSeconds = QStringLiteral(":%1:%2")
                                          .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                                          .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    if (hours == 0)
        return QLatin1String("0") + minutesAndSeconds;
    return QStringLiteral("%1").arg(hours, 2, 10, QLatin1Char('0')) + minutesAndSeconds;
}
