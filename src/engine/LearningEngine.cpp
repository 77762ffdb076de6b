#include "engine/LearningEngine.h"

#include "cards/CardLine.h"
#include "cards/DictionaryStore.h"
#include "engine/DictionaryLines.h"
#include "engine/LearntTest.h"
#include "engine/SettingChoices.h"
#include "engine/SideRule.h"
#include "settings/SettingsRecord.h"

#include <QScopeGuard>

#include <algorithm>

namespace {

// How often MyNext draws before it gives up looking for a line other than the card on screen.
constexpr int DrawAttempts = 100;

} // namespace

LearningEngine::LearningEngine(DataRecord& record, DictionaryStore& store,
                               const PhoneticTable& phonetic, const EnginePorts& ports,
                               QObject* parent)
    : QObject(parent), m_record(record), m_store(store), m_ports(ports),
      m_display(record, m_shownCards, phonetic, ports.clipboard, m_automatic)
{
    connect(&m_automatic, &AutomaticMode::tick, this, &LearningEngine::tmMainTimer);
}

void LearningEngine::MyNext(bool TakeFirstLine)
{
    if (m_pausing)
        return;
    if (m_store.MyDictPath.isEmpty()) {
        askForDictionary();
        return;
    }
    m_ports.screens.hideActions();
    CheckAndSend();
    if (!isAutomatic() && settings().DelayOfHint > 0)
        showHint();
    if (m_display.bothShown()) {
        // A fully revealed card leaves the screen, and the next one comes in the same step.
        m_display.ClearAll();
        MyNext(TakeFirstLine);
        return;
    }
    if (isAutomatic() && !m_display.nothingShown()) {
        Remind0();
        return;
    }

    const StringList& dict = m_store.MyDictSL;
    if (dict.isEmpty()) {
        askForDictionary();
        return;
    }
    m_thrownOut = false;
    if (TakeFirstLine) {
        setCurrentLine(dict.at(0));
    } else {
        const int window = int(std::clamp<qsizetype>(settings().NumberOfCards, 1, dict.count()));
        for (int attempt = 0; attempt < DrawAttempts; ++attempt) {
            const QString& line = dict.at(randomIndex(m_ports.random, window));
            if (line != CurrentLine()) {
                setCurrentLine(line);
                break;
            }
        }
    }
    m_shownCards.findOrAdd(CurrentLine());
    emit cardDrawn();

    if (orderOf(settings()) == SideOrder::Simultaneously) {
        m_askedSide = AskedSide::None;
        m_display.ShowQA(true);
        return;
    }
    askSide();
}

void LearningEngine::Next0()
{
    MyNext(false);
}

void LearningEngine::Remind0()
{
    if (m_pausing)
        return;
    m_ports.screens.hideActions();
    if (m_display.bothShown() || m_display.nothingShown()) {
        Next0();
        return;
    }
    TVocabula* entry = ActualEntry();
    if (m_display.questionShown()) {
        if (entry)
            entry->YesQ = 0;
        m_display.revealAnswer();
    } else {
        if (entry)
            entry->YesA = 0;
        m_display.revealQuestion();
    }
}

void LearningEngine::Learnt0()
{
    if (m_pausing)
        return;
    if (m_display.nothingShown()) {
        Next0();
        return;
    }
    m_ports.screens.hideActions();
    if (m_ports.input.waitAfterZoomRunning())
        return;
    m_ports.input.restartGesture();
    // The card on screen is counted, also when Swap or Sort has changed its line since it was
    // drawn; in automatic mode a card thrown out stays on screen, its other side revealed, and a
    // Learnt on it then counts nothing.
    const bool counts = !m_thrownOut;
    if (counts) {
        m_store.LearntSL.append(CurrentLine());
        setLearntNumber(m_store.LearntNumber + 1);
        emit learntCounted(1);
    }
    throwOut(counts);
}

