#include "BoxWatcher.h"
#include "cards/Collation.h"
#include "cards/DictionaryStore.h"
#include "CardScreenDriver.h"
#include "engine/LearningEngine.h"
#include "shell/InterfaceLanguage.h"
#include "WindowFixture.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

using WindowTest::animalLines;
using WindowTest::animals;
using WindowTest::child;

namespace {

bool editorOpen(QWidget& window)
{
    return child<QWidget>(window, "recWord")->isVisible();
}

QPlainTextEdit* memo(QWidget& window)
{
    return child<QPlainTextEdit>(window, "MemoWord");
}

// Types Enter into the editor's text.
void enter(QWidget& window)
{
    QTest::keyClick(memo(window), Qt::Key_Return);
}

const QString cardNeedsEnglish = u"A card needs a question and an answer around \"=\"."_s;
const QString cardNeedsRussian = u"Карточке нужны вопрос и ответ по обе стороны от «=»."_s;

// The message for a line that is not a card, in the Russian interface the window starts with.
QString notACard(TFormVocadrill& window)
{
    return window.messageText("msNotVocabula") + u'\n' + cardNeedsRussian;
}

// The question of the card on screen, and its answer, as "question|answer".
QString shown(TFormVocadrill& window)
{
    return window.engine().view().TextQuestion + u'|' + window.engine().view().TextAnswer;
}

} // namespace

class TestCardEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }

    void chevronUpEditsTheCardAndEnterConfirms();
    void rightDownAddsACardAndEnterConfirms();
    void confirmingANewCard_data();
    void confirmingANewCard();
    void editWithNoCardOnScreenAddsOne();
    void addingWithNoDictionaryAsksForOne();
    void editorExplainsItself_data();
    void editorExplainsItself();
    void leavingARejectedEditKeepsTheCard_data();
    void leavingARejectedEditKeepsTheCard();
};

void TestCardEditor::chevronUpEditsTheCardAndEnterConfirms()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    CardScreenDriver screen(window);
    window.engine().MyNext(true);

    screen.chevronUp();
    QVERIFY(editorOpen(window));
    QVERIFY(!screen.input().tapPending());
    QCOMPARE(memo(window)->toPlainText(), u"cat = кошка"_s);
    QCOMPARE(memo(window)->textCursor().position(), 0);
    QVERIFY(memo(window)->hasFocus());
    QCOMPARE(child<QPushButton>(window, "btWordOK1")->text(), window.action("WordOK")->text());
    QCOMPARE(child<QPushButton>(window, "btWordOK3")->text(), window.action("WordOK")->text());

    memo(window)->moveCursor(QTextCursor::End);
    QTest::keyClicks(memo(window), " // pet");
    enter(window);

    QVERIFY(!editorOpen(window));
    QCOMPARE(window.store().MyDictSL.lines(),
             (QStringList{u"cat = кошка // pet"_s, u"dog = собака"_s, u"bird = птица"_s}));
    QCOMPARE(window.engine().CurrentLine(), u"cat = кошка // pet"_s);
    QCOMPARE(shown(window), u"cat|"_s);
}

void TestCardEditor::rightDownAddsACardAndEnterConfirms()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    CardScreenDriver screen(window);
    window.engine().MyNext(true);

    screen.rightDown();
    QVERIFY(editorOpen(window));
    QVERIFY(memo(window)->toPlainText().isEmpty());
    QTest::keyClicks(memo(window), "owl = sova");
    enter(window);

    QVERIFY(!editorOpen(window));
    QCOMPARE(window.store().MyDictSL.lines(), QStringList{u"owl = sova"_s} + animalLines);
    QCOMPARE(shown(window), u"owl|"_s);
}

void TestCardEditor::confirmingANewCard_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("rejected");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("nothing typed") << QString() << false << animalLines;
    QTest::newRow("only spaces") << u"   "_s << true << animalLines;
    QTest::newRow("no answer") << u"owl = "_s << true << animalLines;
    QTest::newRow("a card") << u"owl = сова"_s << false
                            << QStringList{u"owl = сова"_s} + animalLines;
    QTest::newRow("a card the dictionary holds")
        << u"dog = собака"_s << false << QStringList{u"dog = собака"_s} + animalLines;
}

void TestCardEditor::confirmingANewCard()
{
    QFETCH(QString, text);
    QFETCH(bool, rejected);
    QFETCH(QStringList, lines);
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    QVERIFY(window.execute("New0"));
    memo(window)->setPlainText(text);
    BoxWatcher boxes;
    enter(window);
    QCOMPARE(boxes.texts, rejected ? QStringList{notACard(window)} : QStringList{});
    QCOMPARE(editorOpen(window), rejected);
    QCOMPARE(window.store().MyDictSL.lines(), lines);
    if (rejected)
        QCOMPARE(memo(window)->toPlainText(), text);
}

