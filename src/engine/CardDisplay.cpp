#include "engine/CardDisplay.h"

#include "cards/CardLine.h"
#include "cards/PhoneticTable.h"
#include "engine/AutomaticMode.h"
#include "engine/EnginePorts.h"
#include "engine/SettingChoices.h"
#include "engine/ShownCards.h"
#include "settings/SettingsRecord.h"

namespace {

QString numberOrEmpty(int n)
{
    return n == 0 ? QString() : QString::number(n);
}

QString doneMark(bool done)
{
    return done ? QStringLiteral("*") : QString();
}

// The modes that copy the question when it is shown, and the answer when it is shown.
bool questionToClipboard(ClipboardMode mode)
{
    return mode == ClipboardMode::Question || mode == ClipboardMode::QuestionAlways ||
           mode == ClipboardMode::QuestionAndAnswer;
}

bool answerToClipboard(ClipboardMode mode)
{
    return mode == ClipboardMode::Answer || mode == ClipboardMode::QuestionAndAnswer;
}

const QString IndicatorGap = QStringLiteral("     ");

} // namespace

QString MirrorText(QStringView s)
{
    QString mirrored;
    mirrored.reserve(s.size());
    for (qsizetype i = s.size(); i > 0;) {
        qsizetype length = 1;
        if (i >= 2 && s[i - 1].isLowSurrogate() && s[i - 2].isHighSurrogate())
            length = 2;
        i -= length;
        mirrored += s.mid(i, length);
    }
    return mirrored;
}

// Collects the changes of one call, so the view signals once, and only when it changed.
class CardDisplay::Change
{
public:
    explicit Change(CardDisplay& display) : m_display(display)
    {
        if (m_display.m_changeDepth++ == 0)
            m_display.m_viewBefore = m_display.m_view;
    }
    ~Change()
    {
        if (--m_display.m_changeDepth == 0 && m_display.m_view != m_display.m_viewBefore)
            emit m_display.changed();
    }
    Change(const Change&) = delete;
    Change& operator=(const Change&) = delete;

private:
    CardDisplay& m_display;
};

CardDisplay::CardDisplay(const DataRecord& record, ShownCards& shownCards,
                         const PhoneticTable& phonetic, Clipboard& clipboard,
                         const AutomaticMode& automatic, QObject* parent)
    : QObject(parent), m_record(record), m_shownCards(shownCards), m_phonetic(phonetic),
      m_clipboard(clipboard), m_automatic(automatic)
{
    m_view.indicatorColor = DimIndicatorColor;
    updateCheckBoxes();
}

void CardDisplay::ShowQ(bool AndCount)
{
    Change change(*this);
    const TVocabula card = LineToVocabula(m_currentLine);
    m_view.TextQuestion = displayedQuestion(card.Q);
    if (settings().ShowPhonetic)
        ShowT();
    else
        m_view.TextPhonetic.clear();
    if (AndCount) {
        if (TVocabula* entry = m_shownCards.find(m_currentLine)) {
            ++entry->YesQ;
            ++entry->ShownQ;
        }
    }
    if (questionToClipboard(clipboardModeOf(settings())))
        copyIfDifferent(m_view.TextQuestion);
    DoIndicator();
}

void CardDisplay::ShowA(bool AndCount)
{
    Change change(*this);
    const TVocabula card = LineToVocabula(m_currentLine);
    m_view.TextAnswer = card.A;
    if (!questionShown())
        m_view.TextPhonetic.clear();
    if (AndCount) {
        if (TVocabula* entry = m_shownCards.find(m_currentLine)) {
            ++entry->YesA;
            ++entry->ShownA;
        }
    }
    const ClipboardMode mode = clipboardModeOf(settings());
    if (mode == ClipboardMode::QuestionAlways)
        copyIfDifferent(card.Q);
    else if (answerToClipboard(mode))
        copyIfDifferent(m_view.TextAnswer);
    DoIndicator();
}