void LearningEngine::SideLearnt0()
{
    if (m_pausing)
        return;
    m_ports.screens.hideActions();
    if (m_ports.input.waitAfterZoomRunning())
        return;
    m_ports.input.restartGesture();
    if (m_display.nothingShown()) {
        Next0();
        return;
    }
    if (orderOf(settings()) == SideOrder::Simultaneously) {
        Learnt0();
        return;
    }
    TVocabula* entry = ActualEntry();
    if (!entry)
        return;
    bool questionSide = m_display.questionShown();
    if (m_display.bothShown())
        questionSide = m_askedSide == AskedSide::Question;
    if (questionSide)
        entry->DoneQ = true;
    else
        entry->DoneA = true;
    Next0();
}

void LearningEngine::Delete0()
{
    if (m_pausing)
        return;
    m_ports.screens.hideActions();
    if (m_display.nothingShown()) {
        Next0();
        return;
    }
    if (m_ports.input.waitAfterZoomRunning())
        return;
    throwOut(false);
}

void LearningEngine::Say0()
{
    if (m_pausing)
        return;
    m_ports.screens.hideActions();
    // The card's own sides: the screen may show the question mirrored.
    const TVocabula card = LineToVocabula(CurrentLine());
    QString text;
    if (m_display.questionShown())
        text = card.Q;
    else if (m_display.answerShown())
        text = card.A;
    if (!text.isEmpty())
        m_ports.speech.say(text, speechLanguageOf(text));
}

void LearningEngine::throwOut(bool counted)
{
    m_ports.input.restartGesture();
    const QString line = CurrentLine();
    const qsizetype index = DictionaryLines::indexOfExactLine(m_store.MyDictSL, line);
    if (index >= 0)
        DictionaryLines::removeLine(m_store.MyDictSL, index);
    if (index >= 0 || counted)
        recordRemoval({counted ? Removal::Kind::Learnt : Removal::Kind::Deleted, m_store.MyDictPath,
                       line, index, QString(), counted});
    m_thrownOut = true;
    m_shownCards.remove(line);
    if (settings().Vibration)
        m_ports.sound.Vibrate(m_store.paths().SoundPath);
    m_ports.screens.hideActions();
    Next0();
}

const QString& LearningEngine::dictionaryPath() const
{
    return m_store.MyDictPath;
}

void LearningEngine::recordRemoval(Removal removal)
{
    m_removals.record(removal);
    emit cardRemoved(removal);
}

LearningEngine::UndoResult LearningEngine::Undo0(QString& line)
{
    if (m_removals.isEmpty())
        return UndoResult::NothingToUndo;
    const Removal removal = m_removals.takeLast();
    line = removal.line;
    if (removal.dictPath != m_store.MyDictPath)
        return UndoResult::OtherDictionary;
    putBack(removal, m_store.MyDictSL);
    if (removal.counted) {
        m_store.takeBackLearnt(removal.line);
        setLearntNumber(qMax(0, m_store.LearntNumber - 1));
        emit learntCounted(-1);
    }
    return UndoResult::BroughtBack;
}

void LearningEngine::setAutomatic(bool on)
{
    if (m_pausing || on == isAutomatic())
        return;
    m_automatic.setOn(on, settings());
    emit automaticChanged(on);
    // The first tick at once; without a card to show it switches the mode off again.
    if (on)
        Next0();
    m_display.DoIndicator();
}

void LearningEngine::tmMainTimer()
{
    if (!isAutomatic())
        return;
    m_automatic.followInterval(settings());
    Next0();
}

void LearningEngine::btLearntNumberClick()
{
    if (!m_learntNumberClick.click())
        return;
    setLearntNumber(0);
    if (!m_store.MyDictPath.isEmpty())
        m_store.IniDelete();
}

void LearningEngine::btIndicatorColorClick()
{
    if (!m_indicatorColorClick.click())
        return;
    TView& look = currentView(m_record);
    look.WhiteIndicator = !look.WhiteIndicator;
    m_display.DoIndicator();
}

void LearningEngine::setRightToLeftTicked(bool ticked)
{
    m_record.RightToLeftTicked = ticked;
    m_display.updateCheckBoxes();
    if (m_display.questionShown())
        m_display.ShowQ(false);
}

