#include "EngineHarness.h"

#include "CorpusTsv.h"
#include "engine/EventLoopHintPause.h"
#include "save/SaveAll.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList abc{u"a = 1"_s, u"b = 2"_s, u"c = 3"_s};

QStringList repeated(const QStringList& steps, int times)
{
    QStringList all;
    for (int i = 0; i < times; ++i)
        all += steps;
    return all;
}

} // namespace

// Learning runs on small dictionaries: each row performs actions and checks what the card
// screen shows after each one ("question|answer", and after "#" the indicator), then the
// order of the dictionary, the learnt lines and count, and what went outside.
class TestLearningRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }

    void scenario_data();
    void scenario();
    void noDictionaryOpen();
    void hintHoldsActionsBack();
    void realPauseLetsQueuedWorkRun();
    void cardOfAnotherDictionaryIsNotCounted();
    void corpusRunEndsInTheSavedFiles();
};

void TestLearningRun::scenario_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("dict");
    QTest::addColumn<QStringList>("learnt");
    QTest::addColumn<int>("learntNumber");
    QTest::addColumn<QStringList>("events");

    const QStringList moved{u"b = 2"_s, u"c = 3"_s, u"a = 1"_s};
    const QStringList a{u"a = 1"_s};
    const QStringList sound{u"sound"_s};

    QTest::newRow("manual defaults: three question and three answer shows, same card again")
        << u"cards=1"_s << abc << QList<int>{}
        << QStringList{u"N a|#1 (1)     0 (0)"_s,
                       u"N a|"_s,
                       u"N a|#3 (3)     0 (0)"_s,
                       u"N |1"_s,
                       u"N |1"_s,
                       u"N |1#3 (3)     3 (3)"_s,
                       u"N b|#1 (1)     0 (0)"_s}
        << moved << a << 1 << sound;

    QTest::newRow("a reminder on every show: learnt by the maximum clause")
        << u"cards=1"_s << abc << QList<int>{}
        << repeated({u"N a|"_s, u"R a|1"_s}, 10) + repeated({u"N |1"_s, u"R a|1"_s}, 9) +
               QStringList{u"N |1"_s, u"R a|1#0 (10)     0 (10)"_s, u"N b|"_s}
        << moved << a << 1 << sound;

    QTest::newRow("automatic 4/4: learnt on the reveal tick after the fourth answer show")
        << u"cards=1 tq=4 ta=4"_s << abc << QList<int>{}
        << QStringList{u"A+ a|#1     0"_s, u"T a|1"_s, u"T a|"_s,         u"T a|1"_s,
                       u"T a|"_s,          u"T a|1"_s, u"T a|#4     0"_s, u"T a|1"_s,
                       u"T |1#4     1"_s,  u"T a|1"_s, u"T |1"_s,         u"T a|1"_s,
                       u"T |1"_s,          u"T a|1"_s, u"T |1#4     4"_s, u"T a|1#     "_s,
                       u"T b|#1     0"_s}
        << moved << a << 1 << sound;

    QTest::newRow("Simultaneously, manual")
        << u"cards=1 order=S sim0=2"_s << abc << QList<int>{}
        << QStringList{u"N a|1#1"_s, u"N a|1#2"_s, u"N b|2#1"_s} << moved << a << 1 << sound;

    QTest::newRow("Simultaneously, automatic")
        << u"cards=1 order=S sim00=2"_s << abc << QList<int>{}
        << QStringList{u"A+ a|1#1"_s, u"T a|1#2"_s, u"T b|2#1"_s} << moved << a << 1 << sound;

    QTest::newRow("Randomly with both weights 0: always the answer, learnt at the next Next")
        << u"cards=1 order=R wrq=0 wra=0"_s << abc << QList<int>{}
        << QStringList{u"N |1#0 (0)     1 (1)"_s, u"N |2"_s, u"N |3"_s, u"N |1"_s} << abc << abc
        << 3 << repeated(sound, 3);

    QTest::newRow("a window larger than the dictionary is the whole dictionary")
        << u"cards=15"_s << abc << QList<int>{2, 1} << QStringList{u"N c|"_s, u"N b|"_s} << abc
        << QStringList{} << 0 << QStringList{};

    QTest::newRow("two equal lines are one card")
        << u"cards=2"_s << QStringList{u"a = 1"_s, u"a = 1"_s, u"b = 2"_s} << QList<int>{0, 1}
        << QStringList{u"N a|#1 (1)     0 (0)"_s, u"N a|#2 (2)     0 (0)"_s}
        << QStringList{u"a = 1"_s, u"a = 1"_s, u"b = 2"_s} << QStringList{} << 0 << QStringList{};

    QTest::newRow("two lines differing in letter case are two cards")
        << u"cards=2"_s << QStringList{u"a = 1"_s, u"A = 1"_s} << QList<int>{0, 1}
        << QStringList{u"N a|"_s, u"N A|#1 (1)     0 (0)"_s} << QStringList{u"a = 1"_s, u"A = 1"_s}
        << QStringList{} << 0 << QStringList{};

    QTest::newRow("TakeFirstLine shows the first line whatever the draw")
        << u"cards=3"_s << abc << QList<int>{2} << QStringList{u"N c|"_s, u"F a|"_s} << abc
        << QStringList{} << 0 << QStringList{};

    QTest::newRow("empty dictionary")
        << QString() << QStringList{} << QList<int>{} << QStringList{u"N |"_s} << QStringList{}
        << QStringList{} << 0
        << QStringList{u"message msNoWordsInDictionary"_s, u"dictionaries"_s,
                       u"modal msSelectDictionaryToLearn"_s};

    QTest::newRow("deleting the last card empties the dictionary")
        << u"cards=1"_s << a << QList<int>{} << QStringList{u"N a|"_s, u"D |"_s} << QStringList{}
        << QStringList{} << 0
        << QStringList{u"sound"_s, u"message msNoWordsInDictionary"_s, u"dictionaries"_s,
                       u"modal msSelectDictionaryToLearn"_s};

    QTest::newRow("Side learnt on the question: the answer next, learnt after its run")
        << u"cards=1"_s << abc << QList<int>{}
        << QStringList{u"N a|"_s, u"S |1#1 (1)*     1 (1)"_s, u"N |1"_s, u"N |1#1 (1)*     3 (3)"_s,
                       u"N b|"_s}
        << moved << a << 1 << sound;

    QTest::newRow("Side learnt with both sides shown marks the asked question")
        << u"cards=1"_s << abc << QList<int>{}
        << QStringList{u"N a|"_s, u"R a|1"_s, u"S |1#0 (1)*     1 (1)"_s} << abc << QStringList{}
        << 0 << QStringList{};

    QTest::newRow("Side learnt with both sides shown marks the asked answer")
        << u"cards=1 order=A"_s << abc << QList<int>{}
        << QStringList{u"N |1"_s, u"R a|1"_s, u"S a|#1 (1)     0 (1)*"_s} << abc << QStringList{}
        << 0 << QStringList{};

    QTest::newRow("Side learnt in order Simultaneously acts as Learnt")
        << u"cards=1 order=S"_s << abc << QList<int>{} << QStringList{u"N a|1"_s, u"S b|2"_s}
        << QStringList{u"b = 2"_s, u"c = 3"_s} << a << 1 << sound;

    QTest::newRow("Learnt takes the line out of the dictionary")
        << u"cards=1"_s << abc << QList<int>{} << QStringList{u"N a|"_s, u"L b|"_s}
        << QStringList{u"b = 2"_s, u"c = 3"_s} << a << 1 << sound;

    QTest::newRow("Learnt counts the card on screen after Swap changed its line")
        << u"cards=1"_s << abc << QList<int>{} << QStringList{u"N a|"_s, u"SWAP"_s, u"L 1|"_s}
        << QStringList{u"1 = a"_s, u"2 = b"_s, u"3 = c"_s} << a << 1 << sound;

    QTest::newRow("automatic: Learnt on a card already thrown out counts nothing")
        << u"cards=1"_s << abc << QList<int>{} << QStringList{u"A+ a|"_s, u"L a|1"_s, u"L b|"_s}
        << QStringList{u"b = 2"_s, u"c = 3"_s} << a << 1 << repeated(sound, 2);

    QTest::newRow("Delete takes the line out without counting it")
        << u"cards=1"_s << abc << QList<int>{} << QStringList{u"N a|"_s, u"D b|"_s}
        << QStringList{u"b = 2"_s, u"c = 3"_s} << QStringList{} << 0 << sound;

    QTest::newRow("without Vibration no sound")
        << u"cards=1 vib=0 maxq=0 maxa=0"_s << abc << QList<int>{}
        << QStringList{u"N |1"_s, u"N |2"_s, u"L |3"_s} << QStringList{u"c = 3"_s, u"a = 1"_s}
        << QStringList{u"a = 1"_s, u"b = 2"_s} << 2 << QStringList{};

    QTest::newRow("after a zoom Learnt, Side learnt and Delete do nothing")
        << u"cards=1"_s << abc << QList<int>{}
        << QStringList{u"N a|"_s, u"Z+"_s,  u"L a|"_s, u"S a|"_s, u"D a|#1 (1)     0 (0)"_s,
                       u"Z-"_s,   u"S |1"_s}
        << abc << QStringList{} << 0 << QStringList{};

    QTest::newRow("with nothing shown Learnt acts as Next, Remind on both sides too")
        << u"cards=1"_s << abc << QList<int>{}
        << QStringList{u"L a|#1 (1)     0 (0)"_s, u"R a|1#0 (1)     0 (0)"_s,
                       u"R a|#1 (2)     0 (0)"_s}
        << abc << QStringList{} << 0 << QStringList{};

    QTest::newRow("a card learnt by its counters moves, its case neighbour stays")
        << u"cards=2 wrq=1 wra=0"_s << QStringList{u"Apple = 1"_s, u"apple = 1"_s, u"b = 2"_s}
        << QList<int>{1, 0} << QStringList{u"N apple|"_s, u"N Apple|"_s}
        << QStringList{u"Apple = 1"_s, u"b = 2"_s, u"apple = 1"_s} << QStringList{u"apple = 1"_s}
        << 1 << sound;

    QTest::newRow("Learnt removes the line on screen, its case neighbour stays")
        << u"cards=2"_s << QStringList{u"Apple = 1"_s, u"apple = 1"_s, u"b = 2"_s}
        << QList<int>{1, 0} << QStringList{u"N apple|"_s, u"L Apple|"_s}
        << QStringList{u"Apple = 1"_s, u"b = 2"_s} << QStringList{u"apple = 1"_s} << 1 << sound;

    QTest::newRow("thresholds at 0: nothing before the first card, a revealed card once")
        << u"cards=1 maxq=0 maxa=0"_s << abc << QList<int>{}
        << QStringList{u"N |1"_s, u"R a|1"_s, u"N |2"_s} << moved << a << 1 << sound;

    QTest::newRow("the hint shows the hidden side for the pause and counts nothing")
        << u"cards=1 hint=500"_s << abc << QList<int>{}
        << QStringList{u"N a|"_s, u"N a|#2 (2)     0 (0)"_s} << abc << QStringList{} << 0
        << QStringList{u"pause 500 a|1"_s};

    QTest::newRow("the hint after Learnt shows the learnt card's other side")
        << u"cards=1 hint=300"_s << abc << QList<int>{} << QStringList{u"N a|"_s, u"L b|"_s}
        << QStringList{u"b = 2"_s, u"c = 3"_s} << a << 1
        << QStringList{u"sound"_s, u"pause 300 a|1"_s};

    QTest::newRow("no hint in automatic mode") << u"cards=1 hint=500"_s << abc << QList<int>{}
                                               << QStringList{u"A+ a|"_s, u"T a|1"_s, u"T a|"_s}
                                               << abc << QStringList{} << 0 << QStringList{};
}

