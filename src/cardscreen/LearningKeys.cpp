#include "cardscreen/LearningKeys.h"

#include <QKeyEvent>

QString learningKeyAction(const QKeyEvent& key)
{
    if (key.modifiers() & ~Qt::KeypadModifier)
        return {};
    switch (key.key()) {
    case Qt::Key_Right:
        return QStringLiteral("Next0");
    case Qt::Key_Space:
    case Qt::Key_Down:
        return QStringLiteral("Remind0");
    case Qt::Key_Up:
        return QStringLiteral("SideLearnt0");
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("Learnt0");
    case Qt::Key_F11:
        return QStringLiteral("FullScreen0");
    case Qt::Key_F2:
        return QStringLiteral("Edit0");
    case Qt::Key_S:
        return QStringLiteral("Say0");
    default:
        return {};
    }
}
