#include "BoxWatcher.h"
#include "FakeFilePicker.h"
#include "WindowFixture.h"
#include "appearance/FormOpenPictureDialog.h"
#include "cards/Collation.h"
#include "cards/DictionaryStore.h"
#include "cards/LegacyEncoding.h"
#include "dictionaries/FormOpenTxtDialog.h"

#include <QLabel>
#include <QListWidget>
#include <QtTest>

namespace {

const QString corpusWords = VOCADRILL_FIXTURES "/smoke/Words.txt";

QString selected(TFormVocadrill& window)
{
    const QList<QListWidgetItem*> items =
        window.findChild<QListWidget*>("lbDicts")->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A folder away from the program's with a copy of a fixture in it.
QString placeOutside(const QTemporaryDir& outside, const QString& fixture, const QString& name)
{
    const QString path = outside.filePath(name);
    QFile::copy(fixture, path);
    return path;
}

// "From file..." clicked on the Dictionaries tab, as a learner imports.
void clickFromFile(TFormVocadrill& window)
{
    WindowTest::openTab(window, 2);
    WindowTest::clickAt(window, WindowTest::centreOf(
                                    window, *WindowTest::child<QWidget>(window, "btFromFile")));
}

} // namespace

class TestTextImportDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }

    void importThreeTimesOpensEachCopy();
    void cancelChangesNothing();
    void fileWithoutCardsIsKeptAndReported();
    void failedCopyChangesNothing();
    void foldersSurviveRestartAndStayApart();
    void exportOfFieldsBecomesCards_data();
    void exportOfFieldsBecomesCards();
    void importedListsReadRight_data();
    void importedListsReadRight();
};

// Lists from other places, imported on an English UTF-8 locale: each opens with its cards as
// written, and its copy keeps the picked file's bytes.
void TestTextImportDialog::importedListsReadRight_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("cards");
    const QString russian = "Животные:\r\ncat = кошка\r\ndog = собака\r\nbird = птица\r\n";
    const QStringList russianCards{"cat = кошка", "dog = собака", "bird = птица"};
    const auto encoded = [](const char* page, const QString& text) -> QByteArray {
        return QStringEncoder(page).encode(text);
    };
    QTest::newRow("windows-1251") << encoded("windows-1251", russian) << russianCards;
    QTest::newRow("KOI8-R") << encoded("KOI8-R", russian) << russianCards;
    QTest::newRow("IBM866") << encoded("IBM866", russian) << russianCards;
    QTest::newRow("UTF-16 LE without a mark") << encoded("UTF-16LE", russian) << russianCards;
    QTest::newRow("UTF-8 without a mark") << russian.toUtf8() << russianCards;
    QTest::newRow("windows-1250")
        << encoded("windows-1250", "apple = jabłko\r\nbook = książka\r\nyellow = żółty\r\n")
        << QStringList{"apple = jabłko", "book = książka", "yellow = żółty"};
    QTest::newRow("windows-1253") << encoded("windows-1253", "water = νερό\r\nbread = ψωμί\r\n")
                                  << QStringList{"water = νερό", "bread = ψωμί"};
}

void TestTextImportDialog::importedListsReadRight()
{
    QFETCH(QByteArray, bytes);
    setProgramLegacyEncoding(LegacyEncoding{true, "windows-1252"});
    QTemporaryDir outside;
    const QString picked = outside.filePath("List.txt");
    {
        QFile file(picked);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    WindowFixture fixture;
    TFormVocadrill& window = fixture.start();
    fakePicker(window.FormOpenTxtDialog(), {picked});
    clickFromFile(window);
    QTEST(window.store().MyDictSL.lines(), "cards");
    QCOMPARE(read(fixture.path("Vocadrill/List.txt")), bytes);
}

void TestTextImportDialog::exportOfFieldsBecomesCards_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QByteArray>("copy");
    const QByteArray exported = "cat\tкошка\r\ndog\tсобака\tpet\r\n";
    QTest::newRow("Yes") << QMessageBox::Yes
                         << QByteArray("\xEF\xBB\xBF"
                                       "cat = кошка\r\ndog = собака // pet\r\n");
    QTest::newRow("No") << QMessageBox::No << exported;
}

// A tab-separated export is made into cards on Yes and copied as it is on No; the picked file
// is never written.
void TestTextImportDialog::exportOfFieldsBecomesCards()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QTemporaryDir outside;
    const QString picked = outside.filePath("Export.tsv");
    const QByteArray exported = "cat\tкошка\r\ndog\tсобака\tpet\r\n";
    {
        QFile file(picked);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(exported);
    }
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", "cat = кошка\r\n");
    fakePicker(window.FormOpenTxtDialog(), {picked});
    BoxWatcher boxes(answer);
    clickFromFile(window);

    QCOMPARE(boxes.texts.first(), window.messageText("msMakeCards"));
    QTEST(read(fixture.path("Vocadrill/Export.txt")), "copy");
    QCOMPARE(read(picked), exported);
    QCOMPARE(window.store().MyDictPath, fixture.path("Vocadrill/Export.txt"));
    QCOMPARE(window.store().MyDictSL.count(), answer == QMessageBox::Yes ? 2 : 0);
}