void TestLearningRun::scenario()
{
    QFETCH(QString, settings);
    QFETCH(QStringList, lines);
    QFETCH(QList<int>, draws);
    QFETCH(QStringList, steps);

    EngineHarness h(std::make_unique<ScriptedRandom>(draws));
    h.configure(settings);
    h.open(lines);
    h.fakes.duringPause = [&h] { h.fakes.events.last() += u' ' + h.shown(); };

    for (const QString& step : std::as_const(steps)) {
        const QString action = step.section(u' ', 0, 0);
        const QString expected = step.section(u' ', 1);
        h.act(action);
        if (expected.isEmpty())
            continue;
        const QString shown = expected.section(u'#', 0, 0);
        QVERIFY2(h.shown() == shown, qPrintable(step + u" shows "_s + h.shown()));
        if (expected.contains(u'#'))
            QVERIFY2(
                h.engine.view().TextIndicator == expected.section(u'#', 1),
                qPrintable(step + u" indicates \""_s + h.engine.view().TextIndicator + u"\""_s));
    }

    QTEST(h.store.MyDictSL.lines(), "dict");
    QTEST(h.store.LearntSL.lines(), "learnt");
    QTEST(int(h.store.LearntNumber), "learntNumber");
    QTEST(h.fakes.events, "events");
}

