#include "shell/TopBar.h"

#include "widgets/AutoLamp.h"
#include "widgets/ClickableText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QWheelEvent>

namespace {

// The mode list changes only through its list: a wheel turned over the closed box while the
// learner aims at the card screen changes nothing.
class LearningModeBox : public QComboBox
{
public:
    using QComboBox::QComboBox;

protected:
    void wheelEvent(QWheelEvent* event) override { event->accept(); }
};

} // namespace

TopBar::TopBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("recTop"));
    setFixedHeight(34);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 6, 4, 0);

    m_learning = new LearningModeBox(this);
    m_learning->setObjectName(QStringLiteral("cbLearning"));
    m_learning->addItems({QString(), QString(), QString()});
    layout->addWidget(m_learning);

    m_strip = new QWidget(this);
    m_strip->setObjectName(QStringLiteral("recAuto"));
    auto* strip = new QHBoxLayout(m_strip);
    strip->setContentsMargins(0, 0, 0, 0);
    strip->addStretch();
    m_auto = new QCheckBox(m_strip);
    m_auto->setObjectName(QStringLiteral("cbAuto"));
    m_auto->hide();
    m_lamp = new AutoLamp(QStringLiteral("CircleAuto1"), QStringLiteral("CircleAuto2"), m_strip);
    strip->addWidget(m_lamp);
    m_caption = new ClickableText(m_strip);
    m_caption->setObjectName(QStringLiteral("lbAuto"));
    strip->addWidget(m_caption);
    strip->addStretch();
    m_strip->installEventFilter(this);
    connect(m_lamp, &AutoLamp::pressed, this, &TopBar::autoStripPressed);
    connect(m_caption, &ClickableText::pressed, this, &TopBar::autoStripPressed);
    layout->addWidget(m_strip, 1);
    // The strip and the actions button keep their places while another tab hides them.
    QSizePolicy kept = m_strip->sizePolicy();
    kept.setRetainSizeWhenHidden(true);
    m_strip->setSizePolicy(kept);

    m_actions = new QPushButton(QStringLiteral("..."), this);
    m_actions->setObjectName(QStringLiteral("btActions"));
    kept = m_actions->sizePolicy();
    kept.setRetainSizeWhenHidden(true);
    m_actions->setSizePolicy(kept);
    layout->addWidget(m_actions);
    m_help = new QPushButton(QStringLiteral("?"), this);
    m_help->setObjectName(QStringLiteral("btHelp"));
    layout->addWidget(m_help);
    retranslate();
}

void TopBar::retranslate()
{
    const char* modes[] = {"Learning", "Repeating", "Repeating2"};
    for (int i = 0; i < 3; ++i)
        m_learning->setItemText(i, tr(modes[i]));
    m_caption->setText(tr("Auto"));
    m_strip->setToolTip(AutoLamp::tip());
    m_actions->setToolTip(tr("Actions: the card commands as tiles"));
    m_help->setToolTip(tr("Help and the interface language"));
}

void TopBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

bool TopBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_strip && event->type() == QEvent::MouseButtonPress) {
        emit autoStripPressed();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
