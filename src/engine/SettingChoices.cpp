#include "engine/SettingChoices.h"

#include "settings/SettingsRecord.h"

SideOrder orderOf(const TSettings& settings)
{
    if (settings.Simultaneously)
        return SideOrder::Simultaneously;
    if (settings.Randomly)
        return SideOrder::Randomly;
    if (settings.AnswersFirst)
        return SideOrder::AnswersFirst;
    return SideOrder::QuestionsFirst;
}

ClipboardMode clipboardModeOf(const TSettings& settings)
{
    if (settings.ClipboardNothing)
        return ClipboardMode::Nothing;
    if (settings.ClipboardQAlways)
        return ClipboardMode::QuestionAlways;
    if (settings.ClipboardQA)
        return ClipboardMode::QuestionAndAnswer;
    if (settings.ClipboardA)
        return ClipboardMode::Answer;
    if (settings.ClipboardQ)
        return ClipboardMode::Question;
    return ClipboardMode::Nothing;
}

namespace {

// A damaged mode index reads as the first mode rather than outside the record.
int modeOf(const DataRecord& record)
{
    return record.LearningMode >= 0 && record.LearningMode < ModeCount ? record.LearningMode : 0;
}

} // namespace

const TSettings& currentSettings(const DataRecord& record)
{
    return record.Settings[modeOf(record)];
}

TSettings& currentSettings(DataRecord& record)
{
    return record.Settings[modeOf(record)];
}

const TView& currentView(const DataRecord& record)
{
    return record.Views[modeOf(record)];
}

TView& currentView(DataRecord& record)
{
    return record.Views[modeOf(record)];
}