void TestCardEditor::editWithNoCardOnScreenAddsOne()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    QCOMPARE(shown(window), u"|"_s);
    QVERIFY(window.execute("Edit0"));
    QVERIFY(editorOpen(window));
    QVERIFY(memo(window)->toPlainText().isEmpty());
    memo(window)->setPlainText(u"owl = сова"_s);
    QTest::mouseClick(child<QPushButton>(window, "btWordOK3"), Qt::LeftButton);
    QCOMPARE(window.store().MyDictSL.lines(), QStringList{u"owl = сова"_s} + animalLines);
}

void TestCardEditor::addingWithNoDictionaryAsksForOne()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.start();
    for (const char* action : {"Edit0", "New0"}) {
        BoxWatcher boxes;
        QVERIFY(window.execute(action));
        QCOMPARE(boxes.texts, QStringList{window.messageText("msSelectDictionaryToLearn")});
        QVERIFY(!editorOpen(window));
    }
}

void TestCardEditor::editorExplainsItself_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("adding");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("needs");
    const QString englishHint = u"question = answer // comment [transcription]"_s;
    const QString russianHint = u"вопрос = ответ // комментарий [транскрипция]"_s;
    QTest::newRow("edit, English")
        << InterfaceLanguage::English << false << u"Edit card"_s << englishHint << cardNeedsEnglish;
    QTest::newRow("new, English") << InterfaceLanguage::English << true << u"New card"_s
                                  << englishHint << cardNeedsEnglish;
    QTest::newRow("edit, Russian") << InterfaceLanguage::Russian << false << u"Изменить карточку"_s
                                   << russianHint << cardNeedsRussian;
    QTest::newRow("new, Russian") << InterfaceLanguage::Russian << true << u"Новая карточка"_s
                                  << russianHint << cardNeedsRussian;
}

// The editor, opened by the strokes a learner uses, says what it does, shows the card line's
// form while empty, and says what a card needs when a line is not one.
void TestCardEditor::editorExplainsItself()
{
    QFETCH(QString, language);
    QFETCH(bool, adding);
    QFETCH(QString, title);
    QFETCH(QString, hint);
    QFETCH(QString, needs);
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    QVERIFY(window.language().select(language));
    CardScreenDriver screen(window);
    window.engine().MyNext(true);
    if (adding)
        screen.rightDown();
    else
        screen.chevronUp();
    QVERIFY(editorOpen(window));
    QCOMPARE(child<QLabel>(window, "lbWordTitle")->text(), title);
    QVERIFY(child<QLabel>(window, "lbWordTitle")->isVisible());
    QCOMPARE(memo(window)->placeholderText(), hint);

    memo(window)->setPlainText(u"owl"_s);
    BoxWatcher boxes;
    enter(window);
    QCOMPARE(boxes.texts, QStringList{window.messageText("msNotVocabula") + u'\n' + needs});
    QVERIFY(editorOpen(window));
}

void TestCardEditor::leavingARejectedEditKeepsTheCard_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("upper Cancel") << "btWordCancel";
    QTest::newRow("lower Cancel") << "btWordCancel2";
    QTest::newRow("Escape") << "Escape";
}

void TestCardEditor::leavingARejectedEditKeepsTheCard()
{
    QFETCH(QString, way);
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    window.engine().MyNext(true);
    const TVocabula counters = window.engine().MyVocabula();
    QVERIFY(window.execute("Edit0"));
    memo(window)->setPlainText(u"cat ="_s);
    BoxWatcher boxes;
    enter(window);
    QCOMPARE(boxes.texts, QStringList{notACard(window)});
    QVERIFY(editorOpen(window));

    if (way == u"Escape") {
        // The window is active again once the box has gone, as a window manager makes it.
        QApplication::setActiveWindow(&window);
        QTest::keyClick(memo(window), Qt::Key_Escape);
    } else {
        QTest::mouseClick(child<QPushButton>(window, qPrintable(way)), Qt::LeftButton);
    }

    QVERIFY(!editorOpen(window));
    QVERIFY(!child<QWidget>(window, "recAdvertisement")->isVisible());
    QCOMPARE(window.store().MyDictSL.lines(), animalLines);
    QCOMPARE(window.engine().CurrentLine(), u"cat = кошка"_s);
    QCOMPARE(window.engine().MyVocabula(), counters);
    QCOMPARE(shown(window), u"cat|"_s);
}

QTEST_MAIN(TestCardEditor)
#include "tst_cardeditor.moc"
