#pragma once

struct DataRecord;
struct TSettings;
struct TView;

// The order in which the sides of a card are asked.
enum class SideOrder
{
    QuestionsFirst,
    AnswersFirst,
    Randomly,
    Simultaneously,
};

// Which side goes to the clipboard.
enum class ClipboardMode
{
    Question,
    Answer,
    QuestionAndAnswer,
    QuestionAlways,
    Nothing,
};

// The radio flags read as the settings screen reads them: of several flags set the last one
// counts; none set gives the first choice of the group (QuestionsFirst) or Nothing.
SideOrder orderOf(const TSettings& settings);
ClipboardMode clipboardModeOf(const TSettings& settings);

// The settings and the view of the current learning mode.
const TSettings& currentSettings(const DataRecord& record);
TSettings& currentSettings(DataRecord& record);
const TView& currentView(const DataRecord& record);
TView& currentView(DataRecord& record);
