#pragma once

#include "cards/CardLine.h"
#include "cards/Collation.h"
#include "cards/DataPaths.h"
#include "cards/DictionaryOperations.h"
#include "cards/DictionaryStore.h"
#include "cards/PhoneticTable.h"
#include "cards/TextFile.h"
#include "engine/EnginePorts.h"
#include "engine/LearningEngine.h"
#include "engine/SettingChoices.h"
#include "settings/SettingsRecord.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// A random source that gives the numbers of its script, each taken modulo n, and then 0.
class ScriptedRandom : public RandomSource
{
public:
    explicit ScriptedRandom(QList<int> script = {}) : m_script(std::move(script)) {}
    int below(int n) override
    {
        if (n <= 0 || m_next >= m_script.size())
            return 0;
        return m_script[m_next++] % n;
    }

private:
    QList<int> m_script;
    qsizetype m_next = 0;
};

// Every port of the engine in one fake. What the engine did outside is written to `events`,
// one line per call: "clipboard <text>", "sound", "modal <label>", "message <label>",
// "pause <ms>", "dictionaries" (out of full-screen mode) and "say <language> <text>" (en, ru or
// other). Clipboard reads, hiding the
// actions panel and the gesture timer are only counted.
class FakePorts : public Clipboard,
                  public Sound,
                  public Messages,
                  public HintPause,
                  public InputGuards,
                  public Screens,
                  public Speech
{
public:
    QString clipboardText;
    QStringList events;
    QString soundPath;
    bool zoomWaitRunning = false;
    int gestureRestarts = 0;
    int actionsHidden = 0;
    // Runs inside the hint's pause, after its event is logged.
    std::function<void()> duringPause;

    QString TextFromClipboard() override { return clipboardText; }
    void TextToClipboard(const QString& text) override
    {
        clipboardText = text;
        events << QStringLiteral("clipboard ") + text;
    }
    void Vibrate(const QString& path) override
    {
        soundPath = path;
        events << QStringLiteral("sound");
    }
    QString text(Message message) override { return messageLabelName(message); }
    void showModal(const QString& text) override { events << QStringLiteral("modal ") + text; }
    void MyMessage(const QString& text) override { events << QStringLiteral("message ") + text; }
    void pause(int milliseconds) override
    {
        events << QStringLiteral("pause %1").arg(milliseconds);
        if (duringPause)
            duringPause();
    }
    bool waitAfterZoomRunning() override { return zoomWaitRunning; }
    void restartGesture() override { ++gestureRestarts; }
    void hideActions() override { ++actionsHidden; }
    void showDictionaries() override { events << QStringLiteral("dictionaries"); }
    void say(const QString& text, SpeechLanguage language) override
    {
        const char* code = language == SpeechLanguage::English   ? "en"
                           : language == SpeechLanguage::Russian ? "ru"
                                                                 : "other";
        events << QStringLiteral("say %1 %2").arg(QLatin1String(code), text);
    }

    EnginePorts ports(RandomSource& random)
    {
        return {*this, *this, *this, *this, random, *this, *this, *this};
    }
};

// Sets fields of the settings from "key=value" words: cards, order (Q, A, R, S), wrq, wra,
// maxq, maxa, tq, ta, sim0, sim00, hint, delay, clip (Q, A, QA, QAlways, Nothing), vib, phon,
// dict.
inline void applySettings(TSettings& s, const QString& words)
{
    const QStringList parts = words.split(u' ', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const QString key = part.section(u'=', 0, 0);
        const QString value = part.section(u'=', 1);
        const int n = value.toInt();
        if (key == u"order") {
            s.QuestionsFirst = value == u"Q";
            s.AnswersFirst = value == u"A";
            s.Randomly = value == u"R";
            s.Simultaneously = value == u"S";
        } else if (key == u"clip") {
            s.ClipboardQ = value == u"Q";
            s.ClipboardA = value == u"A";
            s.ClipboardQA = value == u"QA";
            s.ClipboardQAlways = value == u"QAlways";
            s.ClipboardNothing = value == u"Nothing";
        } else {
            const QHash<QString, qint32*> numbers{
                {"cards", &s.NumberOfCards},        {"wrq", &s.WhenRememberQuestions},
                {"wra", &s.WhenRememberAnswers},    {"maxq", &s.MaximumForQuestions},
                {"maxa", &s.MaximumForAnswers},     {"tq", &s.TimesForQuestions},
                {"ta", &s.TimesForAnswers},         {"sim0", &s.WhenSimultaneously0},
                {"sim00", &s.WhenSimultaneously00}, {"hint", &s.DelayOfHint},
                {"delay", &s.DelayInMilliseconds},
            };
            const QHash<QString, bool*> flags{
                {"vib", &s.Vibration}, {"phon", &s.ShowPhonetic}, {"dict", &s.TakeFromDict}};
            if (numbers.contains(key))
                *numbers[key] = n;
            else if (flags.contains(key))
                *flags[key] = n != 0;
            else
                qFatal("unknown setting %s", qPrintable(key));
        }
    }
}

