#include "EngineHarness.h"

#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

// Switching the automatic mode on and off, and its pace. What each tick does to the cards is
// in the learning-run scenarios.
class TestAutomaticMode : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }

    void switchingOnShowsACardAtOnce();
    void switchingOnWithOneSideShownRevealsTheOther();
    void switchingOnTwiceTicksOnce();
    void switchingOffStopsTheTicks();
    void anEmptiedDictionaryStopsTheRun();
    void switchingOnWithoutCardsEndsOff();
    void intervalFollowsTheDelay_data();
    void intervalFollowsTheDelay();
};

void TestAutomaticMode::switchingOnShowsACardAtOnce()
{
    EngineHarness h;
    h.configure(u"cards=1 delay=2500"_s);
    h.open({u"a = 1"_s});
    QSignalSpy lamp(&h.engine, &LearningEngine::automaticChanged);

    h.engine.setAutomatic(true);

    QCOMPARE(h.shown(), u"a|"_s);
    QVERIFY(h.engine.isAutomatic());
    QCOMPARE(h.engine.automaticMode().interval(), 2500);
    QCOMPARE(lamp.count(), 1);
    QCOMPARE(lamp.first().first().toBool(), true);
}

void TestAutomaticMode::switchingOnWithOneSideShownRevealsTheOther()
{
    EngineHarness h;
    h.configure(u"cards=1"_s);
    h.open({u"a = 1"_s});
    h.engine.Next0();

    h.engine.setAutomatic(true);

    QCOMPARE(h.shown(), u"a|1"_s);
    QCOMPARE(h.engine.view().TextIndicator, u"1     0"_s);
}

void TestAutomaticMode::switchingOnTwiceTicksOnce()
{
    EngineHarness h;
    h.configure(u"cards=1"_s);
    h.open({u"a = 1"_s});

    h.engine.setAutomatic(true);
    h.engine.setAutomatic(true);

    QCOMPARE(h.engine.MyVocabula().ShownQ, 1);
    QCOMPARE(h.shown(), u"a|"_s);
}

void TestAutomaticMode::switchingOffStopsTheTicks()
{
    EngineHarness h;
    h.configure(u"cards=1"_s);
    h.open({u"a = 1"_s});
    h.engine.setAutomatic(true);
    QSignalSpy lamp(&h.engine, &LearningEngine::automaticChanged);

    h.engine.setAutomatic(false);
    h.engine.tmMainTimer();

    QVERIFY(!h.engine.isAutomatic());
    QCOMPARE(lamp.count(), 1);
    QCOMPARE(lamp.first().first().toBool(), false);
    QCOMPARE(h.shown(), u"a|"_s);
}

void TestAutomaticMode::anEmptiedDictionaryStopsTheRun()
{
    EngineHarness h;
    h.configure(u"cards=1"_s);
    h.open({u"a = 1"_s});
    h.engine.setAutomatic(true);

    h.engine.Delete0();

    QVERIFY(!h.engine.isAutomatic());
    QCOMPARE(h.fakes.events,
             (QStringList{u"sound"_s, u"message msNoWordsInDictionary"_s, u"dictionaries"_s,
                          u"modal msSelectDictionaryToLearn"_s}));
}

void TestAutomaticMode::switchingOnWithoutCardsEndsOff()
{
    EngineHarness h;
    h.open({});
    QSignalSpy lamp(&h.engine, &LearningEngine::automaticChanged);

    h.engine.setAutomatic(true);

    QVERIFY(!h.engine.isAutomatic());
    QCOMPARE(lamp.count(), 2);
    QCOMPARE(lamp.last().first().toBool(), false);
}

void TestAutomaticMode::intervalFollowsTheDelay_data()
{
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("interval");

    QTest::newRow("the shortest offered") << 50 << 50;
    QTest::newRow("the longest offered") << 20000 << 20000;
    QTest::newRow("0 from a damaged record") << 0 << 50;
    QTest::newRow("negative from a damaged record") << -5 << 50;
}

void TestAutomaticMode::intervalFollowsTheDelay()
{
    QFETCH(int, delay);

    EngineHarness h;
    h.configure(u"cards=1"_s);
    h.open({u"a = 1"_s});
    h.engine.setAutomatic(true);

    h.settings().DelayInMilliseconds = delay;
    h.engine.tmMainTimer();
    QTEST(h.engine.automaticMode().interval(), "interval");

    h.settings().DelayInMilliseconds = 3000;
    h.engine.SettingsChanged();
    QCOMPARE(h.engine.automaticMode().interval(), 3000);
}

QTEST_GUILESS_MAIN(TestAutomaticMode)
#include "tst_engine_automatic.moc"
