#include "settings/SettingsRecord.h"

namespace {

TSettings defaultSettings()
{
    TSettings s;
    s.NumberOfCards = 7;
    s.WhenRememberQuestions = 3;
    s.WhenRememberAnswers = 3;
    s.MaximumForQuestions = 10;
    s.MaximumForAnswers = 10;
    s.DelayInMilliseconds = 2500;
    s.TimesForQuestions = 4;
    s.TimesForAnswers = 4;
    s.WhenSimultaneously0 = 12;
    s.WhenSimultaneously00 = 8;
    s.QuestionsFirst = true;
    s.ShowPhonetic = true;
    s.TakeFromDict = true;
    s.Vibration = true;
    s.ClipboardNothing = true;
    s.DelayOfHint = 0;
    return s;
}

TView defaultView()
{
    TView v;
    v.TopColor = 0xFFE0E0E0;
    v.BottomColor = 0xFFE0E0E0;
    v.TopTexture = true;
    v.BottomTexture = true;
    v.QSize = 44;
    v.QColor = 0xFF5A0404;
    v.QStyles = StyleBold;
    v.ASize = 37;
    v.AColor = 0xFF201CAC;
    v.AStyles = 0;
    v.PSize = 30;
    v.PColor = 0xFF676772;
    v.PStyles = 0;
    return v;
}

} // namespace

DataRecord defaultDataRecord()
{
    DataRecord record;
    record.Settings.fill(defaultSettings());
    record.Views.fill(defaultView());
    // "Repeating2" has a dark preset picture, so its texts are white.
    record.Views[2].QColor = 0xFFFFFFFF;
    record.Views[2].AColor = 0xFFFFFFFF;
    record.LearningMode = 0;
    record.EnglishInterface = false;
    record.RightToLeftTicked = true;
    record.ShowRightToLeftCheckBox = false;
    record.ShowPhoneticCheckBox = false;
    record.ShowIndicators = true;
    record.PhoneticTicked = false;
    return record;
}

std::optional<QRect> storedGeometry(const DataRecord& record, const QRect& desktop)
{
    if (record.GeometryMark != StoredGeometryMark)
        return std::nullopt;
    const qint64 width = record.WindowWidth;
    const qint64 height = record.WindowHeight;
    if (width <= 0 || height <= 0 || width > desktop.width() || height > desktop.height())
        return std::nullopt;
    // The far edges are summed in 64 bits: stored fields may be anywhere in their range.
    const qint64 left = record.WindowLeft;
    const qint64 top = record.WindowTop;
    if (left + width <= desktop.left() || left > desktop.right() || top + height <= desktop.top() ||
        top > desktop.bottom())
        return std::nullopt;
    return QRect(record.WindowLeft, record.WindowTop, record.WindowWidth, record.WindowHeight);
}
