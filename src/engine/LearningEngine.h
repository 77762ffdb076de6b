#pragma once

#include "engine/AutomaticMode.h"
#include "engine/CardDisplay.h"
#include "engine/DoubleClick.h"
#include "engine/EnginePorts.h"
#include "engine/Removals.h"
#include "engine/ShownCards.h"

#include <QObject>

class DictionaryStore;
class PhoneticTable;
struct DataRecord;
struct TSettings;

// The learning engine: the next card and the side to ask, the learner's responses and the
// learnt test, automatic mode, and the learnt-count reset. It works on the open dictionary and
// the learnt lines of the store and on the settings of the record's current mode, and shows the
// card through its display state; it owns no widget.
class LearningEngine : public QObject
{
    Q_OBJECT

public:
    LearningEngine(DataRecord& record, DictionaryStore& store, const PhoneticTable& phonetic,
                   const EnginePorts& ports, QObject* parent = nullptr);

    CardDisplay& display() { return m_display; }
    const CardView& view() const { return m_display.view(); }
    ShownCards& shownCards() { return m_shownCards; }
    AutomaticMode& automaticMode() { return m_automatic; }

    const QString& CurrentLine() const { return m_display.CurrentLine(); }
    void setCurrentLine(const QString& line) { m_display.setCurrentLine(line); }
    // A copy of the entry of CurrentLine, or the record of the empty line.
    TVocabula MyVocabula() const { return m_shownCards.MyVocabula(CurrentLine()); }
    // The entry of CurrentLine, or nullptr.
    TVocabula* ActualEntry() { return m_shownCards.find(CurrentLine()); }

    // Settles the card on screen and shows the next one; with TakeFirstLine the first line of
    // the dictionary.
    void MyNext(bool TakeFirstLine);
    void ClearAll() { m_display.ClearAll(); }

    void Next0();
    void Remind0();
    void Learnt0();
    void SideLearnt0();
    void Delete0();
    // Says the side on screen, the question when both are; the card's words only.
    void Say0();

    // The last removals of the run, and taking back the latest one.
    Removals& removals() { return m_removals; }
    // The open dictionary's path, which removals are recorded against.
    const QString& dictionaryPath() const;
    // A removal to take back later, told to the window.
    void recordRemoval(Removal removal);
    enum class UndoResult
    {
        NothingToUndo,
        OtherDictionary,
        BroughtBack,
    };
    // Puts the latest removal back; its line in line.
    UndoResult Undo0(QString& line);

    bool isAutomatic() const { return m_automatic.isOn(); }
    // The change of cbAuto: switching on shows the first card at once.
    void setAutomatic(bool on);
    // A tick of tmMain.
    void tmMainTimer();

    // A click on the learnt count: a double click sets it to 0 and forgets the dictionary's
    // stored progress.
    void btLearntNumberClick();
    // A click on the indicator: a double click switches its colour.
    void btIndicatorColorClick();
    DoubleClick& learntNumberDoubleClick() { return m_learntNumberClick; }
    DoubleClick& indicatorColorDoubleClick() { return m_indicatorColorClick; }

    // The card screen's check boxes.
    void setRightToLeftTicked(bool ticked);
    void setPhoneticTicked(bool ticked);
    // After a change of the switches "Show indicators", "Show Phonetic checkbox" and "Show
    // RightToLeft checkbox".
    void SwitchesChanged();
    // After a change of the settings or of the learning mode: the check boxes, the phonetic
    // line, the indicator and the automatic pace follow the record.
    void SettingsChanged();

signals:
    void automaticChanged(bool on);
    void cardRemoved(const Removal& removal);
    // MyNext drew a card and shows it.
    void cardDrawn();
    // A card was learnt (+1), or a learning was taken back (-1).
    void learntCounted(int change);

private:
    enum class AskedSide
    {
        None,
        Question,
        Answer,
    };

    const TSettings& settings() const;
    void CheckAndSend();
    void showHint();
    void askSide();
    void setLearntNumber(qint32 number);
    void askForDictionary();
    void throwOut(bool counted);

    DataRecord& m_record;
    DictionaryStore& m_store;
    EnginePorts m_ports;

    ShownCards m_shownCards;
    AutomaticMode m_automatic;
    CardDisplay m_display;
    DoubleClick m_learntNumberClick;
    DoubleClick m_indicatorColorClick;
    Removals m_removals;

    // The side MyNext asked of the card on screen, for Side learnt with both sides on display.
    AskedSide m_askedSide = AskedSide::None;
    // The card on screen has been thrown out by Learnt or Delete.
    bool m_thrownOut = false;
    // The hint's pause is running: actions arriving meanwhile are dropped, not nested.
    bool m_pausing = false;
};
