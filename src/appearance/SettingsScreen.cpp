#include "appearance/SettingsScreen.h"

#include "appearance/PopupBox.h"
#include "widgets/ActionList.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QList<int> numbers(int first, int last)
{
    QList<int> values;
    for (int value = first; value <= last; ++value)
        values.append(value);
    return values;
}

// Sets the buttons of a radio group in turn from their flags: setting one selects it and
// clears the others, clearing one may leave the group without a selection.
void setRadioFlags(QButtonGroup* group, const QList<QRadioButton*>& buttons,
                   const QList<bool>& flags)
{
    group->setExclusive(false);
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        if (flags[i]) {
            for (QRadioButton* button : buttons)
                button->setChecked(button == buttons[i]);
        } else {
            buttons[i]->setChecked(false);
        }
    }
    group->setExclusive(true);
}

// A form of labelled popup boxes, each box as wide as its items.
QFormLayout* newForm(QWidget* host)
{
    auto* form = new QFormLayout(host);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    return form;
}

} // namespace

SettingsScreen::SettingsScreen(DataRecord& record, ActionList& actions, QWidget* parent)
    : QTabWidget(parent), m_record(record), m_actions(actions)
{
    setObjectName(QStringLiteral("TabControl2"));
    setTabPosition(QTabWidget::South);

    buildBothPage();
    buildManuallyPage();
    buildAutoPage();
    buildViewPage();

    m_intFields = {
        {m_numberOfCards, &TSettings::NumberOfCards},
        {m_whenRememberQuestions, &TSettings::WhenRememberQuestions},
        {m_whenRememberAnswers, &TSettings::WhenRememberAnswers},
        {m_maximumForQuestions, &TSettings::MaximumForQuestions},
        {m_maximumForAnswers, &TSettings::MaximumForAnswers},
        {m_delayInMilliseconds, &TSettings::DelayInMilliseconds},
        {m_timesForQuestions, &TSettings::TimesForQuestions},
        {m_timesForAnswers, &TSettings::TimesForAnswers},
        {m_whenSimultaneously0, &TSettings::WhenSimultaneously0},
        {m_whenSimultaneously00, &TSettings::WhenSimultaneously00},
        {m_delayOfHint, &TSettings::DelayOfHint},
    };
    m_boolFields = {
        {m_orderButtons[0], &TSettings::QuestionsFirst},
        {m_orderButtons[1], &TSettings::AnswersFirst},
        {m_orderButtons[2], &TSettings::Randomly},
        {m_orderButtons[3], &TSettings::Simultaneously},
        {m_showPhonetic, &TSettings::ShowPhonetic},
        {m_takeFromDict, &TSettings::TakeFromDict},
        {m_vibration, &TSettings::Vibration},
        {m_clipboardButtons[0], &TSettings::ClipboardQ},
        {m_clipboardButtons[1], &TSettings::ClipboardA},
        {m_clipboardButtons[2], &TSettings::ClipboardQA},
        {m_clipboardButtons[3], &TSettings::ClipboardQAlways},
        {m_clipboardButtons[4], &TSettings::ClipboardNothing},
    };
    m_pairRules = {
        {m_whenRememberQuestions, m_whenRememberAnswers, m_whenRememberAnswers, false},
        {m_whenRememberAnswers, m_whenRememberQuestions, m_whenRememberQuestions, false},
        {m_maximumForQuestions, m_maximumForAnswers, m_maximumForQuestions, false},
        {m_maximumForAnswers, m_maximumForQuestions, m_maximumForAnswers, false},
        {m_timesForQuestions, m_timesForAnswers, m_timesForAnswers, true},
        {m_timesForAnswers, m_timesForQuestions, m_timesForQuestions, true},
    };

    // The controls open on the first-run settings; the window copies them into every mode.
    showSettings(defaultDataRecord().Settings[0]);
    m_showIndicators->setChecked(true);
    retranslate();
    connectRefreshHooks();
}

QWidget* SettingsScreen::addPage(const char* objectName, const char* title)
{
    auto* page = new QWidget(this);
    page->setObjectName(QString::fromLatin1(objectName));
    addTab(page, QString());
    m_pageTitles.append(title);
    return page;
}

