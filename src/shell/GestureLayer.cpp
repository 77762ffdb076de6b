#include "shell/GestureLayer.h"

#include "shell/AutoLamp.h"

#include <QCheckBox>
#include <QPushButton>

namespace {

QPushButton* invisibleButton(const char* name, QSize size, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setFixedSize(size);
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QStringLiteral("background: transparent; border: none;"));
    return button;
}

} // namespace

GestureLayer::GestureLayer(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("recGestures"));
    cbRightToLeft = new QCheckBox(QStringLiteral("RTL"), this);
    cbRightToLeft->setObjectName(QStringLiteral("cbRightToLeft"));
    cbRightToLeft->setChecked(true);
    cbPhonetic = new QCheckBox(QStringLiteral("[ ]"), this);
    cbPhonetic->setObjectName(QStringLiteral("cbPhonetic"));
    lamp = new AutoLamp(QStringLiteral("CircleAuto11"), QStringLiteral("CircleAuto22"), this);
    lamp->hide();
    btLearntNumber = invisibleButton("btLearntNumber", {25, 29}, this);
    btIndicatorColor = invisibleButton("btIndicatorColor", {16, 17}, this);
}

void GestureLayer::resizeEvent(QResizeEvent*)
{
    cbRightToLeft->adjustSize();
    cbPhonetic->adjustSize();
    cbRightToLeft->move(4, 4);
    cbPhonetic->move(4, 8 + cbRightToLeft->height());
    lamp->move(width() - lamp->width() - 6, 6);
    btLearntNumber->move(width() - btLearntNumber->width(), height() - btLearntNumber->height());
    btIndicatorColor->move(0, height() - btIndicatorColor->height());
}
