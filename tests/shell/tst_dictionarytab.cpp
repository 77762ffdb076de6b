#include "BoxWatcher.h"
#include "cards/Collation.h"
#include "cards/DictionaryStore.h"
#include "cards/ProgressStore.h"
#include "engine/LearningEngine.h"
#include "shell/MessagePanel.h"
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest>

namespace {

const QByteArray bom("\xEF\xBB\xBF");

const QStringList dictionaryActions{"Mix00", "Sort00", "Swap0", "Copy00", "Delete00", "Look00"};

QString selected(TFormVocadrill& window)
{
    const QList<QListWidgetItem*> items =
        window.findChild<QListWidget*>("lbDicts")->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

QString viewerText(TFormVocadrill& window)
{
    return window.findChild<QPlainTextEdit*>("Memo1")->toPlainText();
}

QString viewerCount(TFormVocadrill& window)
{
    return window.findChild<QLabel*>("lbMyDictSL2")->text();
}

QString viewerTitle(TFormVocadrill& window)
{
    return window.findChild<QLabel*>("lbMemoTitle")->text();
}

QString message(TFormVocadrill& window)
{
    return window.findChild<MessagePanel*>("recMessage")->text();
}

// Three dictionaries, the middle one open, and the Dictionaries tab shown by a click on its tab.
TFormVocadrill& startOnTheMiddleOfThree(WindowFixture& fixture)
{
    fixture.putDictionary("A.txt", bom + "a = 1\r\n");
    fixture.putDictionary("C.txt", bom + "c = 3\r\n");
    TFormVocadrill& window = fixture.startWith("B.txt", bom + "b = 2\r\n");
    WindowTest::openTab(window, 2);
    return window;
}

// The centre of a dictionary's item in the list, in window coordinates.
QPoint itemCentre(TFormVocadrill& window, int row)
{
    auto* list = window.findChild<QListWidget*>("lbDicts");
    return list->viewport()->mapTo(&window, list->visualItemRect(list->item(row)).center());
}

} // namespace

class TestDictionaryTab : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }

    void enablingFollowsSelection();
    void mixDropsDuplicatesAndCounts();
    void sortKeepsLinesThatDifferedBeforeNormalising();
    void swapAsksTheOtherSide();
    void copyTakesFirstFreeNameWithUnsavedChanges();
    void deleteAnsweredNo();
    void deleteAnsweredYes();
    void viewItShowsMemoryOrder();
    void homeAndEndMoveThroughTheViewer();
    void learntViewers_data();
    void learntViewers();
    void arrowKeysOpenWhatTheyHighlight();
    void listShowsNamesInTheirOrder();
    void pressReleasedAwayLeavesTheOpenOneHighlighted();
    void failedOpenLeavesTheOpenOneHighlighted();
};

void TestDictionaryTab::enablingFollowsSelection()
{
    WindowFixture fixture;
    fixture.putDictionary("Animals.txt", "cat = кошка\r\n");
    TFormVocadrill& window = fixture.start();
    for (const QString& name : dictionaryActions)
        QVERIFY2(!window.action(name)->isEnabled(), qPrintable(name));
    QVERIFY(window.action("Learnt00")->isEnabled());
    QVERIFY(window.action("LearntToday0")->isEnabled());
    QVERIFY(window.action("FromFile0")->isEnabled());

    window.findChild<QListWidget*>("lbDicts")->setCurrentRow(0);
    for (const QString& name : dictionaryActions)
        QVERIFY2(window.action(name)->isEnabled(), qPrintable(name));
}

void TestDictionaryTab::mixDropsDuplicatesAndCounts()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith(
        "Animals.txt", "cat = кошка\r\ndog = собака\r\ncat = кошка\r\nbird = птица\r\n");
    QVERIFY(window.execute("Mix00"));
    QCOMPARE(window.store().MyDictSL.count(), 3);
    QCOMPARE(message(window), window.messageText("msMixed") + "\n3");
}

