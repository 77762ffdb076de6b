#include "../faults/BigDictionary.h"
#include "cards/DictionaryStore.h"
#include "dictionaries/FormOpenTxtDialog.h"
#include "FakeFilePicker.h"
#include "shell/InterfaceLanguage.h"
#include "shell/MessagePanel.h"
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

// A million lines, out of order, open on the Dictionaries tab.
TFormVocadrill& startWithBigDictionary(WindowFixture& fixture)
{
    TFormVocadrill& window = fixture.startWith(
        "Big.txt", BigDictionary::fileBytes(BigDictionary::turned(bigCount, bigCount / 2)));
    WindowTest::openTab(window, 2);
    return window;
}

void clickTile(TFormVocadrill& window, const char* name)
{
    WindowTest::clickAt(window,
                        WindowTest::centreOf(window, *WindowTest::child<QWidget>(window, name)));
}

} // namespace

class TestLongWork : public QObject
{
    Q_OBJECT

private slots:
    void closingDuringLongWorkKeepsItsResult_data();
    void closingDuringLongWorkKeepsItsResult();
    void openingReadsALongFileOnAWorker();
    void closingDuringALongImportKeepsTheImport();
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
    auto* list = window.findChild<QListWidget*>("lbDicts");
    const auto clickItem = [&](int row) {
        WindowTest::clickAt(window, list->viewport()->mapTo(
                                        &window, list->visualItemRect(list->item(row)).center()));
    };
    clickItem(1);
    QVERIFY(QGuiApplication::overrideCursor());
    clickItem(2);
    QTRY_VERIFY_WITH_TIMEOUT(!QGuiApplication::overrideCursor(), 60000);
    QCOMPARE(window.store().openFileName(), QStringLiteral("Big.txt"));
    QCOMPARE(list->selectedItems().first()->text(), QStringLiteral("Big"));
    QVERIFY(window.store().MyDictSL.lines() == BigDictionary::turned(bigCount, bigCount / 2));
}

// The import of a long file reads its copy on a worker thread, then opens it there too; the
// close waits for both, so that the copy is the dictionary the next start opens.
void TestLongWork::closingDuringALongImportKeepsTheImport()
{
    WindowFixture fixture;
    const QByteArray bytes =
        BigDictionary::fileBytes(BigDictionary::turned(bigCount, bigCount / 2));
    QFile source(fixture.path("Big.txt"));
    QVERIFY(source.open(QIODevice::WriteOnly));
    source.write(bytes);
    source.close();
    TFormVocadrill& window = fixture.startWith("A.txt", "a = 1\r\n");
    fakePicker(window.FormOpenTxtDialog(), {source.fileName()});
    QVERIFY(window.execute("FromFile0"));
    QVERIFY(QGuiApplication::overrideCursor());
    QVERIFY(window.close());
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(window.store().openFileName(), QStringLiteral("Big.txt"));
    QCOMPARE(window.store().MyDictSL.count(), bigCount);
    QVERIFY(fixture.read("Vocadrill/Big.txt") == bytes);
    QVERIFY(fixture.read("LastDictFileName").contains("Big.txt"));
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
