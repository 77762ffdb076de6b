#include "cards/Collation.h"
#include "cards/DictionaryStore.h"
#include "CardScreenDriver.h"
#include "engine/LearningEngine.h"
#include "settings/SettingsRecord.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QTabWidget>
#include <QtTest>

using namespace Qt::StringLiterals;

using WindowTest::animals;
using WindowTest::child;
using WindowTest::animalLines;

namespace {

// Everything a card action can change: the dictionary, the learnt lines, the card on screen
// with its counters, and whether the editor is open.
QString state(TFormVocadrill& window)
{
    const TVocabula card = window.engine().MyVocabula();
    const CardView& view = window.engine().view();
    return QStringList{window.store().MyDictSL.lines().join(u';'),
                       window.store().LearntSL.lines().join(u';'),
                       window.engine().CurrentLine(),
                       view.TextQuestion + u'|' + view.TextAnswer,
                       QString::number(card.ShownQ + card.ShownA),
                       QString::number(card.DoneQ) + QString::number(card.DoneA),
                       child<QWidget>(window, "recWord")->isVisible() ? u"editor"_s : QString()}
        .join(u" / ");
}

// A wheel turn over the card screen, as it reaches the window when no control takes it.
void wheel(QWidget& window, int angle, Qt::KeyboardModifiers modifiers = {})
{
    const QPointF at(450, 300);
    QWheelEvent event(at, window.mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&window, &event);
}

int questionPixels(QWidget& window)
{
    return child<QLabel>(window, "TextQuestion")->font().pixelSize();
}

} // namespace

class TestCardScreenWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }

    void checkAndChevronDownDeleteEqualLinesOneAtATime();
    void rightButtonThrowsTheCardOutAsLearnt();
    void tapsInTheMiddleSwitchFullScreen();
    void zoomHoldsBackTheCardActions_data();
    void zoomHoldsBackTheCardActions();
    void tapJustAfterACardActionIsIgnored_data();
    void tapJustAfterACardActionIsIgnored();
    void pinchStoresTheSizesInTheCurrentView();
    void wheelOnlyOnTheUncoveredCardScreen();
    void escapeInAutomaticModeStopsItAndGoesBack();
};

void TestCardScreenWindow::checkAndChevronDownDeleteEqualLinesOneAtATime()
{
    WindowFixture fixture;
    TFormVocadrill& window =
        fixture.startWith("Twice.txt", "\xEF\xBB\xBF"
                                       "cat = кошка\r\ncat = кошка\r\ndog = собака\r\n");
    CardScreenDriver screen(window);
    window.engine().MyNext(true);
    screen.check();
    QVERIFY(!screen.input().tapPending());
    QCOMPARE(window.store().MyDictSL.lines(), (QStringList{u"cat = кошка"_s, u"dog = собака"_s}));

    screen.timersExpire();
    window.engine().MyNext(true);
    screen.chevronDown();
    QCOMPARE(window.store().MyDictSL.lines(), QStringList{u"dog = собака"_s});
    QVERIFY(window.store().LearntSL.lines().isEmpty());
}

void TestCardScreenWindow::rightButtonThrowsTheCardOutAsLearnt()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    CardScreenDriver screen(window);
    window.engine().MyNext(true);
    QTest::mousePress(&screen.layer(), Qt::RightButton, {}, QPoint(300, 200));
    QCOMPARE(window.store().LearntSL.lines(), QStringList{u"cat = кошка"_s});
    QCOMPARE(window.store().MyDictSL.lines(), animalLines.mid(1));
}

void TestCardScreenWindow::tapsInTheMiddleSwitchFullScreen()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    CardScreenDriver screen(window);
    screen.tap({0.5, 0.5});
    QVERIFY(window.isFullScreen0());
    QCOMPARE(screen.layer().y(), 0);
    screen.tap({0.5, 0.5});
    QVERIFY(!window.isFullScreen0());
}

