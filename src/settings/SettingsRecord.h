#pragma once

#include <QRect>
#include <QtGlobal>

#include <array>
#include <optional>

// The learning settings of one mode. Booleans hold what the program means; the reserved
// fields and the padding hold the bytes as read, so a save gives back what it was given.
struct TSettings
{
    qint32 NumberOfCards = 0;
    qint32 WhenRememberQuestions = 0;
    qint32 WhenRememberAnswers = 0;
    qint32 MaximumForQuestions = 0;
    qint32 MaximumForAnswers = 0;
    qint32 DelayInMilliseconds = 0;
    qint32 TimesForQuestions = 0;
    qint32 TimesForAnswers = 0;
    qint32 WhenSimultaneously0 = 0;
    qint32 WhenSimultaneously00 = 0;
    bool QuestionsFirst = false;
    bool AnswersFirst = false;
    bool Randomly = false;
    bool Simultaneously = false;
    bool ShowPhonetic = false;
    bool TakeFromDict = false;
    bool Vibration = false;
    bool ClipboardQ = false;
    bool ClipboardA = false;
    bool ClipboardQA = false;
    bool ClipboardQAlways = false;
    bool ClipboardNothing = false;
    qint32 DelayOfHint = 0;
    quint8 Boolean0 = 0;
    quint8 Boolean1 = 0;
    quint8 Boolean2 = 0;
    quint8 Boolean3 = 0;
    quint8 Boolean4 = 0;
    quint8 Boolean5 = 0;
    quint8 Boolean6 = 0;
    quint8 Padding63 = 0;
    qint32 Integer1 = 0;
    qint32 Integer2 = 0;
    qint32 Integer3 = 0;
    qint32 Integer4 = 0;
    qint32 Integer5 = 0;
    qint32 Integer6 = 0;
    qint32 Integer7 = 0;

    bool operator==(const TSettings&) const = default;
};

// Font style flags of the three texts of the play screen.
enum FontStyleFlag : quint8
{
    StyleBold = 0x01,
    StyleItalic = 0x02,
    StyleUnderline = 0x04,
    StyleStrikeOut = 0x08,
};

// The look of the play screen in one mode. Colours are ARGB with the alpha in the top byte.
struct TView
{
    quint32 TopColor = 0;
    quint32 BottomColor = 0;
    bool TopTexture = false;
    bool BottomTexture = false;
    std::array<quint8, 6> Padding10{};
    double QSize = 0;
    quint32 QColor = 0;
    quint8 QStyles = 0;
    std::array<quint8, 3> Padding29{};
    double ASize = 0;
    quint32 AColor = 0;
    quint8 AStyles = 0;
    std::array<quint8, 3> Padding45{};
    double PSize = 0;
    quint32 PColor = 0;
    quint8 PStyles = 0;
    bool WhiteIndicator = false;
    quint8 Boolean1 = 0;
    quint8 Boolean2 = 0;
    quint8 Boolean3 = 0;
    quint8 Boolean4 = 0;
    quint8 Boolean5 = 0;
    quint8 Boolean6 = 0;
    qint32 Integer1 = 0;
    qint32 Integer2 = 0;
    qint32 Integer3 = 0;
    qint32 Integer4 = 0;
    qint32 Integer5 = 0;
    qint32 Integer6 = 0;
    qint32 Integer7 = 0;

    bool operator==(const TView&) const = default;
};

inline constexpr int ModeCount = 3;

// Everything the program remembers between runs: three modes of settings and views, the
// selected mode, the main window's geometry and the global switches.
struct DataRecord
{
    std::array<TSettings, ModeCount> Settings{};
    qint32 LearningMode = 0;
    std::array<TView, ModeCount> Views{};
    qint32 WindowTop = 0;
    qint32 WindowLeft = 0;
    qint32 WindowWidth = 0;
    qint32 WindowHeight = 0;
    qint32 GeometryMark = 0;
    bool EnglishInterface = false;
    bool RightToLeftTicked = false;
    bool ShowRightToLeftCheckBox = false;
    bool ShowPhoneticCheckBox = false;
    bool ShowIndicators = false;
    bool PhoneticTicked = false;
    std::array<quint8, 30> Reserved{};

    bool operator==(const DataRecord&) const = default;
};

// Sizes of the records in the settings file.
inline constexpr qsizetype TSettingsSize = 92;
inline constexpr qsizetype TViewSize = 96;
inline constexpr qsizetype DataRecordSize = 624;

// GeometryMark holds this value when the four window fields are valid.
inline constexpr qint32 StoredGeometryMark = 555;

// The record of a first run: every mode at its defaults, "Learning" selected, Russian
// interface, no stored geometry.
DataRecord defaultDataRecord();

// The window's stored place, when the record holds one that fits the desktop: a size no larger
// than the desktop and a place that shows some of the window. A damaged or foreign record must
// not open the window off every screen or larger than all of them.
std::optional<QRect> storedGeometry(const DataRecord& record, const QRect& desktop);