QComboBox* SettingsScreen::addPopup(QFormLayout* form, const char* name, const char* label,
                                    const QList<int>& values)
{
    auto* box = new QComboBox(form->parentWidget());
    box->setObjectName(QString::fromLatin1(name));
    fillPopupBox(box, values);
    auto* caption = new QLabel(form->parentWidget());
    caption->setBuddy(box);
    m_labels.append({caption, label});
    form->addRow(caption, box);
    return box;
}

QCheckBox* SettingsScreen::addSwitch(QLayout* layout, const char* name, const char* label)
{
    auto* box = new QCheckBox(layout->parentWidget());
    box->setObjectName(QString::fromLatin1(name));
    m_buttons.append({box, label});
    layout->addWidget(box);
    return box;
}

QRadioButton* SettingsScreen::addRadio(QLayout* layout, QButtonGroup* group, const char* name,
                                       const char* label)
{
    auto* button = new QRadioButton(layout->parentWidget());
    button->setObjectName(QString::fromLatin1(name));
    group->addButton(button);
    m_buttons.append({button, label});
    layout->addWidget(button);
    return button;
}

void SettingsScreen::addHeading(QLayout* layout, const char* text)
{
    auto* heading = new QLabel(layout->parentWidget());
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    m_labels.append({heading, text});
    layout->addWidget(heading);
}

QPushButton* SettingsScreen::addActionButton(QLayout* layout, const char* name, const char* label,
                                             const QString& action)
{
    auto* button = new QPushButton(layout->parentWidget());
    button->setObjectName(QString::fromLatin1(name));
    m_buttons.append({button, label});
    connect(button, &QPushButton::clicked, this, [this, action] { m_actions.execute(action); });
    layout->addWidget(button);
    return button;
}

void SettingsScreen::buildBothPage()
{
    QWidget* page = addPage("tbBoth", QT_TR_NOOP("Both"));
    auto* layout = new QVBoxLayout(page);

    auto* formHost = new QWidget(page);
    QFormLayout* form = newForm(formHost);
    form->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(formHost);
    m_numberOfCards =
        addPopup(form, "pbNumberOfCards", QT_TR_NOOP("Number of cards"), numbers(1, 15));

    m_showPhonetic = addSwitch(layout, "SwitchShowPhonetic", QT_TR_NOOP("Show phonetic"));
    m_takeFromDict =
        addSwitch(layout, "SwitchTakeFromDict", QT_TR_NOOP("Phonetic also from dictionary"));
    m_vibration = addSwitch(layout, "SwitchVibration", QT_TR_NOOP("Vibration when learnt"));

    auto* groups = new QWidget(page);
    auto* columns = new QHBoxLayout(groups);
    columns->setContentsMargins(0, 0, 0, 0);
    auto* orderColumn = new QWidget(groups);
    auto* order = new QVBoxLayout(orderColumn);
    order->setContentsMargins(0, 0, 0, 0);
    auto* clipboardColumn = new QWidget(groups);
    auto* clipboard = new QVBoxLayout(clipboardColumn);
    clipboard->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(24);
    columns->addWidget(orderColumn, 0, Qt::AlignTop);
    columns->addWidget(clipboardColumn, 0, Qt::AlignTop);
    columns->addStretch();
    layout->addWidget(groups);
    layout->addStretch();

    addHeading(order, QT_TR_NOOP("Which side is asked"));
    addHeading(clipboard, QT_TR_NOOP("What goes to the clipboard"));
    m_groupMain = new QButtonGroup(this);
    m_groupMain->setObjectName(QStringLiteral("GroupMain"));
    m_orderButtons = {
        addRadio(order, m_groupMain, "rbQuestionsFirst", QT_TR_NOOP("Questions first")),
        addRadio(order, m_groupMain, "rbAnswersFirst", QT_TR_NOOP("Answers first")),
        addRadio(order, m_groupMain, "rbRandomly", QT_TR_NOOP("Randomly")),
        addRadio(order, m_groupMain, "rbSimultaneously", QT_TR_NOOP("Simultaneously")),
    };

    m_groupClipboard = new QButtonGroup(this);
    m_groupClipboard->setObjectName(QStringLiteral("GroupClipboard"));
    m_clipboardButtons = {
        addRadio(clipboard, m_groupClipboard, "rbQ", QT_TR_NOOP("Questions to clipboard")),
        addRadio(clipboard, m_groupClipboard, "rbA", QT_TR_NOOP("Answers to clipboard")),
        addRadio(clipboard, m_groupClipboard, "rbQA", QT_TR_NOOP("Questions and answers")),
        addRadio(clipboard, m_groupClipboard, "rbQAlways", QT_TR_NOOP("Questions always")),
        addRadio(clipboard, m_groupClipboard, "rbNothing", QT_TR_NOOP("Nothing")),
    };
}

