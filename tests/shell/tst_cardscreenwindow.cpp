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
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

#include <tuple>

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

// A question of 430 characters, its answer and its transcription.
const QString longQuestion =
    u"When the long evening light falls across the quiet harbour, the old fishermen gather "
    u"their nets, count the catch of the day and tell the younger sailors about the storms "
    u"that nearly sank their boats, about the friends who never came back, and about the "
    u"strange lights they once saw far out at sea on a calm and moonless winter night, long "
    u"before anyone in the village had heard of radios, engines or weather forecasts of "
    u"any kind."_s;
const QString longAnswer =
    u"Когда длинный вечерний свет ложится на тихую гавань, старые рыбаки собирают сети, "
    u"считают дневной улов и рассказывают молодым морякам о штормах, которые едва не "
    u"потопили их лодки, о друзьях, которые так и не вернулись, и о странных огнях в море."_s;
const QString longPhonetic = u"[wen ðə lɒŋ ˈiːvnɪŋ laɪt fɔːlz əˈkrɒs ðə ˈkwaɪət ˈhɑːbə]"_s;

// Where a label draws its text: the whole of it, wrapped and aligned as the label does, in the
// coordinates of the half that the label lies in.
QRect drawnIn(const QLabel& label, const QWidget& half)
{
    const QRect lines = label.fontMetrics().boundingRect(
        label.contentsRect(), Qt::TextWordWrap | int(label.alignment()), label.text());
    return {label.mapTo(&half, lines.topLeft()), lines.size()};
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
    void cardTextsFitTheirHalves_data();
    void cardTextsFitTheirHalves();
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

void TestCardScreenWindow::cardTextsFitTheirHalves_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("smaller");
    QTest::addColumn<QStringList>("scrolled");

    const QString longLine = longQuestion + u' ' + longPhonetic + u" = "_s + longAnswer;
    const QStringList both{u"TextQuestion"_s, u"TextAnswer"_s};
    QTest::newRow("short card, 911x613")
        << QSize(911, 613) << u"cat [kæt] = кошка"_s << QStringList() << QStringList();
    QTest::newRow("long card, 911x613") << QSize(911, 613) << longLine << both << QStringList();
    QTest::newRow("long card, 640x480") << QSize(640, 480) << longLine << both << QStringList();
    QTest::newRow("long card, 1600x1000")
        << QSize(1600, 1000) << longLine << QStringList() << QStringList();
    QTest::newRow("eight times the question, 640x480")
        << QSize(640, 480)
        << QStringList(8, longQuestion).join(u' ') + u' ' + longPhonetic + u" = "_s + longAnswer
        << both << QStringList{u"TextQuestion"_s};
}

// A text too large for its half is drawn smaller, just enough to fit, and only then; a text
// that does not fit even at the smallest size scrolls, and its scroll bar takes the pointer.
// The view keeps the sizes the learner zoomed to, and zooming goes on from them.
void TestCardScreenWindow::cardTextsFitTheirHalves()
{
    QFETCH(QSize, size);
    QFETCH(QString, line);
    QFETCH(QStringList, smaller);
    QFETCH(QStringList, scrolled);
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Long.txt", "\xEF\xBB\xBF" + line.toUtf8() + "\r\n");
    window.resize(size);
    QTRY_COMPARE(window.size(), size);
    const TView stored = window.dataRecord().Views[0];
    window.engine().MyNext(true);
    QVERIFY(window.execute("Remind0"));
    // The scroll areas lay their texts out anew when the layout requests of the new sizes come.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);

    const std::tuple<const char*, const char*, double> texts[] = {
        {"TextQuestion", "recQuestion", stored.QSize},
        {"TextAnswer", "recAnswer", stored.ASize},
        {"TextPhonetic", "recAnswer", stored.PSize}};
    for (const auto& [name, halfName, viewSize] : texts) {
        const auto* label = child<QLabel>(window, name);
        auto* half = child<QWidget>(window, halfName);
        QVERIFY2(!label->text().isEmpty(), name);
        const QRect shown =
            label->visibleRegion().boundingRect().translated(label->mapTo(half, QPoint(0, 0)));
        const QRect drawn = drawnIn(*label, *half);
        const int pixels = label->font().pixelSize();
        // A label that scrolls lies in a scroll area's viewport.
        const auto* area = qobject_cast<QScrollArea*>(label->parentWidget()->parentWidget());
        QScrollBar* bar = area ? area->verticalScrollBar() : nullptr;
        const bool scrolls = bar && bar->isVisible();
        QVERIFY2(half->rect().contains(shown), name);
        QCOMPARE(scrolls, scrolled.contains(name));
        QVERIFY2(scrolls || shown.contains(drawn), name);
        QCOMPARE(pixels < qRound(viewSize), smaller.contains(name));
        if (!scrolls)
            continue;
        QCOMPARE(pixels, CardScreen::SmallestTextPixels);
        QVERIFY(drawn.height() > shown.height());
        const QPoint lowInBar =
            bar->mapTo(&window, QPoint(bar->width() / 2, bar->height() * 3 / 4));
        QCOMPARE(WindowTest::clickAt(window, lowInBar), bar);
        QVERIFY(bar->value() > 0);
    }

    auto* card = window.findChild<CardScreen*>();
    TView view;
    card->GetView(view);
    QCOMPARE(view.QSize, stored.QSize);
    QCOMPARE(view.ASize, stored.ASize);
    QCOMPARE(view.PSize, stored.PSize);
    WindowTest::wheelAt(window, WindowTest::centreOf(window, *child<QWidget>(window, "recAnswer")),
                        -120, Qt::ControlModifier);
    card->GetView(view);
    QCOMPARE(view.QSize, float(stored.QSize * CardScreenInput::WheelGrow));
}

QTEST_MAIN(TestCardScreenWindow)
#include "tst_cardscreenwindow.moc"
