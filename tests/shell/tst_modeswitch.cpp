#include "cards/Collation.h"
#include "cards/DictionaryStore.h"
#include "engine/LearningEngine.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsRecord.h"
#include "WindowFixture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QtTest>

using namespace Qt::StringLiterals;
using WindowTest::centreOf;
using WindowTest::child;
using WindowTest::clickAt;

namespace {

const QStringList cards{u"cat [kæt] = кошка"_s,   u"dog [dɒɡ] = собака"_s, u"bird [bɜːd] = птица"_s,
                        u"fish [fɪʃ] = рыба"_s,   u"cow [kaʊ] = корова"_s, u"horse [hɔːs] = лошадь"_s,
                        u"goat [ɡəʊt] = коза"_s,  u"sheep [ʃiːp] = овца"_s, u"duck [dʌk] = утка"_s,
                        u"mouse [maʊs] = мышь"_s};

// "Learning" asks questions first from all ten cards with the transcription shown;
// "Repeating" asks answers first from a working window of one card, without transcriptions.
DataRecord twoModes()
{
    DataRecord record = defaultDataRecord();
    record.Settings[0].NumberOfCards = 10;
    record.Settings[1].NumberOfCards = 1;
    record.Settings[1].QuestionsFirst = false;
    record.Settings[1].AnswersFirst = true;
    record.Settings[1].ShowPhonetic = false;
    return record;
}

// Chooses a mode as a learner does: a click on the mode list, then one on the mode in the list
// that drops down.
void chooseMode(TFormVocadrill& window, int mode)
{
    auto* box = child<QComboBox>(window, "cbLearning");
    clickAt(window, centreOf(window, *box));
    QAbstractItemView* list = box->view();
    QTRY_VERIFY(list->isVisible());
    QWidget& popup = *list->window();
    // The list takes no release sooner than a double click's time after it dropped down, so
    // that the click that opened it chooses nothing; a learner's next click comes later.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    const QRect item = list->visualRect(list->model()->index(mode, 0));
    clickAt(popup, list->viewport()->mapTo(&popup, item.center()));
    QTRY_VERIFY(!list->isVisible());
}

// A tap in the upper left of the card screen, the Next zone.
void tapNext(TFormVocadrill& window)
{
    WindowTest::tapAt(window, {1.0 / 6, 0.25});
}

} // namespace

// The learning mode chosen in the list is the mode of everything that follows at once: the
// next card, the phonetic line, the indicator colour; the list keeps neither keys nor wheel.
class TestModeSwitch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }
    void chosenModeRulesAtOnce();
};

void TestModeSwitch::chosenModeRulesAtOnce()
{
    WindowFixture fixture;
    QVERIFY(QDir().mkpath(fixture.path("Data")));
    writeDataFile(fixture.path("Data/DataFile"), twoModes());
    TFormVocadrill& window = fixture.startWith("Animals.txt", "\xEF\xBB\xBF" + (cards.join("\r\n") + "\r\n").toUtf8());
    const CardView& card = window.engine().view();

    tapNext(window);
    QVERIFY(!card.TextQuestion.isEmpty());
    QVERIFY(card.TextAnswer.isEmpty());
    QVERIFY(!card.TextPhonetic.isEmpty());

    chooseMode(window, 1);
    QCOMPARE(window.LearningMode(), 1);
    QVERIFY2(card.TextPhonetic.isEmpty(), qPrintable(card.TextPhonetic));

    tapNext(window);
    QCOMPARE(window.engine().CurrentLine(), cards.first());
    QCOMPARE(card.TextQuestion, QString());
    QCOMPARE(card.TextAnswer, u"кошка"_s);

    // The indicator's colour is the chosen mode's.
    const bool white = window.dataRecord().Views[1].WhiteIndicator;
    auto* indicator = child<QLabel>(window, "TextIndicator");
    QVERIFY(indicator->isVisible());
    WindowTest::doubleClickAt(window, WindowTest::textCentreOf(window, *indicator));
    QCOMPARE(window.dataRecord().Views[1].WhiteIndicator, !white);
    QCOMPARE(window.dataRecord().Views[0].WhiteIndicator, white);
    QCOMPARE(card.TextAnswer, u"кошка"_s);

    // A wheel turn over the closed list changes neither the mode nor the card, and an arrow key
    // goes to the card screen, not to the list: Down shows the other side.
    auto* box = child<QComboBox>(window, "cbLearning");
    WindowTest::wheelAt(window, centreOf(window, *box), -120);
    WindowTest::wheelAt(window, centreOf(window, *box), 120);
    QCOMPARE(window.LearningMode(), 1);
    QCOMPARE(card.TextAnswer, u"кошка"_s);
    QCOMPARE(card.TextQuestion, QString());
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(window, "recGestures"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(window.LearningMode(), 1);
    QCOMPARE(card.TextAnswer, u"кошка"_s);
    QCOMPARE(card.TextQuestion, u"cat"_s);
}

QTEST_MAIN(TestModeSwitch)
#include "tst_modeswitch.moc"