void SettingsScreen::buildManuallyPage()
{
    QWidget* page = addPage("tbManually", QT_TR_NOOP("Manually"));
    QFormLayout* form = newForm(page);
    m_whenRememberQuestions = addPopup(form, "pbWhenRememberQuestions",
                                       QT_TR_NOOP("When remember Questions"), numbers(0, 10));
    m_whenRememberAnswers = addPopup(form, "pbWhenRememberAnswers",
                                     QT_TR_NOOP("When remember Answers"), numbers(0, 10));
    m_maximumForQuestions = addPopup(form, "pbMaximumForQuestions",
                                     QT_TR_NOOP("Maximum for Questions"), numbers(0, 20));
    m_maximumForAnswers =
        addPopup(form, "pbMaximumForAnswers", QT_TR_NOOP("Maximum for Answers"), numbers(0, 20));
    m_whenSimultaneously0 = addPopup(form, "pbWhenSimultaneously0",
                                     QT_TR_NOOP("Maximum when simultanously"), numbers(1, 20));
    m_delayOfHint = addPopup(form, "pbDelayOfHint", QT_TR_NOOP("Delay of reminder"),
                             {0, 100, 200, 300, 400, 500, 700, 1000, 1500, 2000});
}

void SettingsScreen::buildAutoPage()
{
    QWidget* page = addPage("tbAuto", QT_TR_NOOP("Auto"));
    QFormLayout* form = newForm(page);
    m_delayInMilliseconds =
        addPopup(form, "pbDelayInMilliseconds", QT_TR_NOOP("Delay in mSeconds"),
                 {50,   100,  150,  200,  250,  300,   400,   500,   600,   700,   800,
                  900,  1000, 1200, 1400, 1600, 1800,  2000,  2500,  3000,  3500,  4000,
                  5000, 6000, 7000, 8000, 9000, 10000, 12000, 14000, 16000, 18000, 20000});
    m_timesForQuestions =
        addPopup(form, "pbTimesForQuestions", QT_TR_NOOP("Times for Questions"), numbers(0, 20));
    m_timesForAnswers =
        addPopup(form, "pbTimesForAnswers", QT_TR_NOOP("Times for Answers"), numbers(0, 20));
    m_whenSimultaneously00 =
        addPopup(form, "pbWhenSimultaneously00", QT_TR_NOOP("When simultanously"), numbers(1, 20));
}

void SettingsScreen::buildViewPage()
{
    QWidget* page = addPage("tbView", QT_TR_NOOP("View"));
    auto* layout = new QVBoxLayout(page);

    const auto addRow = [&](const char* name) {
        auto* row = new QWidget(page);
        row->setObjectName(QString::fromLatin1(name));
        auto* rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(row);
        return rowLayout;
    };

    // The learner cannot change these two switches: their rows stay hidden and the switches
    // keep the states read from the settings file.
    QHBoxLayout* rightToLeftRow = addRow("recShowRightToLeft");
    m_showRightToLeft = addSwitch(rightToLeftRow, "SwitchShowRightToLeftCheckBox",
                                  QT_TR_NOOP("Show RightToLeft checkbox"));
    rightToLeftRow->parentWidget()->hide();
    QHBoxLayout* phoneticRow = addRow("recShowPhoneticCheckBox");
    m_showPhoneticCheckBox =
        addSwitch(phoneticRow, "SwitchShowPhoneticCheckBox", QT_TR_NOOP("Show Phonetic checkbox"));
    phoneticRow->parentWidget()->hide();
    m_showIndicators = addSwitch(addRow("recShowIndicators"), "SwitchShowIndicators",
                                 QT_TR_NOOP("Show indicators"));

    QHBoxLayout* buttonsRow = addRow("recViewButtons");
    m_tips.append(
        {addActionButton(buttonsRow, "Button1", QT_TR_NOOP("Top"), QStringLiteral("Top0")),
         QT_TR_NOOP("The look of the question half: background, font and colour")});
    m_tips.append(
        {addActionButton(buttonsRow, "Button2", QT_TR_NOOP("Bottom"), QStringLiteral("Bottom0")),
         QT_TR_NOOP("The look of the answer half: background, font and colour")});
    buttonsRow->addStretch();
    layout->addStretch();
}

