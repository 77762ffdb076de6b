#include "EngineHarness.h"

#include "CorpusTsv.h"

#include <QRandomGenerator>
#include <QSet>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

using LineCounts = QHash<QString, int>;

LineCounts countLines(const QStringList& lines)
{
    LineCounts counts;
    for (const QString& line : lines)
        ++counts[line];
    return counts;
}

// Any settings the settings screen offers, and some it does not (both thresholds of a pair 0).
void randomSettings(TSettings& s, QRandomGenerator& dice)
{
    const auto between = [&dice](int low, int high) { return int(dice.bounded(low, high + 1)); };
    s.NumberOfCards = between(1, 15);
    const int order = between(0, 3);
    s.QuestionsFirst = order == 0;
    s.AnswersFirst = order == 1;
    s.Randomly = order == 2;
    s.Simultaneously = order == 3;
    s.WhenRememberQuestions = between(0, 10);
    s.WhenRememberAnswers = between(0, 10);
    s.MaximumForQuestions = between(0, 20);
    s.MaximumForAnswers = between(0, 20);
    s.TimesForQuestions = between(0, 20);
    s.TimesForAnswers = between(0, 20);
    s.WhenSimultaneously0 = between(1, 20);
    s.WhenSimultaneously00 = between(1, 20);
    s.DelayOfHint = between(0, 3) == 0 ? 100 : 0;
    const int clipboard = between(0, 4);
    s.ClipboardQ = clipboard == 0;
    s.ClipboardA = clipboard == 1;
    s.ClipboardQA = clipboard == 2;
    s.ClipboardQAlways = clipboard == 3;
    s.ClipboardNothing = clipboard == 4;
    s.ShowPhonetic = between(0, 1) == 1;
    s.TakeFromDict = between(0, 1) == 1;
    s.Vibration = between(0, 1) == 1;
}

} // namespace

// 100,000 random actions on a real dictionary, with the invariants checked after each one.
class TestEngineSoak : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }
    void randomActionsKeepEveryLine();

private:
    void openCopy(EngineHarness& h, int copy);
};

void TestEngineSoak::openCopy(EngineHarness& h, int copy)
{
    const QString name = u"everyday500-%1"_s.arg(copy);
    QVERIFY(QFile::copy(CorpusTsv::fixture(u"corpus/dict/everyday500.txt"_s),
                        h.store.paths().DictDir + u'/' + name + u".txt"_s));
    h.store.LoadMyDict(name, true);
    // What deleting the previous dictionary's file does to the card screen.
    h.engine.ClearAll();
    h.engine.setCurrentLine(QString());
    h.engine.shownCards().clear();
}

void TestEngineSoak::randomActionsKeepEveryLine()
{
    EngineHarness h(std::make_unique<SeededRandom>(11));
    h.phonetic.load(CorpusTsv::fixture(u"corpus/dict/phonetic_en-us_espeak.txt"_s));
    QRandomGenerator dice(2024);
    int copies = 0;
    openCopy(h, copies++);
    LineCounts expected = countLines(h.store.MyDictSL.lines());
    QCOMPARE(h.store.MyDictSL.count(), 500);

    // Action codes of the harness with their weights; "set" draws new settings and "reset"
    // clicks the learnt count.
    const QList<std::pair<QString, int>> weights{
        {u"N"_s, 400}, {u"R"_s, 150}, {u"T"_s, 100},  {u"S"_s, 40},    {u"L"_s, 6},
        {u"D"_s, 6},   {u"F"_s, 20},  {u"C"_s, 10},   {u"A+"_s, 15},   {u"A-"_s, 15},
        {u"Z+"_s, 5},  {u"Z-"_s, 10}, {u"RTL+"_s, 5}, {u"RTL-"_s, 5},  {u"P+"_s, 5},
        {u"P-"_s, 5},  {u"SW"_s, 5},  {u"set"_s, 30}, {u"reset"_s, 1},
    };
    int total = 0;
    for (const auto& weight : weights)
        total += weight.second;

    for (int step = 0; step < 100'000; ++step) {
        int pick = int(dice.bounded(total));
        QString action;
        for (const auto& weight : weights) {
            if ((pick -= weight.second) < 0) {
                action = weight.first;
                break;
            }
        }

        const QString current = h.engine.CurrentLine();
        const qsizetype dictBefore = h.store.MyDictSL.count();
        const qsizetype learntBefore = h.store.LearntSL.count();
        const qint32 numberBefore = h.store.LearntNumber;

        if (action == u"set") {
            randomSettings(h.settings(), dice);
            h.engine.SettingsChanged();
        } else if (action == u"reset") {
            h.engine.btLearntNumberClick();
            h.engine.btLearntNumberClick();
        } else {
            h.act(action);
        }
        h.fakes.events.clear();

        const QString where = u"step %1, action %2"_s.arg(step).arg(action);
        const StringList& dict = h.store.MyDictSL;
        const qsizetype learntGrowth = h.store.LearntSL.count() - learntBefore;
        const qsizetype dictLoss = dictBefore - dict.count();
        QVERIFY2(learntGrowth == 0 || learntGrowth == 1, qPrintable(where));
        QVERIFY2(dictLoss == 0 || dictLoss == 1, qPrintable(where));
        if (learntGrowth == 1) {
            QVERIFY2(!current.isEmpty() && h.store.LearntSL.lines().last() == current,
                     qPrintable(where));
            if (dictLoss == 0)
                QVERIFY2(dict.lines().last() == current, qPrintable(where));
        }
        if (dictLoss == 1) {
            QVERIFY2(action == u"L" || action == u"D" || action == u"S", qPrintable(where));
            QVERIFY2(expected.value(current) > 0, qPrintable(where));
            --expected[current];
        }
        if (action == u"reset")
            QVERIFY2(h.store.LearntNumber == 0, qPrintable(where));
        else
            QVERIFY2(h.store.LearntNumber == numberBefore + learntGrowth, qPrintable(where));

        if (step % 1000 == 0 || dict.isEmpty()) {
            expected.removeIf([](const auto& entry) { return entry.value() == 0; });
            QVERIFY2(countLines(dict.lines()) == expected, qPrintable(where));
            const QList<TVocabula> entries = h.engine.shownCards().entries();
            QSet<QString> lines;
            for (const TVocabula& entry : entries)
                lines.insert(entry.OriginalStr);
            QVERIFY2(lines.size() == entries.size(), qPrintable(where));
        }
        if (dict.isEmpty()) {
            openCopy(h, copies++);
            expected = countLines(dict.lines());
        }
    }
    qInfo("%d dictionaries, %lld lines learnt", copies, qlonglong(h.store.LearntSL.count()));
}

QTEST_GUILESS_MAIN(TestEngineSoak)
#include "tst_engine_soak.moc"
