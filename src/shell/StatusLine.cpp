#include "shell/StatusLine.h"

#include "widgets/ClickableText.h"

#include <QEvent>
#include <QHBoxLayout>

namespace {

ClickableText* field(QWidget* parent, QHBoxLayout* layout, const char* name, const QString& text,
                     int stretch)
{
    auto* label = new ClickableText(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label, stretch);
    return label;
}

} // namespace

StatusLine::StatusLine(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TextBottom"));
    setFixedHeight(31);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 0, 6, 0);
    TextDict = field(this, layout, "TextDict", QString(), 4);
    TextDict->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    TextTime = field(this, layout, "TextTime", QStringLiteral("00:00:00"), 2);
    TextMyDictSL = field(this, layout, "TextMyDictSL", QStringLiteral("0"), 1);
    TextLearntToday = field(this, layout, "TextLearntToday", QStringLiteral("0"), 1);
    TextLearnt = field(this, layout, "TextLearnt", QStringLiteral("0"), 1);
    retranslate();
}

void StatusLine::retranslate()
{
    TextDict->setToolTip(tr("The open dictionary"));
    TextTime->setToolTip(tr("Time since the start"));
    TextMyDictSL->setToolTip(tr("Cards in this dictionary"));
    TextLearntToday->setToolTip(tr("Cards learnt since the start"));
    TextLearnt->setToolTip(tr("Cards learnt from this dictionary; double-click to reset"));
}

void StatusLine::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