void TestDictionaryTab::sortKeepsLinesThatDifferedBeforeNormalising()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Letters.txt", "b = 2\r\na = 1\r\na=1\r\n");
    QVERIFY(window.execute("Sort00"));
    QCOMPARE(window.store().MyDictSL.lines(), (QStringList{"a = 1", "a = 1", "b = 2"}));
    QCOMPARE(message(window), window.messageText("msSorted") + "\n3");
}

void TestDictionaryTab::swapAsksTheOtherSide()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Pets.txt", "cat [kæt] = кошка // pet\r\n");
    QVERIFY(window.execute("Swap0"));
    QCOMPARE(window.store().MyDictSL.lines(), QStringList{"кошка // pet = cat [kæt]"});
    QCOMPARE(message(window), QString("Стороны обменены\n1"));
    window.engine().MyNext(true);
    window.execute("Remind0");
    const CardView& card = window.engine().view();
    QCOMPARE(card.TextQuestion, QString("кошка"));
    QCOMPARE(card.TextAnswer, QString("cat"));
    QCOMPARE(card.TextPhonetic, QString("[kæt]"));
}

void TestDictionaryTab::copyTakesFirstFreeNameWithUnsavedChanges()
{
    WindowFixture fixture;
    fixture.putDictionary("English (1).txt", bom + "old = старый\r\n");
    TFormVocadrill& window = fixture.startWith("English.txt", "cat = кошка\r\ndog = собака\r\n");
    QVERIFY(window.execute("Swap0"));
    QVERIFY(window.execute("Copy00"));

    const QByteArray swapped = bom + "кошка = cat\r\nсобака = dog\r\n";
    QCOMPARE(fixture.read("Vocadrill/English (2).txt"), swapped);
    QCOMPARE(fixture.read("Vocadrill/English.txt"), swapped);
    QCOMPARE(fixture.read("Vocadrill/English (1).txt"), bom + "old = старый\r\n");
    QCOMPARE(window.store().MyDictPath, fixture.path("Vocadrill/English.txt"));
    QCOMPARE(window.store().MyDictSL.lines(), (QStringList{"кошка = cat", "собака = dog"}));
    QCOMPARE(selected(window), QString("English"));
    QCOMPARE(window.findChild<QListWidget*>("lbDicts")->count(), 3);
    QCOMPARE(message(window), QString("Скопировано в English (2)"));
}

void TestDictionaryTab::deleteAnsweredNo()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", "cat = кошка\r\n");
    BoxWatcher no(QMessageBox::No);
    QVERIFY(window.execute("Delete00"));
    QCOMPARE(no.texts, QStringList{window.messageText("msAreYouSure") + "\nAnimals"});
    QVERIFY(QFileInfo::exists(fixture.path("Vocadrill/Animals.txt")));
    QCOMPARE(window.store().MyDictPath, fixture.path("Vocadrill/Animals.txt"));
    QCOMPARE(window.store().MyDictSL.count(), 1);
    QCOMPARE(selected(window), QString("Animals"));
}

void TestDictionaryTab::deleteAnsweredYes()
{
    WindowFixture fixture;
    fixture.putDictionary("Other.txt", "a = b\r\n");
    TFormVocadrill& window = fixture.startWith("Animals.txt", "cat = кошка\r\ndog = собака\r\n");
    window.execute("Next0");
    window.execute("Learnt0");
    QVERIFY(window.SaveAll0());
    const QString dictionary = fixture.path("Vocadrill/Animals.txt");
    QCOMPARE(IniRead(window.paths().LearntNumbersPath, dictionary), 1);

    BoxWatcher yes(QMessageBox::Yes);
    QVERIFY(window.execute("Delete00"));
    QVERIFY(!QFileInfo::exists(dictionary));
    QCOMPARE(IniRead(window.paths().LearntNumbersPath, dictionary), 0);
    QVERIFY(!fixture.read("Data/LearntNumbers.ini").contains("Animals"));
    QVERIFY(window.store().MyDictPath.isEmpty());
    QCOMPARE(window.findChild<QListWidget*>("lbDicts")->count(), 1);
    QCOMPARE(selected(window), QString());
    QCOMPARE(window.findChild<QLabel*>("TextMyDictSL")->text(), QString("0"));
    QCOMPARE(window.findChild<QLabel*>("TextLearnt")->text(), QString("0"));
    for (const QString& name : dictionaryActions)
        QVERIFY2(!window.action(name)->isEnabled(), qPrintable(name));
    QVERIFY(window.engine().CurrentLine().isEmpty());
    QCOMPARE(window.engine().shownCards().size(), 0);
}

