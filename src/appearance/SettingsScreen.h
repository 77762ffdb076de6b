#pragma once

#include "settings/SettingsRecord.h"

#include <QList>
#include <QTabWidget>

class ActionList;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLayout;
class QPushButton;
class QRadioButton;

// The settings tab: pages "Both", "Manually" and "Auto" edit the learning settings of the
// selected mode and keep that mode's record equal to what they show; page "View" holds the
// global display switches and the buttons of the view editor.
class SettingsScreen : public QTabWidget
{
    Q_OBJECT

public:
    // record is the window's settings record; the controls edit its Settings[mode()].
    SettingsScreen(DataRecord& record, ActionList& actions, QWidget* parent = nullptr);

    // Copies what the controls show into settings and reports the automatic-mode delay.
    // Does nothing while a record is being loaded into the controls.
    void PbsToSettings(TSettings& settings);
    // Shows settings in the controls. A pair of boxes left both at "0" is mended as the pair
    // rules do, then the selected mode's record is refreshed from the controls.
    void SettingsToPbs(const TSettings& settings);

    // The mode switch: from now on the controls edit Settings[mode], and show it at once.
    // An index outside the modes is ignored.
    void loadMode(int mode);
    int mode() const { return m_mode; }

    QCheckBox* SwitchShowRightToLeftCheckBox() const { return m_showRightToLeft; }
    QCheckBox* SwitchShowPhoneticCheckBox() const { return m_showPhoneticCheckBox; }
    QCheckBox* SwitchShowIndicators() const { return m_showIndicators; }

signals:
    // The automatic-mode delay the settings now select, in milliseconds.
    void delaySelected(int milliseconds);
    // A settings control other than a paired box changed; the play screen's phonetic check
    // box follows "Show phonetic".
    void showPhoneticRefreshed(bool on);

protected:
    void changeEvent(QEvent* event) override;

private:
    // Two boxes that must not both show "0"; when they do, target is set to "1".
    struct PairRule
    {
        QComboBox* box;
        QComboBox* partner;
        QComboBox* target;
        bool focusTarget;
    };

    struct IntField
    {
        QComboBox* box;
        int TSettings::*field;
    };

    struct BoolField
    {
        QAbstractButton* button;
        bool TSettings::*field;
    };

    QWidget* addPage(const char* objectName, const char* title);
    QComboBox* addPopup(QFormLayout* form, const char* name, const char* label,
                        const QList<int>& values);
    QCheckBox* addSwitch(QLayout* layout, const char* name, const char* label);
    QRadioButton* addRadio(QLayout* layout, QButtonGroup* group, const char* name,
                           const char* label);
    QPushButton* addActionButton(QLayout* layout, const char* name, const char* label,
                                 const QString& action);
    // A bold line over a group of controls.
    void addHeading(QLayout* layout, const char* text);

    void buildBothPage();
    void buildManuallyPage();
    void buildAutoPage();
    void buildViewPage();
    void connectRefreshHooks();

    void showSettings(const TSettings& settings);
    void applyPairRule(const PairRule& rule, bool giveFocus);
    void refresh();
    void retranslate();

    DataRecord& m_record;
    ActionList& m_actions;
    int m_mode = 0;
    bool m_loadingSettings = false;

    QComboBox* m_numberOfCards = nullptr;
    QComboBox* m_whenRememberQuestions = nullptr;
    QComboBox* m_whenRememberAnswers = nullptr;
    QComboBox* m_maximumForQuestions = nullptr;
    QComboBox* m_maximumForAnswers = nullptr;
    QComboBox* m_whenSimultaneously0 = nullptr;
    QComboBox* m_delayOfHint = nullptr;
    QComboBox* m_delayInMilliseconds = nullptr;
    QComboBox* m_timesForQuestions = nullptr;
    QComboBox* m_timesForAnswers = nullptr;
    QComboBox* m_whenSimultaneously00 = nullptr;
    QCheckBox* m_showPhonetic = nullptr;
    QCheckBox* m_takeFromDict = nullptr;
    QCheckBox* m_vibration = nullptr;
    QCheckBox* m_showRightToLeft = nullptr;
    QCheckBox* m_showPhoneticCheckBox = nullptr;
    QCheckBox* m_showIndicators = nullptr;
    QButtonGroup* m_groupMain = nullptr;
    QButtonGroup* m_groupClipboard = nullptr;
    QList<QRadioButton*> m_orderButtons;
    QList<QRadioButton*> m_clipboardButtons;

    QList<IntField> m_intFields;
    QList<BoolField> m_boolFields;
    QList<PairRule> m_pairRules;

    QList<QPair<QLabel*, const char*>> m_labels;
    QList<QPair<QAbstractButton*, const char*>> m_buttons;
    QList<QPair<QWidget*, const char*>> m_tips;
    QList<const char*> m_pageTitles;
};