void TestTextImportDialog::importThreeTimesOpensEachCopy()
{
    QTemporaryDir outside;
    const QString picked = placeOutside(outside, corpusWords, "Words.txt");
    WindowFixture fixture;
    TFormVocadrill& window = fixture.start();
    FakeFilePicker* picker = fakePicker(window.FormOpenTxtDialog(), {picked, picked, picked});

    for (const QString name : {"Words", "Words (1)", "Words (2)"}) {
        QVERIFY(window.execute("FromFile0"));
        const QString target = fixture.path("Vocadrill/" + name + ".txt");
        QCOMPARE(read(target), read(corpusWords));
        QCOMPARE(window.store().MyDictPath, target);
        QCOMPARE(window.store().MyDictSL.count(), 12);
        QCOMPARE(selected(window), name);
        QCOMPARE(window.findChild<QLabel*>("TextDict")->text(), name);
    }
    QCOMPARE(picker->calls.first().filter,
             QString("Text files (*.txt);;CSV and TSV files (*.csv *.tsv);;All files (*.* *)"));
    QCOMPARE(picker->calls.first().startFolder, QString());
    QCOMPARE(picker->calls.last().startFolder, outside.path());
    QCOMPARE(read(fixture.path("Data/TxtName.txt")), (outside.path() + "\r\n").toUtf8());
}

void TestTextImportDialog::cancelChangesNothing()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", "cat = кошка\r\n");
    fakePicker(window.FormOpenTxtDialog());
    QVERIFY(window.execute("FromFile0"));
    QCOMPARE(QDir(fixture.path("Vocadrill")).entryList(QDir::Files), QStringList{"Animals.txt"});
    QCOMPARE(window.store().MyDictPath, fixture.path("Vocadrill/Animals.txt"));
    QVERIFY(!QFileInfo::exists(fixture.path("Data/TxtName.txt")));
}

void TestTextImportDialog::fileWithoutCardsIsKeptAndReported()
{
    QTemporaryDir outside;
    const QString picked = placeOutside(
        outside, VOCADRILL_FIXTURES "/corpus/lines/only_noncard_lines.txt", "Headings.txt");
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", "cat = кошка\r\n");
    fakePicker(window.FormOpenTxtDialog(), {picked});
    BoxWatcher boxes;
    QVERIFY(window.execute("FromFile0"));

    QCOMPARE(boxes.texts, QStringList{window.messageText("msThereAreNoProperLinesInThisFile")});
    QCOMPARE(read(fixture.path("Vocadrill/Headings.txt")), read(picked));
    QCOMPARE(window.store().MyDictPath, fixture.path("Vocadrill/Headings.txt"));
    QVERIFY(window.store().MyDictSL.isEmpty());
    QCOMPARE(selected(window), QString("Headings"));
}

void TestTextImportDialog::failedCopyChangesNothing()
{
    QTemporaryDir outside;
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", "cat = кошка\r\n");
    fakePicker(window.FormOpenTxtDialog(), {outside.filePath("vanished.txt")});
    BoxWatcher boxes;
    QVERIFY(window.execute("FromFile0"));

    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY(boxes.texts.first().contains("vanished.txt"));
    QCOMPARE(QDir(fixture.path("Vocadrill")).entryList(QDir::Files), QStringList{"Animals.txt"});
    QCOMPARE(window.store().MyDictPath, fixture.path("Vocadrill/Animals.txt"));
    QCOMPARE(selected(window), QString("Animals"));
    QVERIFY(!QFileInfo::exists(fixture.path("Data/TxtName.txt")));
}

void TestTextImportDialog::foldersSurviveRestartAndStayApart()
{
    QTemporaryDir texts;
    QTemporaryDir pictures;
    const QString words = placeOutside(texts, corpusWords, "Words.txt");
    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(Qt::darkGreen);
    QVERIFY(tile.save(pictures.filePath("Leaves.jpg")));

    WindowFixture fixture;
    {
        TFormVocadrill& window = fixture.start();
        fakePicker(window.FormOpenTxtDialog(), {words});
        FakeFilePicker* picturePicker =
            fakePicker(window.FormOpenPictureDialog(), {pictures.filePath("Leaves.jpg")});
        QVERIFY(window.execute("FromFile0"));
        QVERIFY(window.execute("Top0"));
        QVERIFY(window.execute("FromFile00"));
        QCOMPARE(picturePicker->calls.first().filter,
                 QString("Рисунки (*.jpg *.jpeg *.png *.bmp);;Все файлы (*)"));
        QCOMPARE(picturePicker->calls.first().startFolder, QString());
        fixture.stop();
    }

    TFormVocadrill& window = fixture.start();
    FakeFilePicker* textPicker = fakePicker(window.FormOpenTxtDialog());
    FakeFilePicker* picturePicker = fakePicker(window.FormOpenPictureDialog());
    QVERIFY(window.execute("FromFile0"));
    QVERIFY(window.execute("Top0"));
    QVERIFY(window.execute("FromFile00"));
    QCOMPARE(textPicker->calls.first().startFolder, texts.path());
    QCOMPARE(picturePicker->calls.first().startFolder, pictures.path());
    QCOMPARE(read(fixture.path("Data/BGName.txt")), (pictures.path() + "\r\n").toUtf8());
}

QTEST_MAIN(TestTextImportDialog)
#include "tst_textimportdialog.moc"
