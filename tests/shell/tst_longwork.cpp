#include "../faults/BigDictionary.h"
#include "BoxWatcher.h"
#include "cards/DictionaryStore.h"
#include "dictionaries/FormOpenTxtDialog.h"
#include "FakeFilePicker.h"
#include "shell/InterfaceLanguage.h"
#include "shell/MessagePanel.h"
#include "widgets/LongWork.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QtTest>

namespace {

constexpr qsizetype bigCount = 1000000;

QString message(TFormVocadrill& window)
{
    return window.findChild<MessagePanel*>("recMessage")->text();
}

// A million lines, out of order (or the bytes given), open on the Dictionaries tab.
TFormVocadrill& startWithBigDictionary(WindowFixture& fixture,
                                       const QByteArray& bytes = BigDictionary::fileBytes(
                                           BigDictionary::turned(bigCount, bigCount / 2)))
{
    TFormVocadrill& window = fixture.startWith("Big.txt", bytes);
    WindowTest::openTab(window, 2);
    return window;
}

void clickTile(TFormVocadrill& window, const char* name)
{
    WindowTest::clickAt(window,
                        WindowTest::centreOf(window, *WindowTest::child<QWidget>(window, name)));
}

// A click on the item of the dictionaries' list that shows name.
void clickListItem(TFormVocadrill& window, const QString& name)
{
    auto* list = window.findChild<QListWidget*>("lbDicts");
    const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    WindowTest::clickAt(window,
                        list->viewport()->mapTo(&window, list->visualItemRect(items[0]).center()));
}

QString selected(TFormVocadrill& window)
{
    const QList<QListWidgetItem*> items =
        window.findChild<QListWidget*>("lbDicts")->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

// A file outside the dictionaries folder, to import.
QString putOutside(WindowFixture& fixture, const QString& name, const QByteArray& bytes)
{
    QFile file(fixture.path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}

// "From file..." on the Dictionaries tab, answered with picked.
void importFile(TFormVocadrill& window, const QString& picked)
{
    fakePicker(window.FormOpenTxtDialog(), {picked});
    WindowTest::openTab(window, 2);
    clickTile(window, "btFromFile");
}

} // namespace

class TestLongWork : public QObject
{
    Q_OBJECT

private slots:
    void closingDuringLongWorkKeepsItsResult_data();
    void closingDuringLongWorkKeepsItsResult();
    void openingReadsALongFileOnAWorker();
    void leavingALongChangedDictionaryWritesItOnAWorker_data();
    void leavingALongChangedDictionaryWritesItOnAWorker();
    void closingDuringALongImportKeepsTheImport_data();
    void closingDuringALongImportKeepsTheImport();
    void aLongImportOpensItsCopy_data();
    void aLongImportOpensItsCopy();
    void aFailedCopyIsShownInABox_data();
    void aFailedCopyIsShownInABox();
    void sortRunsWhileTheWindowAnswers_data();
    void sortRunsWhileTheWindowAnswers();
};

void TestLongWork::closingDuringLongWorkKeepsItsResult_data()
{
    QTest::addColumn<QString>("tile");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("result");
    const QString big = QStringLiteral("Vocadrill/Big.txt");
    QTest::newRow("Sort") << "btSort" << big << BigDictionary::turned(bigCount, 0);
    QStringList swapped = BigDictionary::turned(bigCount, bigCount / 2);
    for (QString& line : swapped) {
        const QStringList sides = line.split(QStringLiteral(" = "));
        line = sides[1] + QStringLiteral(" = ") + sides[0];
    }
    QTest::newRow("Swap") << "btSwap00" << big << swapped;
    QTest::newRow("Copy") << "btCopy00" << QStringLiteral("Vocadrill/Big (1).txt")
                          << BigDictionary::turned(bigCount, bigCount / 2);
}

// The close waits for the work, and its save writes the result whole.
void TestLongWork::closingDuringLongWorkKeepsItsResult()
{
    QFETCH(QString, tile);
    QFETCH(QString, file);
    QFETCH(QStringList, result);
    WindowFixture fixture;
    TFormVocadrill& window = startWithBigDictionary(fixture);
    clickTile(window, tile.toLatin1().constData());
    QVERIFY(QGuiApplication::overrideCursor());
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
    QVERIFY(window.close());
    QVERIFY(!QGuiApplication::overrideCursor());
    QVERIFY(fixture.read(file) == BigDictionary::fileBytes(result));
}

// A click on a long dictionary in the list opens it behind a busy cursor; a click on another
// meanwhile waits, and the list then highlights the one opened.
void TestLongWork::openingReadsALongFileOnAWorker()
{
    WindowFixture fixture;
    fixture.putDictionary("Big.txt",
                          BigDictionary::fileBytes(BigDictionary::turned(bigCount, bigCount / 2)));
    fixture.putDictionary("Small.txt", WindowTest::animals);
    TFormVocadrill& window = fixture.startWith("A.txt", "a = 1\r\n");
    WindowTest::openTab(window, 2);
    clickListItem(window, "Big");
    QVERIFY(QGuiApplication::overrideCursor());
    clickListItem(window, "Small");
    QTRY_VERIFY_WITH_TIMEOUT(!QGuiApplication::overrideCursor(), 60000);
    QCOMPARE(window.store().openFileName(), QStringLiteral("Big.txt"));
    QCOMPARE(selected(window), QStringLiteral("Big"));
    QVERIFY(window.store().MyDictSL.lines() == BigDictionary::turned(bigCount, bigCount / 2));
}

void TestLongWork::leavingALongChangedDictionaryWritesItOnAWorker_data()
{
    QTest::addColumn<QString>("click");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<QString>("open");
    QTest::newRow("another dictionary from the list") << "Small" << false << "Small.txt";
    QTest::newRow("Copy") << "btCopy00" << false << "Big.txt";
    QTest::newRow("the write fails") << "Small" << true << "Big.txt";
}

// A long dictionary that was sorted a moment ago, before the save that comes after a change:
// opening another or copying it writes its lines behind a busy cursor first. When the write
// fails, here as its first rewrite cannot keep a backup, a box says why, and the dictionary stays
// open with its lines.
void TestLongWork::leavingALongChangedDictionaryWritesItOnAWorker()
{
    QFETCH(QString, click);
    QFETCH(bool, fails);
    QFETCH(QString, open);
    constexpr qsizetype count = LongWork::longLines;
    const QByteArray before = BigDictionary::fileBytes(BigDictionary::turned(count, count / 2));
    const QStringList sorted = BigDictionary::turned(count, 0);
    WindowFixture fixture;
    fixture.putDictionary("Small.txt", WindowTest::animals);
    TFormVocadrill& window = startWithBigDictionary(fixture, before);
    if (fails) {
        QDir().mkpath(fixture.path("Data"));
        QFile blocking(fixture.path("Data/Backups"));
        QVERIFY(blocking.open(QIODevice::WriteOnly));
    }
    clickTile(window, "btSort");
    QTRY_VERIFY_WITH_TIMEOUT(!QGuiApplication::overrideCursor(), 60000);
    QVERIFY(window.store().MyDictSL.lines() == sorted);

    BoxWatcher boxes;
    if (click.startsWith("bt"))
        clickTile(window, click.toLatin1().constData());
    else
        clickListItem(window, click);
    QVERIFY(QGuiApplication::overrideCursor());
    QTRY_VERIFY_WITH_TIMEOUT(!QGuiApplication::overrideCursor(), 60000);
    QTRY_COMPARE(boxes.texts.size(), fails ? 1 : 0);
    QCOMPARE(window.store().openFileName(), open);
    QCOMPARE(selected(window), QFileInfo(open).completeBaseName());
    if (fails) {
        QVERIFY(boxes.texts.first().contains("Backups"));
        QVERIFY(fixture.read("Vocadrill/Big.txt") == before);
        QVERIFY(window.store().MyDictSL.lines() == sorted);
        return;
    }
    QVERIFY(fixture.read("Vocadrill/Big.txt") == BigDictionary::fileBytes(sorted));
    if (click == "btCopy00")
        QVERIFY(fixture.read("Vocadrill/Big (1).txt") == BigDictionary::fileBytes(sorted));
}

void TestLongWork::closingDuringALongImportKeepsTheImport_data()
{
    QTest::addColumn<QString>("open");
    QTest::addColumn<QByteArray>("openBytes");
    QTest::addColumn<QString>("copy");
    QTest::newRow("short dictionary open") << "A.txt" << QByteArray("a = 1\r\n") << "Big.txt";
    QTest::newRow("long dictionary open, listed again on a worker")
        << "Big.txt" << BigDictionary::fileBytes(BigDictionary::turned(bigCount, 0))
        << "Big (1).txt";
}

// The import of a long file copies and reads it on a worker thread, lists the dictionaries
// again, then opens the copy; the close, which comes while the copy is made, waits for every
// step, so that the copy is open and is the dictionary the next start opens.
void TestLongWork::closingDuringALongImportKeepsTheImport()
{
    QFETCH(QString, open);
    QFETCH(QByteArray, openBytes);
    QFETCH(QString, copy);
    WindowFixture fixture;
    const QStringList lines = BigDictionary::turned(bigCount, bigCount / 2);
    const QByteArray bytes = BigDictionary::fileBytes(lines);
    const QString picked = putOutside(fixture, "Big.txt", bytes);
    TFormVocadrill& window = fixture.startWith(open, openBytes);
    importFile(window, picked);
    QVERIFY(QGuiApplication::overrideCursor());
    QVERIFY(window.close());
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(window.store().openFileName(), copy);
    QVERIFY(window.store().MyDictSL.lines() == lines);
    QCOMPARE(selected(window), QFileInfo(copy).completeBaseName());
    QVERIFY(fixture.read("Vocadrill/" + copy) == bytes);
    QVERIFY(fixture.read("Vocadrill/" + open) == openBytes);
    QVERIFY(fixture.read("LastDictFileName").contains(copy.toUtf8()));
}

void TestLongWork::aLongImportOpensItsCopy_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("asked");
    const QStringList cards = BigDictionary::turned(200000, 0);
    QTest::newRow("cards") << BigDictionary::fileBytes(cards) << false;
    QByteArray fields;
    for (const QString& card : cards)
        fields +=
            QString(card).replace(QStringLiteral(" = "), QStringLiteral("\t")).toUtf8() + "\r\n";
    QTest::newRow("another program's fields, written as cards") << fields << true;
}

// A long file is copied, read and, when its fields become cards after the question, written
// as cards off the interface thread; then the copy is listed, highlighted and open with those
// cards, and its folder is remembered.
void TestLongWork::aLongImportOpensItsCopy()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, asked);
    QVERIFY(bytes.size() >= LongWork::longFileBytes);
    const QStringList cards = BigDictionary::turned(200000, 0);
    WindowFixture fixture;
    const QString picked = putOutside(fixture, "Words.txt", bytes);
    TFormVocadrill& window = fixture.startWith("A.txt", "a = 1\r\n");
    BoxWatcher boxes;
    importFile(window, picked);
    QTRY_VERIFY_WITH_TIMEOUT(
        window.store().openFileName() == "Words.txt" && !QGuiApplication::overrideCursor(), 60000);
    QCOMPARE(boxes.texts, asked ? QStringList{window.messageText("msMakeCards")} : QStringList());
    QVERIFY(window.store().MyDictSL.lines() == cards);
    QVERIFY(fixture.read("Vocadrill/Words.txt") ==
            (asked ? BigDictionary::fileBytes(cards) : bytes));
    QCOMPARE(selected(window), QString("Words"));
    QVERIFY(QFileInfo::exists(fixture.path("Data/TxtName.txt")));
}