void TestLearningRun::noDictionaryOpen()
{
    EngineHarness h;
    h.engine.Next0();
    QCOMPARE(h.fakes.events,
             (QStringList{u"dictionaries"_s, u"modal msSelectDictionaryToLearn"_s}));
    QCOMPARE(h.shown(), u"|"_s);
    QCOMPARE(h.fakes.actionsHidden, 0);
}

void TestLearningRun::hintHoldsActionsBack()
{
    EngineHarness h;
    h.configure(u"cards=1 hint=500"_s);
    h.open(abc);
    h.engine.Next0();
    h.fakes.duringPause = [&h] {
        for (const QString& action : {u"N"_s, u"R"_s, u"L"_s, u"S"_s, u"D"_s, u"F"_s, u"A+"_s})
            h.act(action);
    };
    h.engine.Next0();

    QCOMPARE(h.fakes.events, QStringList{u"pause 500"_s});
    QCOMPARE(h.shown(), u"a|"_s);
    QCOMPARE(h.engine.view().TextIndicator, u"2 (2)     0 (0)"_s);
    QCOMPARE(h.store.MyDictSL.lines(), abc);
    QVERIFY(!h.engine.isAutomatic());
}

void TestLearningRun::realPauseLetsQueuedWorkRun()
{
    bool ran = false;
    QTimer::singleShot(0, this, [&ran] { ran = true; });
    EventLoopHintPause().pause(1);
    QVERIFY(ran);
}