// Sets the record's switches from "key=value" words: indicators, white (the current view's
// WhiteIndicator), rtl (the right-to-left check box ticked), rtlbox and phonbox (the check
// boxes visible).
inline void applyRecord(DataRecord& record, const QString& words)
{
    const QStringList parts = words.split(u' ', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const QString key = part.section(u'=', 0, 0);
        const bool on = part.section(u'=', 1).toInt() != 0;
        if (key == u"indicators")
            record.ShowIndicators = on;
        else if (key == u"white")
            currentView(record).WhiteIndicator = on;
        else if (key == u"rtl")
            record.RightToLeftTicked = on;
        else if (key == u"rtlbox")
            record.ShowRightToLeftCheckBox = on;
        else if (key == u"phonbox")
            record.ShowPhoneticCheckBox = on;
        else
            qFatal("unknown switch %s", qPrintable(key));
    }
}

// A whole engine on a temporary data folder: the store, the first-run settings record, a
// phonetic table, the fakes and a random source.
class EngineHarness
{
public:
    explicit EngineHarness(
        std::unique_ptr<RandomSource> random = std::make_unique<ScriptedRandom>())
        : random(std::move(random)),
          store(PrepareDataFolders(exe.path(), exe.filePath(QStringLiteral("Documents")))),
          record(defaultDataRecord()), engine(record, store, phonetic, fakes.ports(*this->random))
    {}

    // Writes the lines as the dictionary name and opens it.
    void open(const QStringList& lines, const QString& name = QStringLiteral("Test"))
    {
        TextFile::writeLines(store.paths().DictDir + u'/' + name + QStringLiteral(".txt"), lines);
        store.LoadMyDict(name, false);
    }

    TSettings& settings() { return currentSettings(record); }

    // Applies settings and switches words as the window would after changing them.
    void configure(const QString& settingsWords, const QString& switchesWords = {})
    {
        applySettings(settings(), settingsWords);
        applyRecord(record, switchesWords);
        engine.SettingsChanged();
        engine.SwitchesChanged();
    }

    void actAll(const QStringList& codes)
    {
        for (const QString& code : codes)
            act(code);
    }

    // "question|answer" as the card screen shows it.
    QString shown() const { return engine.view().TextQuestion + u'|' + engine.view().TextAnswer; }

    // Performs one action by its code: N Next, R Remind, L Learnt, S Side learnt, D Delete,
    // F MyNext with TakeFirstLine, C ClearAll, T a tick of the automatic mode, A+ and A- the
    // automatic mode on and off, Z+ and Z- the zoom guard on and off, RTL+ and RTL- the
    // right-to-left check box, P+ and P- the phonetic check box, SW a change of the switches,
    // SP+ and SP- "Show phonetic" switched on the settings screen, SWAP the Swap of the
    // dictionary's lines, U the undo of the latest removal, SAY the side on screen said.
    void act(const QString& code)
    {
        if (code == u"N")
            engine.Next0();
        else if (code == u"R")
            engine.Remind0();
        else if (code == u"L")
            engine.Learnt0();
        else if (code == u"S")
            engine.SideLearnt0();
        else if (code == u"D")
            engine.Delete0();
        else if (code == u"F")
            engine.MyNext(true);
        else if (code == u"C")
            engine.ClearAll();
        else if (code == u"T")
            engine.tmMainTimer();
        else if (code == u"A+" || code == u"A-")
            engine.setAutomatic(code == u"A+");
        else if (code == u"Z+" || code == u"Z-")
            fakes.zoomWaitRunning = code == u"Z+";
        else if (code == u"RTL+" || code == u"RTL-")
            engine.setRightToLeftTicked(code == u"RTL+");
        else if (code == u"P+" || code == u"P-")
            engine.setPhoneticTicked(code == u"P+");
        else if (code == u"SW")
            engine.SwitchesChanged();
        else if (code == u"SP+" || code == u"SP-") {
            settings().ShowPhonetic = code == u"SP+";
            engine.SettingsChanged();
        } else if (code == u"SWAP") {
            SwapLines(store.MyDictSL);
        } else if (code == u"U") {
            QString line;
            engine.Undo0(line);
        } else if (code == u"SAY") {
            engine.Say0();
        } else
            qFatal("unknown action %s", qPrintable(code));
    }

    QTemporaryDir exe;
    std::unique_ptr<RandomSource> random;
    FakePorts fakes;
    DictionaryStore store;
    DataRecord record;
    PhoneticTable phonetic;
    LearningEngine engine;
};