void TestLongWork::aFailedCopyIsShownInABox_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("short file") << WindowTest::animals;
    QTest::newRow("long file, copied on a worker")
        << BigDictionary::fileBytes(BigDictionary::turned(bigCount, 0));
}

// A copy that fails, here as the dictionaries folder has gone, shows the picked file with the
// system's reason in a box, for a long file as for a short one; nothing is opened and the
// folder is not remembered.
void TestLongWork::aFailedCopyIsShownInABox()
{
    QFETCH(QByteArray, bytes);
    WindowFixture fixture;
    const QString picked = putOutside(fixture, "Words.txt", bytes);
    TFormVocadrill& window = fixture.start();
    QVERIFY(QDir(fixture.path("Vocadrill")).removeRecursively());
    BoxWatcher boxes;
    importFile(window, picked);
    QTRY_COMPARE_WITH_TIMEOUT(boxes.texts.size(), 1, 60000);
    QVERIFY(boxes.texts.first().startsWith(QDir::toNativeSeparators(picked) + ": "));
    QVERIFY(boxes.texts.first().size() > picked.size() + 2);
    QVERIFY(!QGuiApplication::overrideCursor());
    QVERIFY(window.store().MyDictPath.isEmpty());
    QVERIFY(!QFileInfo::exists(fixture.path("Data/TxtName.txt")));
}