void TestCardScreenWindow::zoomHoldsBackTheCardActions_data()
{
    QTest::addColumn<QString>("act");
    QTest::newRow("chevron up: Edit") << "chevron up";
    QTest::newRow("check: Delete") << "check";
    QTest::newRow("chevron down: Delete") << "chevron down";
    QTest::newRow("right then down: New") << "right down";
    QTest::newRow("tap: Learnt") << "Learnt zone";
    QTest::newRow("tap: Side learnt") << "Side learnt zone";
}

// For 2 seconds after the last zoom step a gesture or a tap neither edits, adds nor removes a
// card; after them it does.
void TestCardScreenWindow::zoomHoldsBackTheCardActions()
{
    QFETCH(QString, act);
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    CardScreenDriver screen(window);
    window.engine().MyNext(true);
    const auto perform = [&] {
        if (act == u"chevron up")
            screen.chevronUp();
        else if (act == u"check")
            screen.check();
        else if (act == u"chevron down")
            screen.chevronDown();
        else if (act == u"right down")
            screen.rightDown();
        else if (act == u"Learnt zone")
            screen.tap({0.5, 0.9});
        else
            screen.tap({0.5, 0.1});
    };

    screen.input().recGesturesGesture(100);
    screen.input().tmGesture().stop();
    QVERIFY(screen.input().tmWaitAfterZoom().isActive());
    const QString before = state(window);
    perform();
    QCOMPARE(state(window), before);

    screen.timersExpire();
    perform();
    QVERIFY(state(window) != before);
}

void TestCardScreenWindow::tapJustAfterACardActionIsIgnored_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("Learnt") << "Learnt0";
    QTest::newRow("Side learnt") << "SideLearnt0";
    QTest::newRow("Delete") << "Delete0";
}

void TestCardScreenWindow::tapJustAfterACardActionIsIgnored()
{
    QFETCH(QString, action);
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    CardScreenDriver screen(window);
    window.engine().MyNext(true);
    QVERIFY(window.execute(action));
    const QString after = state(window);
    screen.tap({0.1, 0.1});
    QCOMPARE(state(window), after);

    screen.timersExpire();
    screen.tap({0.1, 0.1});
    QVERIFY(state(window) != after);
}

void TestCardScreenWindow::pinchStoresTheSizesInTheCurrentView()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    CardScreenDriver screen(window);
    const TView before = window.dataRecord().Views[0];
    screen.input().recGesturesGesture(screen.input().LastIventInfo() + 50);
    const TView& after = window.dataRecord().Views[0];
    QCOMPARE(after.QSize, float(before.QSize * CardScreenInput::PinchGrow));
    QCOMPARE(after.ASize, float(before.ASize * CardScreenInput::PinchGrow));
    QCOMPARE(after.PSize, float(before.PSize * CardScreenInput::PinchGrow));
    QCOMPARE(window.dataRecord().Views[1], defaultDataRecord().Views[1]);
}

void TestCardScreenWindow::wheelOnlyOnTheUncoveredCardScreen()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    wheel(window, -120);
    QVERIFY(!window.engine().CurrentLine().isEmpty());
    const int pixels = questionPixels(window);
    wheel(window, -120, Qt::ControlModifier);
    QVERIFY(questionPixels(window) > pixels);

    QVERIFY(window.execute("New0"));
    QString before = state(window);
    wheel(window, -120);
    wheel(window, 120, Qt::ControlModifier);
    QCOMPARE(state(window), before);
    QVERIFY(questionPixels(window) > pixels);
    window.GoBack();

    child<QTabWidget>(window, "TabControl1")->setCurrentIndex(1);
    before = state(window);
    wheel(window, -120);
    QCOMPARE(state(window), before);
}

void TestCardScreenWindow::escapeInAutomaticModeStopsItAndGoesBack()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    auto* automatic = child<QCheckBox>(window, "cbAuto");
    automatic->setChecked(true);
    QVERIFY(window.engine().isAutomatic());
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!window.engine().isAutomatic());
    QVERIFY(!automatic->isChecked());
    QVERIFY(child<QWidget>(window, "recAdvertisement")->isVisible());
}

QTEST_MAIN(TestCardScreenWindow)
#include "tst_cardscreenwindow.moc"