void CardDisplay::ShowQA(bool AndCount)
{
    Change change(*this);
    const TVocabula card = LineToVocabula(m_currentLine);
    m_view.TextAnswer = card.A;
    m_view.TextQuestion = displayedQuestion(card.Q);
    if (settings().ShowPhonetic)
        ShowT();
    else
        m_view.TextPhonetic.clear();
    if (AndCount) {
        if (TVocabula* entry = m_shownCards.find(m_currentLine))
            ++entry->ShownQA;
    }
    // Both sides are new on screen: the clipboard is written without comparing.
    const ClipboardMode mode = clipboardModeOf(settings());
    if (questionToClipboard(mode))
        m_clipboard.TextToClipboard(card.Q);
    else if (mode == ClipboardMode::Answer)
        m_clipboard.TextToClipboard(card.A);
    DoIndicator();
}

void CardDisplay::ShowT()
{
    Change change(*this);
    m_view.TextPhonetic.clear();
    if (!settings().ShowPhonetic)
        return;
    const TVocabula card = LineToVocabula(m_currentLine);
    if (!card.T.isEmpty())
        m_view.TextPhonetic = card.T;
    else if (settings().TakeFromDict)
        m_view.TextPhonetic = m_phonetic.lookup(card.Q);
}

void CardDisplay::DoIndicator()
{
    Change change(*this);
    const TVocabula card = m_shownCards.MyVocabula(m_currentLine);
    m_view.indicatorVisible = m_record.ShowIndicators && !nothingShown();
    m_view.indicatorColor =
        currentView(m_record).WhiteIndicator ? LightIndicatorColor : DimIndicatorColor;

    if (orderOf(settings()) == SideOrder::Simultaneously) {
        m_view.TextIndicator = numberOrEmpty(card.ShownQA);
        return;
    }
    QString left;
    QString right;
    if (m_automatic.isOn()) {
        if (card.ShownQ + card.ShownA != 0) {
            left = QString::number(card.ShownQ) + doneMark(card.DoneQ);
            right = QString::number(card.ShownA) + doneMark(card.DoneA);
        }
    } else {
        left = QStringLiteral("%1 (%2)").arg(card.YesQ).arg(card.ShownQ) + doneMark(card.DoneQ);
        right = QStringLiteral("%1 (%2)").arg(card.YesA).arg(card.ShownA) + doneMark(card.DoneA);
    }
    m_view.TextIndicator = left + IndicatorGap + right;
}

void CardDisplay::ClearAll()
{
    Change change(*this);
    m_view.TextQuestion.clear();
    m_view.TextAnswer.clear();
    m_view.TextPhonetic.clear();
    // With nothing on display the indicator hides.
    DoIndicator();
}

void CardDisplay::clearQuestion()
{
    Change change(*this);
    m_view.TextQuestion.clear();
}

void CardDisplay::clearAnswer()
{
    Change change(*this);
    m_view.TextAnswer.clear();
}

void CardDisplay::revealAnswer()
{
    Change change(*this);
    m_view.TextAnswer = LineToVocabula(m_currentLine).A;
    if (answerToClipboard(clipboardModeOf(settings())))
        copyIfDifferent(m_view.TextAnswer);
    DoIndicator();
}

void CardDisplay::revealQuestion()
{
    Change change(*this);
    m_view.TextQuestion = displayedQuestion(LineToVocabula(m_currentLine).Q);
    if (settings().ShowPhonetic)
        ShowT();
    else
        m_view.TextPhonetic.clear();
    if (questionToClipboard(clipboardModeOf(settings())))
        copyIfDifferent(m_view.TextQuestion);
    DoIndicator();
}

void CardDisplay::updateCheckBoxes()
{
    Change change(*this);
    m_view.rightToLeftVisible = m_record.ShowRightToLeftCheckBox;
    m_view.rightToLeftTicked = m_record.RightToLeftTicked;
    m_view.phoneticVisible = m_record.ShowPhoneticCheckBox;
    m_view.phoneticTicked = settings().ShowPhonetic;
}

const TSettings& CardDisplay::settings() const
{
    return currentSettings(m_record);
}

bool CardDisplay::mirrored() const
{
    return m_record.RightToLeftTicked && m_record.ShowRightToLeftCheckBox;
}

QString CardDisplay::displayedQuestion(const QString& question) const
{
    return mirrored() ? MirrorText(question) : question;
}

void CardDisplay::copyIfDifferent(const QString& text)
{
    if (m_clipboard.TextFromClipboard() != text)
        m_clipboard.TextToClipboard(text);
}