void TestLongWork::sortRunsWhileTheWindowAnswers_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("English") << InterfaceLanguage::English
                             << QStringLiteral("Working on the dictionary…")
                             << QStringLiteral("Please wait until the work on the dictionary ends");
    QTest::newRow("Russian") << InterfaceLanguage::Russian
                             << QStringLiteral("Идёт работа со словарём…")
                             << QStringLiteral("Подождите, пока закончится работа со словарём");
}

// While the Sort runs the automatic mode is off, the window shows a progress bar and refuses
// another change of the dictionary; then the sorted lines replace the open ones.
void TestLongWork::sortRunsWhileTheWindowAnswers()
{
    QFETCH(QString, language);
    QFETCH(QString, caption);
    QFETCH(QString, refusal);
    WindowFixture fixture;
    TFormVocadrill& window = startWithBigDictionary(fixture);
    QVERIFY(window.language().select(language));
    auto* automatic = WindowTest::child<QCheckBox>(window, "cbAuto");
    automatic->setChecked(true);
    clickTile(window, "btSort");
    QVERIFY(!automatic->isChecked());
    auto* bar = WindowTest::child<QFrame>(window, "recLongWork");
    QTRY_VERIFY(bar->isVisible());
    QCOMPARE(bar->findChild<QLabel*>()->text(), caption);
    clickTile(window, "btMix");
    QCOMPARE(message(window), refusal);
    QTRY_VERIFY_WITH_TIMEOUT(!QGuiApplication::overrideCursor(), 60000);
    QVERIFY(!bar->isVisible());
    QCOMPARE(message(window), window.messageText("msSorted") + '\n' + QString::number(bigCount));
    QVERIFY(window.store().MyDictSL.lines() == BigDictionary::turned(bigCount, 0));
}

QTEST_MAIN(TestLongWork)
#include "tst_longwork.moc"
