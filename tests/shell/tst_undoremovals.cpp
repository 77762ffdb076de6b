#include "cards/Collation.h"
#include "cards/DictionaryStore.h"
#include "engine/LearningEngine.h"
#include "shell/MessagePanel.h"
#include "TestFiles.h"
#include "WindowFixture.h"

#include <QtTest>

using WindowTest::animalLines;
using WindowTest::animals;
using WindowTest::child;

// Removals taken back where a learner meets them: the right button learns the card on screen,
// the message tells how to bring it back, Ctrl+Z or the Undo tile brings it back.
class TestUndoRemovals : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }
    void learntCardComesBackWithItsCounts();
    void undoTileBringsBackADeletedCard();
};

namespace {

QString message(TFormVocadrill& window)
{
    return child<MessagePanel>(window, "recMessage")->text();
}

QString status(TFormVocadrill& window, const char* field)
{
    return child<QLabel>(window, field)->text();
}

void rightClickOnTheCard(TFormVocadrill& window)
{
    auto* layer = child<QWidget>(window, "recGestures");
    WindowTest::clickAt(window, WindowTest::centreOf(window, *layer), Qt::RightButton);
}

} // namespace

// Learnt, saved, taken back with Ctrl+Z and saved again: the dictionary file, the learnt list
// file and both counts are as before the Learnt.
void TestUndoRemovals::learntCardComesBackWithItsCounts()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    WindowTest::tapAt(window, {0.1, 0.2});
    const QString card = window.engine().CurrentLine();
    const QString question = card.section(" = ", 0, 0);
    WindowTest::guardsExpire(window);
    rightClickOnTheCard(window);
    QCOMPARE(message(window), "Выучено: " + question + ". Ctrl+Z вернёт карточку.");
    QCOMPARE(status(window, "TextLearnt"), QString("1"));
    QCOMPARE(status(window, "TextLearntToday"), QString("1"));
    QVERIFY(window.SaveAll0());
    QVERIFY(TestFiles::read(window.paths().LearntPath).contains(card.toUtf8()));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(message(window), "Возвращено: " + question);
    QCOMPARE(window.store().MyDictSL.lines(), animalLines);
    QCOMPARE(status(window, "TextLearnt"), QString("0"));
    QCOMPARE(status(window, "TextLearntToday"), QString("0"));
    QVERIFY(window.SaveAll0());
    QCOMPARE(TestFiles::read(fixture.path("Vocadrill/Animals.txt")), animals);
    QVERIFY(!TestFiles::read(window.paths().LearntPath).contains(card.toUtf8()));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(message(window), QString("Нечего возвращать"));
}

void TestUndoRemovals::undoTileBringsBackADeletedCard()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    window.engine().MyNext(true);
    const QPoint dots = WindowTest::centreOf(window, *child<QWidget>(window, "btActions"));
    WindowTest::clickAt(window, dots);
    WindowTest::guardsExpire(window);
    WindowTest::clickAt(window,
                        WindowTest::centreOf(window, *child<QWidget>(window, "tileDelete")));
    QCOMPARE(window.store().MyDictSL.count(), 2);
    QCOMPARE(message(window), QString("Удалено: cat. Ctrl+Z вернёт карточку."));

    WindowTest::clickAt(window, dots);
    WindowTest::clickAt(window, WindowTest::centreOf(window, *child<QWidget>(window, "tileUndo")));
    QCOMPARE(window.store().MyDictSL.lines(), animalLines);
    QCOMPARE(status(window, "TextLearnt"), QString("0"));
}

QTEST_MAIN(TestUndoRemovals)
#include "tst_undoremovals.moc"
