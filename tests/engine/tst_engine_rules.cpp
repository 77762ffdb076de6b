#include "EngineHarness.h"

#include "engine/LearntTest.h"
#include "engine/SideRule.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// A card from words: sq, sa, sqa, yq, ya with "=" and a count, and the flags dq and da.
TVocabula card(const QString& words)
{
    TVocabula v = LineToVocabula(u"q = a"_s);
    const QStringList parts = words.split(u' ', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const QString key = part.section(u'=', 0, 0);
        const int n = part.section(u'=', 1).toInt();
        if (key == u"sq")
            v.ShownQ = n;
        else if (key == u"sa")
            v.ShownA = n;
        else if (key == u"sqa")
            v.ShownQA = n;
        else if (key == u"yq")
            v.YesQ = n;
        else if (key == u"ya")
            v.YesA = n;
        else if (key == u"dq")
            v.DoneQ = true;
        else if (key == u"da")
            v.DoneA = true;
        else
            qFatal("unknown counter %s", qPrintable(key));
    }
    return v;
}

// The settings of a first run (3 and 3 to remember, 10 and 10 shows at most, 4 and 4 shows in
// automatic mode, 12 and 8 double shows) with the words applied.
TSettings settingsOf(const QString& words)
{
    TSettings s = defaultDataRecord().Settings[0];
    applySettings(s, words);
    return s;
}

} // namespace

// The two rules every Next applies: which side of a card to ask, and whether the card leaving
// the screen is learnt.
class TestEngineRules : public QObject
{
    Q_OBJECT

private slots:
    void sideRule_data();
    void sideRule();
    void learntTest_data();
    void learntTest();
};

void TestEngineRules::sideRule_data()
{
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("card");
    QTest::addColumn<int>("draw");
    QTest::addColumn<QString>("side");

    const auto row = [](const char* name, bool automatic, const QString& settings,
                        const QString& card, int draw, const QString& side) {
        QTest::newRow(name) << automatic << settings << card << draw << side;
    };
    row("manual QuestionsFirst: a fresh card", false, {}, {}, 0, u"Q"_s);
    row("manual QuestionsFirst: run of three", false, {}, u"yq=3 sq=3"_s, 0, u"A"_s);
    row("manual QuestionsFirst: reminder resets the run", false, {}, u"yq=0 sq=5"_s, 0, u"Q"_s);
    row("manual QuestionsFirst: maximum reached", false, {}, u"yq=1 sq=10"_s, 0, u"A"_s);
    row("manual QuestionsFirst: maximum 0", false, u"maxq=0"_s, {}, 0, u"A"_s);
    row("manual AnswersFirst: a fresh card", false, u"order=A"_s, {}, 0, u"A"_s);
    row("manual AnswersFirst: run without the maximum", false, u"order=A"_s, u"ya=3 sa=3"_s, 0,
        u"A"_s);
    row("manual AnswersFirst: run and maximum", false, u"order=A"_s, u"ya=3 sa=10"_s, 0, u"Q"_s);
    row("manual Randomly: draw below the question weight", false, u"order=R"_s, {}, 2, u"Q"_s);
    row("manual Randomly: draw from the answer weight", false, u"order=R"_s, {}, 3, u"A"_s);
    row("manual Randomly: both weights 0", false, u"order=R wrq=0 wra=0"_s, {}, 5, u"A"_s);
    row("manual: question marked learnt", false, {}, u"dq"_s, 0, u"A"_s);
    row("manual: both marked learnt", false, {}, u"dq da"_s, 0, u"Q"_s);
    row("manual: answer marked learnt", false, u"order=A"_s, u"da"_s, 0, u"Q"_s);
    row("automatic QuestionsFirst: a fresh card", true, {}, {}, 0, u"Q"_s);
    row("automatic QuestionsFirst: four question shows", true, {}, u"sq=4"_s, 0, u"A"_s);
    row("automatic QuestionsFirst: Times 0", true, u"tq=0"_s, {}, 0, u"A"_s);
    row("automatic QuestionsFirst: runs do not count", true, {}, u"yq=9 sq=1"_s, 0, u"Q"_s);
    row("automatic AnswersFirst: a fresh card", true, u"order=A"_s, {}, 0, u"A"_s);
    row("automatic AnswersFirst: four answer shows", true, u"order=A"_s, u"sa=4"_s, 0, u"Q"_s);
    row("automatic Randomly: both weights 0", true, u"order=R wrq=0 wra=0"_s, {}, 0, u"A"_s);
    row("automatic Randomly: answer shown enough", true, u"order=R wrq=0 wra=0"_s, u"sa=4"_s, 0,
        u"Q"_s);
    row("automatic Randomly: question shown enough", true, u"order=R"_s, u"sq=4"_s, 0, u"A"_s);
    row("automatic: question marked learnt", true, {}, u"dq"_s, 0, u"A"_s);
    row("automatic: answer marked learnt", true, u"order=A"_s, u"da"_s, 0, u"Q"_s);
}

void TestEngineRules::sideRule()
{
    QFETCH(bool, automatic);
    QFETCH(QString, settings);
    QFETCH(QString, card);
    QFETCH(int, draw);

    ScriptedRandom random({draw});
    const TVocabula v = ::card(card);
    const TSettings s = settingsOf(settings);
    const bool question =
        automatic ? AskQuestionAutomatically(v, s, random) : AskQuestionManually(v, s, random);
    QTEST(question ? u"Q"_s : u"A"_s, "side");
}

void TestEngineRules::learntTest_data()
{
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("card");
    QTest::addColumn<bool>("learnt");

    const auto row = [](const char* name, bool automatic, const QString& settings,
                        const QString& card, bool learnt) {
        QTest::newRow(name) << automatic << settings << card << learnt;
    };
    row("manual: a fresh card", false, {}, {}, false);
    row("manual: both runs complete", false, {}, u"yq=3 ya=3 sq=3 sa=3"_s, true);
    row("manual: one run short", false, {}, u"yq=3 ya=2 sq=3 sa=3"_s, false);
    row("manual: both maximums reached", false, {}, u"sq=10 sa=10"_s, true);
    row("manual: maximum on one side, run on the other", false, {}, u"sq=10 ya=3 sa=3"_s, false);
    row("manual: question marked, answer run complete", false, {}, u"dq ya=3 sa=3"_s, true);
    row("manual: both marked", false, {}, u"dq da"_s, true);
    row("manual: both maximums 0", false, u"maxq=0 maxa=0"_s, {}, true);
    row("manual Simultaneously: one double show short", false, u"order=S"_s, u"sqa=11"_s, false);
    row("manual Simultaneously: enough double shows", false, u"order=S"_s, u"sqa=12"_s, true);
    row("automatic: both sides shown four times", true, {}, u"sq=4 sa=4"_s, true);
    row("automatic: one answer show short", true, {}, u"sq=4 sa=3"_s, false);
    row("automatic: runs do not count", true, {}, u"yq=3 ya=3 sq=3 sa=3"_s, false);
    row("automatic: question marked", true, {}, u"dq sa=4"_s, true);
    row("automatic Simultaneously: enough double shows", true, u"order=S"_s, u"sqa=8"_s, true);
    row("automatic Simultaneously: one double show short", true, u"order=S"_s, u"sqa=7"_s, false);
}

void TestEngineRules::learntTest()
{
    QFETCH(bool, automatic);
    QFETCH(QString, settings);
    QFETCH(QString, card);
    QTEST(IsLearnt(::card(card), settingsOf(settings), automatic), "learnt");
}

QTEST_GUILESS_MAIN(TestEngineRules)
#include "tst_engine_rules.moc"