void SettingsScreen::connectRefreshHooks()
{
    const auto plainBoxes = {m_numberOfCards, m_whenSimultaneously0, m_delayOfHint,
                             m_delayInMilliseconds, m_whenSimultaneously00};
    for (QComboBox* box : plainBoxes)
        connect(box, &QComboBox::currentIndexChanged, this, &SettingsScreen::refresh);
    // Selecting a radio button also clears another; the record follows the selection.
    for (QRadioButton* button : m_orderButtons + m_clipboardButtons) {
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                refresh();
        });
    }
    for (QCheckBox* box : {m_showPhonetic, m_takeFromDict, m_vibration})
        connect(box, &QCheckBox::toggled, this, &SettingsScreen::refresh);

    // A paired box mends its pair before the record is refreshed.
    for (const PairRule& rule : std::as_const(m_pairRules)) {
        connect(rule.box, &QComboBox::currentIndexChanged, this, [this, rule] {
            if (m_loadingSettings)
                return;
            applyPairRule(rule, rule.focusTarget);
            PbsToSettings(m_record.Settings[m_mode]);
        });
    }
}

void SettingsScreen::PbsToSettings(TSettings& settings)
{
    if (m_loadingSettings)
        return;
    for (const IntField& field : std::as_const(m_intFields))
        PbToInt(field.box, settings.*field.field);
    for (const BoolField& field : std::as_const(m_boolFields))
        settings.*field.field = field.button->isChecked();
    emit delaySelected(settings.DelayInMilliseconds);
}

void SettingsScreen::SettingsToPbs(const TSettings& settings)
{
    m_loadingSettings = true;
    showSettings(settings);
    // A record from outside the program may hold a pair at "0"; with it every card would
    // count as learnt at its first Next.
    for (const PairRule& rule : std::as_const(m_pairRules))
        applyPairRule(rule, false);
    m_loadingSettings = false;
    refresh();
}

void SettingsScreen::loadMode(int mode)
{
    if (mode < 0 || mode >= ModeCount)
        return;
    m_mode = mode;
    SettingsToPbs(m_record.Settings[mode]);
}

void SettingsScreen::showSettings(const TSettings& settings)
{
    for (const IntField& field : std::as_const(m_intFields))
        IntToPb(settings.*field.field, field.box);
    setRadioFlags(m_groupMain, m_orderButtons,
                  {settings.QuestionsFirst, settings.AnswersFirst, settings.Randomly,
                   settings.Simultaneously});
    m_showPhonetic->setChecked(settings.ShowPhonetic);
    m_takeFromDict->setChecked(settings.TakeFromDict);
    m_vibration->setChecked(settings.Vibration);
    setRadioFlags(m_groupClipboard, m_clipboardButtons,
                  {settings.ClipboardQ, settings.ClipboardA, settings.ClipboardQA,
                   settings.ClipboardQAlways, settings.ClipboardNothing});
}

void SettingsScreen::applyPairRule(const PairRule& rule, bool giveFocus)
{
    const QString zero = QStringLiteral("0");
    if (rule.box->currentText() != zero || rule.partner->currentText() != zero)
        return;
    IntToPb(1, rule.target);
    if (giveFocus)
        rule.target->setFocus();
}

void SettingsScreen::refresh()
{
    if (m_loadingSettings)
        return;
    PbsToSettings(m_record.Settings[m_mode]);
    emit showPhoneticRefreshed(m_showPhonetic->isChecked());
}

void SettingsScreen::retranslate()
{
    for (int i = 0; i < m_pageTitles.size(); ++i)
        setTabText(i, tr(m_pageTitles[i]));
    for (const auto& [label, text] : std::as_const(m_labels))
        label->setText(tr(text));
    for (const auto& [button, text] : std::as_const(m_buttons))
        button->setText(tr(text));
    for (const auto& [widget, tip] : std::as_const(m_tips))
        widget->setToolTip(tr(tip));
}

void SettingsScreen::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QTabWidget::changeEvent(event);
}
