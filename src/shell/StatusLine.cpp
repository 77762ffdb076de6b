#include "shell/StatusLine.h"

#include "widgets/ClickableText.h"

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
}