void LearningEngine::setPhoneticTicked(bool ticked)
{
    currentSettings(m_record).ShowPhonetic = ticked;
    m_display.updateCheckBoxes();
    m_display.ShowT();
}

void LearningEngine::SwitchesChanged()
{
    m_display.updateCheckBoxes();
    if (m_display.questionShown())
        m_display.ShowQ(false);
    m_display.ShowT();
    m_display.DoIndicator();
}

void LearningEngine::SettingsChanged()
{
    m_display.updateCheckBoxes();
    m_automatic.followInterval(settings());
    // The phonetic line of the card on screen follows "Show phonetic" of the mode at once.
    if (!m_display.nothingShown())
        m_display.ShowT();
    m_display.DoIndicator();
}

const TSettings& LearningEngine::settings() const
{
    return currentSettings(m_record);
}

// The learnt test on the card leaving the screen: a learnt card's line moves to the end of the
// dictionary, out of the working window, and joins the learnt lines.
void LearningEngine::CheckAndSend()
{
    StringList& dict = m_store.MyDictSL;
    if (dict.isEmpty()) {
        m_display.ClearAll();
        m_ports.messages.MyMessage(m_ports.messages.text(Message::NoWordsInDictionary));
    }
    // Only a card that was shown and is still counted can be learnt: an empty CurrentLine, or a
    // card whose entry a learnt move or a removal has just taken, never counts, whatever the
    // thresholds.
    const TVocabula* entry = CurrentLine().isEmpty() ? nullptr : ActualEntry();
    if (!entry || !IsLearnt(*entry, settings(), isAutomatic()))
        return;

    const QString line = CurrentLine();
    const qsizetype index = DictionaryLines::indexOfExactLine(dict, line);
    // A card left on screen from a dictionary no longer open is not counted in this one; its
    // entry keeps its counters for when that dictionary comes back.
    if (index < 0)
        return;
    setLearntNumber(m_store.LearntNumber + 1);
    DictionaryLines::moveToEnd(dict, index);
    m_shownCards.remove(line);
    m_store.LearntSL.append(line);
    emit learntCounted(1);
    if (settings().Vibration)
        m_ports.sound.Vibrate(m_store.paths().SoundPath);
}

// Shows the hidden side of a half-shown card for DelayOfHint, without counting anything.
void LearningEngine::showHint()
{
    if (m_display.answerShown() && !m_display.questionShown())
        m_display.ShowQ(false);
    else if (m_display.questionShown() && !m_display.answerShown())
        m_display.ShowA(false);
    else
        return;
    m_pausing = true;
    const auto resume = qScopeGuard([this] { m_pausing = false; });
    m_ports.hintPause.pause(settings().DelayOfHint);
}

void LearningEngine::askSide()
{
    const TVocabula card = MyVocabula();
    const bool automatic = isAutomatic();
    const bool question = automatic ? AskQuestionAutomatically(card, settings(), m_ports.random)
                                    : AskQuestionManually(card, settings(), m_ports.random);
    if (!automatic) {
        // A side left on display by the card before is replaced, not kept.
        if (question)
            m_display.clearAnswer();
        else
            m_display.clearQuestion();
    }
    if (question)
        m_display.ShowQ(true);
    else
        m_display.ShowA(true);
    m_askedSide = question ? AskedSide::Question : AskedSide::Answer;
}

void LearningEngine::setLearntNumber(qint32 number)
{
    m_store.LearntNumber = number;
    // The store's own signal, so the learnt count has one source for the status line.
    emit m_store.learntNumberChanged(number);
}

// No card to learn: the automatic run stops, as it does whenever the Play tab is left, so that
// its ticks do not pile up message boxes; then the Dictionaries tab, out of full-screen mode so
// that the learner sees it, and the message.
void LearningEngine::askForDictionary()
{
    setAutomatic(false);
    m_ports.screens.showDictionaries();
    m_ports.messages.showModal(m_ports.messages.text(Message::SelectDictionaryToLearn));
}