void TestDictionaryTab::viewItShowsMemoryOrder()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Letters.txt", "b = 2\r\nc = 3\r\na = 1\r\n");
    QVERIFY(window.execute("Sort00"));
    QVERIFY(window.execute("Look00"));
    QVERIFY(window.findChild<QWidget*>("recMemo")->isVisible());
    QCOMPARE(viewerText(window), QString("a = 1\nb = 2\nc = 3"));
    QCOMPARE(viewerCount(window), QString("3"));
    QCOMPARE(viewerTitle(window), QString("Letters: карточек 3"));
    QVERIFY(window.execute("OK00"));
    QVERIFY(!window.findChild<QWidget*>("recMemo")->isVisible());
}

// The View it button shows the list with the keys in it: End goes to the last line, Home back.
void TestDictionaryTab::homeAndEndMoveThroughTheViewer()
{
    QByteArray lines;
    for (int n = 0; n < 300; ++n)
        lines += "word" + QByteArray::number(n) + " = слово\r\n";
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Long.txt", lines);
    WindowTest::openTab(window, 2);
    WindowTest::clickAt(
        window, WindowTest::centreOf(window, *WindowTest::child<QWidget>(window, "btView00")));
    auto* memo = window.findChild<QPlainTextEdit*>("Memo1");
    QVERIFY(memo->isVisible());
    QScrollBar* bar = memo->verticalScrollBar();
    QCOMPARE(bar->value(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QCOMPARE(bar->value(), bar->maximum());
    QVERIFY(bar->maximum() > 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
    QCOMPARE(bar->value(), 0);
}

void TestDictionaryTab::learntViewers_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("run");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("title");

    QTest::newRow("learnt: file and run merged")
        << "Learnt00" << QByteArray(bom + "b = 2\r\nd = 4\r\n") << QStringList{"c = 3", "b = 2"}
        << "b = 2\nc = 3\nd = 4"
        << "3"
        << "Все выученные карточки: 3";
    QTest::newRow("learnt: nothing") << "Learnt00" << QByteArray() << QStringList{} << ""
                                     << "0"
                                     << "Все выученные карточки: 0";
    QTest::newRow("learnt today: in learning order")
        << "LearntToday0" << QByteArray(bom + "a = 1\r\n") << QStringList{"c = 3", "b = 2"}
        << "c = 3\nb = 2"
        << "2"
        << "Выучено с начала: 2";
}

void TestDictionaryTab::learntViewers()
{
    QFETCH(QString, action);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, run);
    QFETCH(QString, shown);
    QFETCH(QString, count);
    QFETCH(QString, title);

    WindowFixture fixture;
    TFormVocadrill& window = fixture.start();
    if (!file.isNull()) {
        QFile learnt(window.paths().LearntPath);
        QVERIFY(learnt.open(QIODevice::WriteOnly));
        learnt.write(file);
    }
    for (const QString& line : run)
        window.store().LearntSL.append(line);

    QVERIFY(window.execute(action));
    QCOMPARE(viewerText(window), shown);
    QCOMPARE(viewerCount(window), count);
    QCOMPARE(viewerTitle(window), title);
    QVERIFY(window.findChild<QWidget*>("recMemo")->isVisible());
    QCOMPARE(QFileInfo::exists(window.paths().LearntPath), !file.isNull());
}

// The arrow keys move the highlight and open the dictionary under it, so that Delete removes
// the one the learner sees highlighted, and its question names it.
void TestDictionaryTab::arrowKeysOpenWhatTheyHighlight()
{
    WindowFixture fixture;
    TFormVocadrill& window = startOnTheMiddleOfThree(fixture);
    WindowTest::clickAt(window, itemCentre(window, 1));
    QCOMPARE(selected(window), QString("B"));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(selected(window), QString("C"));
    QTRY_COMPARE(window.store().openFileName(), QString("C.txt"));
    QCOMPARE(window.store().MyDictSL.lines(), QStringList{"c = 3"});

    BoxWatcher yes(QMessageBox::Yes);
    WindowTest::clickAt(
        window, WindowTest::centreOf(window, *WindowTest::child<QWidget>(window, "btDelete")));
    QCOMPARE(yes.texts, QStringList{window.messageText("msAreYouSure") + "\nC"});
    QVERIFY(!QFileInfo::exists(fixture.path("Vocadrill/C.txt")));
    QVERIFY(QFileInfo::exists(fixture.path("Vocadrill/B.txt")));
    QVERIFY(QFileInfo::exists(fixture.path("Vocadrill/A.txt")));
    QCOMPARE(selected(window), QString());
}

void TestDictionaryTab::listShowsNamesInTheirOrder()
{
    WindowFixture fixture;
    for (const char* name : {"Lesson 10.txt", "Words (1).txt", "Lesson 2.txt"})
        fixture.putDictionary(name, bom + "a = 1\r\n");
    TFormVocadrill& window = fixture.startWith("Words.txt", bom + "b = 2\r\n");
    WindowTest::openTab(window, 2);
    const auto* list = window.findChild<QListWidget*>("lbDicts");
    QStringList shown;
    for (int row = 0; row < list->count(); ++row)
        shown << list->item(row)->text();
    QCOMPARE(shown, (QStringList{"Lesson 2", "Lesson 10", "Words", "Words (1)"}));
    QCOMPARE(selected(window), QString("Words"));
    WindowTest::clickAt(window, itemCentre(window, 1));
    QTRY_COMPARE(window.store().openFileName(), QString("Lesson 10.txt"));
}

// A press on another item released away from it opens nothing and leaves the highlight on the
// open dictionary.
void TestDictionaryTab::pressReleasedAwayLeavesTheOpenOneHighlighted()
{
    WindowFixture fixture;
    TFormVocadrill& window = startOnTheMiddleOfThree(fixture);
    auto* list = window.findChild<QListWidget*>("lbDicts");
    QWidget* pressed = window.childAt(itemCentre(window, 0));
    QCOMPARE(pressed, list->viewport());
    QTest::mousePress(pressed, Qt::LeftButton, {},
                      pressed->mapFrom(&window, itemCentre(window, 0)));
    QTest::mouseRelease(pressed, Qt::LeftButton, {}, QPoint(2, pressed->height() - 2));
    QTRY_COMPARE(selected(window), QString("B"));
    QCOMPARE(window.store().openFileName(), QString("B.txt"));
    QCOMPARE(window.store().MyDictSL.lines(), QStringList{"b = 2"});
}

// A dictionary that cannot be opened, because the changed open one cannot be written first,
// leaves the open one open and highlighted.
void TestDictionaryTab::failedOpenLeavesTheOpenOneHighlighted()
{
    WindowFixture fixture;
    TFormVocadrill& window = startOnTheMiddleOfThree(fixture);
    QVERIFY(window.execute("Swap0"));
    QFile blocker(fixture.path("Data/Backups"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    BoxWatcher ok(QMessageBox::Ok);
    WindowTest::clickAt(window, itemCentre(window, 0));
    QTRY_COMPARE(ok.texts.size(), 1);
    QCOMPARE(selected(window), QString("B"));
    QCOMPARE(window.store().openFileName(), QString("B.txt"));
    QCOMPARE(window.store().MyDictSL.lines(), QStringList{"2 = b"});
}

QTEST_MAIN(TestDictionaryTab)
#include "tst_dictionarytab.moc"
