#include "shell/ModeAndSettings.h"

#include "appearance/SettingsScreen.h"
#include "cardscreen/CardScreen.h"
#include "cardscreen/GestureLayer.h"
#include "engine/SettingChoices.h"
#include "shell/TopBar.h"
#include "shell/ViewEditing.h"
#include "shell/WindowParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMainWindow>
#include <QTabWidget>

ModeAndSettings::ModeAndSettings(WindowParts& parts, ViewEditing& views)
    : QObject(&parts.window), m_parts(parts), m_views(views)
{}

void ModeAndSettings::connectControls()
{
    const QComboBox* modes = m_parts.topBar->cbLearning();
    connect(modes, &QComboBox::currentIndexChanged, this, &ModeAndSettings::cbLearningChange);
    // After a choice the keys go to the card screen (or the open tab) again, so that an arrow
    // key never switches the mode unseen.
    connect(modes, &QComboBox::activated, this, [this] {
        QWidget* screen =
            m_parts.gestures->isVisible() ? m_parts.gestures : m_parts.tabs->currentWidget();
        screen->setFocus(Qt::OtherFocusReason);
    });
    const SettingsScreen* settings = m_parts.settings;
    const auto settingsChanged = [this] { m_parts.engine->SettingsChanged(); };
    connect(settings, &SettingsScreen::delaySelected, this, settingsChanged);
    connect(settings, &SettingsScreen::showPhoneticRefreshed, this, settingsChanged);
    for (const QCheckBox* box :
         {settings->SwitchShowRightToLeftCheckBox(), settings->SwitchShowPhoneticCheckBox(),
          settings->SwitchShowIndicators()})
        connect(box, &QCheckBox::toggled, this, &ModeAndSettings::switchesChanged);
    switchesChanged();

    // The card screen's ticks.
    connect(m_parts.gestures->cbRightToLeft, &QCheckBox::clicked, this,
            [this](bool ticked) { m_parts.engine->setRightToLeftTicked(ticked); });
    connect(m_parts.gestures->cbPhonetic, &QCheckBox::clicked, this, [this](bool ticked) {
        m_parts.engine->setPhoneticTicked(ticked);
        m_parts.settings->SettingsToPbs(m_parts.record.Settings[m_parts.LearningMode()]);
    });
}

void ModeAndSettings::switchesChanged()
{
    const SettingsScreen* settings = m_parts.settings;
    DataRecord& record = m_parts.record;
    record.ShowRightToLeftCheckBox = settings->SwitchShowRightToLeftCheckBox()->isChecked();
    record.ShowPhoneticCheckBox = settings->SwitchShowPhoneticCheckBox()->isChecked();
    record.ShowIndicators = settings->SwitchShowIndicators()->isChecked();
    m_parts.engine->SwitchesChanged();
}

void ModeAndSettings::cbLearningChange(int index)
{
    if (index < 0 || index >= ModeCount)
        return;
    DataRecord& record = m_parts.record;
    if (record.LearningMode != index)
        m_parts.card->GetView(currentView(record));
    record.LearningMode = index;
    m_parts.settings->loadMode(index);
    m_parts.card->SetView(record.Views[index]);
    m_views.ShowBackgrounds();
    m_parts.engine->SettingsChanged();
}