void TestLearningRun::cardOfAnotherDictionaryIsNotCounted()
{
    EngineHarness h;
    h.configure(u"cards=1 maxq=0 maxa=0"_s);
    h.open({u"x = 1"_s, u"y = 2"_s}, u"First"_s);
    h.engine.Next0();
    QCOMPARE(h.shown(), u"|1"_s);

    h.engine.ClearAll();
    h.open(abc, u"Second"_s);
    h.engine.Next0();

    QCOMPARE(h.shown(), u"|1"_s);
    QCOMPARE(h.engine.CurrentLine(), u"a = 1"_s);
    QCOMPARE(h.store.LearntSL.lines(), QStringList{});
    QCOMPARE(h.store.LearntNumber, 0);
    QCOMPARE(h.store.MyDictSL.lines(), abc);
    QCOMPARE(h.engine.shownCards().MyVocabula(u"x = 1"_s).ShownA, 1);
}

void TestLearningRun::corpusRunEndsInTheSavedFiles()
{
    EngineHarness h(std::make_unique<SeededRandom>(7));
    const QString source = CorpusTsv::fixture(u"corpus/dict/everyday500.txt"_s);
    const QString dictPath = h.store.paths().DictDir + u"/everyday500.txt"_s;
    QVERIFY(QFile::copy(source, dictPath));
    h.store.LoadMyDict(u"everyday500"_s, true);
    const QStringList original = h.store.MyDictSL.lines();
    QCOMPARE(original.size(), 500);

    for (int i = 0; i < 300; ++i)
        h.engine.Next0();
    const QStringList learnt = h.store.LearntSL.lines();
    QVERIFY(!learnt.isEmpty());
    QCOMPARE(h.store.LearntNumber, learnt.size());

    SaveAll(h.store, h.record);
    const QStringList saved = TextFile::readLines(dictPath);
    QCOMPARE(saved, h.store.MyDictSL.lines());
    QCOMPARE(saved.mid(saved.size() - learnt.size()), learnt);
    QStringList sortedSaved = saved;
    QStringList sortedOriginal = original;
    sortedSaved.sort();
    sortedOriginal.sort();
    QCOMPARE(sortedSaved, sortedOriginal);
    const QStringList learntFile = TextFile::readLines(h.store.paths().LearntPath);
    for (const QString& line : learnt)
        QVERIFY(learntFile.contains(line));
}

QTEST_GUILESS_MAIN(TestLearningRun)
#include "tst_engine_learningrun.moc"
