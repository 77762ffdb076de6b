#include "cards/Collation.h"
#include "engine/LearningEngine.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QtTest>

using WindowTest::animals;
using WindowTest::child;

// The side on screen said where a learner asks for it: by the S key on the card screen and by
// the Say tile of the actions panel.
class TestSayCard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }
    void keyAndTileSayTheSideShown();
    void keyInAutomaticModeOnlyStopsIt();
};

namespace {

// What the card screen asks, as the voice is told it: the question in English or the answer in
// Russian.
QString askedSide(TFormVocadrill& window)
{
    const CardView& view = window.engine().view();
    return view.TextQuestion.isEmpty() ? "ru " + view.TextAnswer : "en " + view.TextQuestion;
}

void pressOnTheCard(int key)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
}

} // namespace

void TestSayCard::keyAndTileSayTheSideShown()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    window.engine().MyNext(true);
    WindowTest::guardsExpire(window);
    const QString asked = askedSide(window);
    QVERIFY(asked == "en cat" || asked == "ru кошка");

    pressOnTheCard(Qt::Key_S);
    QCOMPARE(fixture.voice.said, QStringList{asked});

    auto* panel = child<QWidget>(window, "recActions");
    WindowTest::clickAt(window, WindowTest::centreOf(window, *child<QWidget>(window, "btActions")));
    QTRY_VERIFY(panel->isVisible());
    auto* tile = child<QWidget>(window, "tileSay");
    QCOMPARE(WindowTest::clickAt(window, WindowTest::centreOf(window, *tile)), tile);
    QCOMPARE(fixture.voice.said, (QStringList{asked, asked}));
    QTRY_VERIFY(!panel->isVisible());

    // Both sides shown: the question, without the answer.
    pressOnTheCard(Qt::Key_Space);
    QVERIFY(window.engine().display().bothShown());
    pressOnTheCard(Qt::Key_S);
    QCOMPARE(fixture.voice.said.last(), QString("en cat"));
    QCOMPARE(fixture.voice.said.size(), 3);
}

void TestSayCard::keyInAutomaticModeOnlyStopsIt()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    child<QCheckBox>(window, "cbAuto")->setChecked(true);
    QVERIFY(window.engine().isAutomatic());
    pressOnTheCard(Qt::Key_S);
    QVERIFY(!window.engine().isAutomatic());
    QCOMPARE(fixture.voice.said, QStringList{});
}

QTEST_MAIN(TestSayCard)
#include "tst_saycard.moc"
