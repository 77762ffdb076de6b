#include "cards/Collation.h"
#include "cards/DictionaryStore.h"
#include "engine/LearningEngine.h"
#include "WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QtTest>

using WindowTest::animalLines;
using WindowTest::animals;
using WindowTest::child;

// The learning keys, pressed where the system delivers them: to the widget with the keyboard
// focus when the card screen shows.
class TestLearningKeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }
    void keyRunsItsAction_data();
    void keyRunsItsAction();
    void anyKeyStopsAutomaticModeFirst();
    void keysComeBackAfterAPanelCloses();
};

namespace {

const QStringList cardActions{"Next0", "Remind0", "SideLearnt0", "Learnt0", "FullScreen0",
                              "Edit0", "Delete0", "New0",        "Say0"};

// The card actions that the key triggered.
QStringList triggeredBy(TFormVocadrill& window, int key)
{
    QList<std::shared_ptr<QSignalSpy>> spies;
    for (const QString& name : cardActions)
        spies << std::make_shared<QSignalSpy>(window.action(name), &QAction::triggered);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QStringList triggered;
    for (int i = 0; i < cardActions.size(); ++i)
        if (!spies[i]->isEmpty())
            triggered << cardActions[i];
    return triggered;
}

} // namespace

void TestLearningKeys::keyRunsItsAction_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("actions");
    QTest::newRow("Right") << int(Qt::Key_Right) << QStringList{"Next0"};
    QTest::newRow("Space") << int(Qt::Key_Space) << QStringList{"Remind0"};
    QTest::newRow("Down") << int(Qt::Key_Down) << QStringList{"Remind0"};
    QTest::newRow("Up") << int(Qt::Key_Up) << QStringList{"SideLearnt0"};
    QTest::newRow("Enter") << int(Qt::Key_Return) << QStringList{"Learnt0"};
    QTest::newRow("F11") << int(Qt::Key_F11) << QStringList{"FullScreen0"};
    QTest::newRow("F2") << int(Qt::Key_F2) << QStringList{"Edit0"};
    QTest::newRow("S") << int(Qt::Key_S) << QStringList{"Say0"};
    QTest::newRow("Delete deletes nothing") << int(Qt::Key_Delete) << QStringList{};
    QTest::newRow("Backspace deletes nothing") << int(Qt::Key_Backspace) << QStringList{};
    QTest::newRow("a letter") << int(Qt::Key_A) << QStringList{};
}

void TestLearningKeys::keyRunsItsAction()
{
    QFETCH(int, key);
    QFETCH(QStringList, actions);
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(window, "recGestures"));
    window.engine().MyNext(true);
    WindowTest::guardsExpire(window);

    QCOMPARE(triggeredBy(window, key), actions);
    if (actions.isEmpty())
        QCOMPARE(window.store().MyDictSL.lines(), animalLines);
}

void TestLearningKeys::anyKeyStopsAutomaticModeFirst()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    auto* autoBox = child<QCheckBox>(window, "cbAuto");
    autoBox->setChecked(true);
    QVERIFY(window.engine().isAutomatic());
    QCOMPARE(triggeredBy(window, Qt::Key_Right), QStringList{});
    QVERIFY(!window.engine().isAutomatic());
    WindowTest::guardsExpire(window);
    QCOMPARE(triggeredBy(window, Qt::Key_Right), QStringList{"Next0"});
}

// F2 opens the card editor, which takes the keys; Escape closes it and the keys are the card
// screen's again.
void TestLearningKeys::keysComeBackAfterAPanelCloses()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    window.engine().MyNext(true);
    WindowTest::guardsExpire(window);
    QCOMPARE(triggeredBy(window, Qt::Key_F2), QStringList{"Edit0"});
    QVERIFY(child<QWidget>(window, "recWord")->isVisible());
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(window, "MemoWord"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!child<QWidget>(window, "recWord")->isVisible());
    WindowTest::guardsExpire(window);
    QCOMPARE(triggeredBy(window, Qt::Key_Right), QStringList{"Next0"});
}

QTEST_MAIN(TestLearningKeys)
#include "tst_learningkeys.moc"
