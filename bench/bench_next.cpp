// One Next of the learning engine, with the learnt test and the learnt cards' moves, on
// dictionaries of growing size and with a growing table of shown cards.

#include "BenchTable.h"
#include "cards/DictionaryStore.h"
#include "cards/PhoneticTable.h"
#include "DataFolder.h"
#include "engine/EnginePorts.h"
#include "engine/LearningEngine.h"
#include "engine/SettingChoices.h"
#include "settings/SettingsRecord.h"

#include <QCoreApplication>

#include <map>
#include <memory>

namespace {

constexpr int Repetitions = 9;

// Ports that do nothing: the engine runs without a window.
class QuietPorts : public Clipboard,
                   public Sound,
                   public Messages,
                   public HintPause,
                   public InputGuards,
                   public Screens,
                   public Speech
{
public:
    QString TextFromClipboard() override { return {}; }
    void TextToClipboard(const QString&) override {}
    void Vibrate(const QString&) override {}
    QString text(Message) override { return {}; }
    void showModal(const QString&) override {}
    void MyMessage(const QString&) override {}
    void pause(int) override {}
    bool waitAfterZoomRunning() override { return false; }
    void restartGesture() override {}
    void hideActions() override {}
    void showDictionaries() override {}
    void say(const QString&, SpeechLanguage) override {}
};

// An engine over one dictionary, with extra entries in its table of shown cards.
struct Session
{
    Session(const std::string& size, int shownEntries)
        : store(folder.paths()), record(defaultDataRecord()),
          engine(record, store, phonetic, {ports, ports, ports, ports, random, ports, ports, ports})
    {
        store.LoadMyDict(folder.addDictionary(QString::fromStdString("big_" + size + ".txt")),
                         false);
        // Each card is learnt once both sides have been passed, so Next moves lines often.
        TSettings& settings = currentSettings(record);
        settings.WhenRememberQuestions = 1;
        settings.WhenRememberAnswers = 1;
        settings.Vibration = false;
        engine.SettingsChanged();
        // Lines of no dictionary, so they stay in the table for the whole run.
        for (int i = 0; i < shownEntries; ++i)
            engine.shownCards().findOrAdd(QStringLiteral("shown %1 = entry %1").arg(i));
    }

    DataFolder folder;
    DictionaryStore store;
    DataRecord record;
    PhoneticTable phonetic;
    QuietPorts ports;
    SeededRandom random{1};
    LearningEngine engine;
};

void next(benchmark::State& state, const std::string& size, int shownEntries)
{
    static std::map<std::pair<std::string, int>, std::unique_ptr<Session>> sessions;
    std::unique_ptr<Session>& session = sessions[{size, shownEntries}];
    if (!session)
        session = std::make_unique<Session>(size, shownEntries);
    for (auto _ : state)
        session->engine.Next0();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const std::pair<std::string, int> runs[] = {
        {"10k", 10}, {"100k", 10}, {"1m", 10}, {"10k", 100000}};
    for (const auto& [size, shown] : runs) {
        BenchTable::add(
            "next/" + size + "/shown:" + std::to_string(shown),
            [size, shown](benchmark::State& state) { next(state, size, shown); }, Repetitions)
            ->MinTime(0.2)
            ->Unit(benchmark::kMicrosecond);
    }
    const std::vector<BenchTable::Row> rows = {
        {"one Next, 10k lines", "next/10k/shown:10", ""},
        {"one Next, 100k lines", "next/100k/shown:10", ""},
        {"one Next, 1M lines, against 10k lines", "next/1m/shown:10", "next/10k/shown:10", 1.3},
        {"one Next, 100,000 entries in ShownCards, against 10", "next/10k/shown:100000",
         "next/10k/shown:10", 1.3},
    };
    return BenchTable::run(argc, argv, rows);
}
