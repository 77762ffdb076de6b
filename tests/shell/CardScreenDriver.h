#pragma once

#include "cardscreen/CardScreenInput.h"
#include "shell/FormVocadrill.h"

#include <QLineF>
#include <QTest>

// Drives the card screen of a whole window as a learner does: strokes and taps on the gesture
// layer, with the tap's 40 ms and the timers that guard the card actions ended at once.
class CardScreenDriver
{
public:
    explicit CardScreenDriver(TFormVocadrill& window)
        : m_layer(window.findChild<QWidget*>(QStringLiteral("recGestures"))),
          m_input(window.findChild<CardScreenInput*>())
    {
        if (!m_layer || !m_input)
            qFatal("no card screen input");
    }

    QWidget& layer() { return *m_layer; }
    CardScreenInput& input() { return *m_input; }

    // Draws a stroke through the corners, given in shares of the layer's size, a point every 5
    // pixels.
    void draw(const QList<QPointF>& corners)
    {
        const auto at = [this](QPointF share) {
            return QPointF(share.x() * m_layer->width(), share.y() * m_layer->height());
        };
        QTest::mousePress(m_layer, Qt::LeftButton, {}, at(corners.first()).toPoint());
        for (qsizetype i = 1; i < corners.size(); ++i) {
            const QLineF side(at(corners[i - 1]), at(corners[i]));
            const int steps = std::max(1, int(side.length() / 5));
            for (int s = 1; s <= steps; ++s)
                QTest::mouseMove(m_layer, side.pointAt(double(s) / steps).toPoint());
        }
        QTest::mouseRelease(m_layer, Qt::LeftButton, {}, at(corners.last()).toPoint());
    }
    void chevronUp() { draw({{0.4, 0.6}, {0.5, 0.4}, {0.6, 0.6}}); }
    void chevronDown() { draw({{0.4, 0.4}, {0.5, 0.6}, {0.6, 0.4}}); }
    void check() { draw({{0.4, 0.5}, {0.45, 0.6}, {0.6, 0.35}}); }
    void rightDown() { draw({{0.4, 0.4}, {0.6, 0.4}, {0.6, 0.6}}); }

    // A tap at the point, given in shares of the layer's size, and its 40 ms.
    void tap(QPointF share)
    {
        const QPoint at(int(share.x() * m_layer->width()), int(share.y() * m_layer->height()));
        QTest::mouseClick(m_layer, Qt::LeftButton, {}, at);
        if (m_input->tapPending())
            m_input->tmUpTimer();
    }

    // tmGesture's 100 ms and tmWaitAfterZoom's 2 seconds are over.
    void timersExpire()
    {
        m_input->tmGesture().stop();
        m_input->tmWaitAfterZoom().stop();
    }

private:
    QWidget* m_layer;
    CardScreenInput* m_input;
};
