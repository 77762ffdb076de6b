#include "BoxWatcher.h"
#include "cards/Collation.h"
#include "cards/DictionaryStore.h"
#include "cardscreen/CardScreen.h"
#include "CardScreenDriver.h"
#include "engine/LearningEngine.h"
#include "settings/SettingsRecord.h"
#include "shell/InterfaceLanguage.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QTabWidget>
#include <QtTest>

using namespace Qt::StringLiterals;

using WindowTest::animalLines;
using WindowTest::animals;
using WindowTest::child;

namespace {

using WindowTest::state;

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
    void zoomStopsWhereTheTextsStayReadable();
    void emptyingTheDictionaryInFullScreenLeavesIt();
    void emptyScreenGuidesToTheFirstCard();
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

// Ctrl + wheel over the card screen shrinks the texts no further than a readable size and
// grows them no further than their halves hold.
void TestCardScreenWindow::zoomStopsWhereTheTextsStayReadable()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    WindowTest::tapAt(window, {0.1, 0.2});
    auto* question = child<QLabel>(window, "TextQuestion");
    const QPoint over = WindowTest::centreOf(window, *question);
    const QList<QLabel*> texts{question, child<QLabel>(window, "TextAnswer"),
                               child<QLabel>(window, "TextPhonetic")};

    for (int notch = 0; notch < 100; ++notch)
        WindowTest::wheelAt(window, over, 120, Qt::ControlModifier);
    for (QLabel* text : texts)
        QVERIFY2(text->font().pixelSize() >= CardScreen::SmallestTextPixels,
                 qPrintable(text->objectName()));
    QVERIFY(question->font().pixelSize() < 20);

    for (int notch = 0; notch < 200; ++notch)
        WindowTest::wheelAt(window, over, -120, Qt::ControlModifier);
    const auto lineHeight = [](QLabel* text) { return text->fontMetrics().height(); };
    QVERIFY(question->font().pixelSize() > 100);
    QVERIFY(lineHeight(question) <= child<QWidget>(window, "recQuestion")->height());
    QVERIFY(lineHeight(texts[1]) + lineHeight(texts[2]) <=
            child<QWidget>(window, "recAnswer")->height());
}

// The last card learnt in full-screen mode: the window leaves full-screen mode, so that the
// message and the dictionaries are seen and taken.
void TestCardScreenWindow::emptyingTheDictionaryInFullScreenLeavesIt()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Two.txt", "\xEF\xBB\xBF"
                                                          "cat = кошка\r\ndog = собака\r\n");
    BoxWatcher boxes;
    WindowTest::tapAt(window, {0.5, 0.5});
    QVERIFY(window.isFullScreen0());
    for (int card = 0; card < 2; ++card) {
        WindowTest::guardsExpire(window);
        WindowTest::tapAt(window, {0.1, 0.2});
        WindowTest::guardsExpire(window);
        WindowTest::tapAt(window, {0.5, 0.9});
    }
    QTRY_COMPARE(boxes.texts, QStringList{window.messageText("msSelectDictionaryToLearn")});
    QCOMPARE(window.store().MyDictSL.count(), 0);
    QCOMPARE(window.store().LearntSL.count(), 2);
    QVERIFY(!window.isFullScreen0());
    QVERIFY(!child<QWidget>(window, "RecFullScreen")->isVisible());
    QCOMPARE(child<QTabWidget>(window, "TabControl1")->currentWidget()->objectName(),
             u"tbDictionaries"_s);
    // "No words in dictionary" is drawn over everything: its box's outline is on the picture.
    auto* box = child<QWidget>(window, "recMessageBox");
    QVERIFY(box->isVisible());
    const QImage shot = window.grab().toImage();
    QCOMPARE(shot.pixelColor(box->mapTo(&window, QPoint(1, 1))), QColor(0x3c, 0x4a, 0x63));
}

// The empty card screen says what to do: choose a dictionary, then tap an upper corner; the
// guidance goes with the first card.
void TestCardScreenWindow::emptyScreenGuidesToTheFirstCard()
{
    WindowFixture empty;
    TFormVocadrill& first = empty.start();
    auto* guide = child<QLabel>(first, "lbGuide");
    QVERIFY(guide->isVisible());
    QCOMPARE(guide->text(), u"Выберите словарь на вкладке «Словари», затем коснитесь верхнего угла "
                            u"этого экрана, чтобы увидеть первую карточку."_s);
    empty.stop();

    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Two.txt", "cat = кошка\r\ndog = собака\r\n");
    guide = child<QLabel>(window, "lbGuide");
    QCOMPARE(guide->text(),
             u"Коснитесь верхнего угла этого экрана, чтобы увидеть первую карточку."_s);
    QVERIFY(guide->isVisible());
    QVERIFY(window.language().select(InterfaceLanguage::English));
    QCOMPARE(guide->text(), u"Tap an upper corner of this screen for the first card."_s);
    WindowTest::tapAt(window, {0.1, 0.2});
    QVERIFY(!window.engine().display().nothingShown());
    QVERIFY(!guide->isVisible());
}

QTEST_MAIN(TestCardScreenWindow)
#include "tst_cardscreenwindow.moc"
