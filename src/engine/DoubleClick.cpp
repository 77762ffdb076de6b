#include "engine/DoubleClick.h"

DoubleClick::DoubleClick(QObject* parent) : QObject(parent)
{
    tmDblClick.setObjectName(QStringLiteral("tmDblClick"));
    tmDblClick.setInterval(400);
    tmDblClick.setSingleShot(true);
}

bool DoubleClick::click()
{
    const bool second = tmDblClick.isActive();
    tmDblClick.start();
    return second;
}
