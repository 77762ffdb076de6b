#include "shell/FarewellPanel.h"

#include "widgets/ClickableText.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

ClickableText* text(QWidget* parent, const char* name, const QString& shown, int points,
                    const char* colour)
{
    auto* label = new ClickableText(shown, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: %1; font-size: %2pt;").arg(colour).arg(points));
    return label;
}

} // namespace

FarewellPanel::FarewellPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("recAdvertisement"));

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    m_back = text(this, "TextBack", QString(), 16, "white");
    top->addWidget(m_back);
    top->addStretch();
    auto* close = new QPushButton(QStringLiteral("x"), this);
    close->setObjectName(QStringLiteral("btCloseProgram"));
    close->setFixedSize(32, 32);
    top->addWidget(close);
    layout->addLayout(top);

    layout->addStretch(1);
    auto* name = text(this, "TextTutorvox", QStringLiteral("Vocadrill"), 30, "white");
    layout->addWidget(name);
    m_method = text(this, "TextMethod", QString(), 18, "chartreuse");
    layout->addWidget(m_method);
    layout->addSpacing(24);
    m_link = text(this, "TextLink", QString(), 16, "#9fd3ff");
    m_link->setCursor(Qt::PointingHandCursor);
    QFont underlined = m_link->font();
    underlined.setUnderline(true);
    m_link->setFont(underlined);
    layout->addWidget(m_link);
    layout->addStretch(2);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    m_goodbye = text(this, "TextGoodbye", QString(), 16, "white");
    bottom->addWidget(m_goodbye);
    layout->addLayout(bottom);

    connect(close, &QPushButton::clicked, this, &FarewellPanel::closeRequested);
    connect(m_goodbye, &ClickableText::clicked, this, &FarewellPanel::closeRequested);
    connect(m_back, &ClickableText::pressed, this, &FarewellPanel::backRequested);
    connect(name, &ClickableText::clicked, this, &FarewellPanel::linkRequested);
    connect(m_link, &ClickableText::clicked, this, &FarewellPanel::linkRequested);
    retranslate();
}

void FarewellPanel::retranslate()
{
    m_back->setText(tr("Back"));
    m_method->setText(tr("By our method!"));
    m_link->setText(tr("The Vocadrill manual"));
    m_goodbye->setText(tr("Goodbye"));
}

void FarewellPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void FarewellPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(0x14, 0x2a, 0x4a));
    sky.setColorAt(1, QColor(0x3a, 0x6a, 0x8f));
    painter.fillRect(rect(), sky);
}
