#include "BoxWatcher.h"
#include "cards/Collation.h"
#include "cards/DictionaryStore.h"
#include "engine/LearningEngine.h"
#include "faults/BigDictionary.h"
#include "save/BackgroundSave.h"
#include "save/SaveScheduler.h"
#include "shell/InterfaceLanguage.h"
#include "shell/MessagePanel.h"
#include "WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QTabWidget>
#include <QtTest>

namespace {

const QByteArray animals = "\xEF\xBB\xBF"
                           "cat = кошка\r\ndog = собака\r\nbird = птица\r\n";

template <typename T> T* child(QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

// The bytes the save writes for the lines in memory.
QByteArray saved(const QStringList& lines)
{
    QByteArray bytes("\xEF\xBB\xBF");
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

QString learnOneCard(TFormVocadrill& window)
{
    window.execute("Next0");
    const QString card = window.engine().CurrentLine();
    window.execute("Learnt0");
    return card;
}

} // namespace

class TestWindowSave : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }

    void changesAskForASave_data();
    void changesAskForASave();
    void failedSaveKeepsFilesAndMemory();
    void closeQuestionSpeaksTheInterfaceLanguage();
    void deletedWhileRunning_data();
    void deletedWhileRunning();
    void deletedDictionaryStaysDeleted();
    void changeOfFormToldOnce_data();
    void changeOfFormToldOnce();
    void closedWhileASaveRuns();
};

void TestWindowSave::changeOfFormToldOnce_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("told");
    QTest::newRow("English") << InterfaceLanguage::English
                             << "Saved as UTF-8; 1 line that is not a card was left out; the "
                                "original is in Data/Backups";
    QTest::newRow("Russian") << InterfaceLanguage::Russian
                             << "Сохранено в UTF-8; 1 строка, не являющаяся карточкой, не "
                                "сохранена; оригинал — в Data/Backups";
}

// A list in windows-1251 with a heading: opening and saving leave it alone; the first save
// after a card moved says once, in the interface language, how the file changed.
void TestWindowSave::changeOfFormToldOnce()
{
    QFETCH(QString, language);
    const QByteArray legacy = "\xC6\xE8\xE2\xEE\xF2\xED\xFB\xE5:\r\n"
                              "cat = \xEA\xEE\xF8\xEA\xE0\r\ndog = \xF1\xEE\xE1\xE0\xEA\xE0\r\n";
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", legacy);
    window.language().select(language);
    auto* panel = window.findChild<MessagePanel*>();
    QVERIFY(panel);
    QVERIFY(window.SaveAll0());
    QCOMPARE(fixture.read("Vocadrill/Animals.txt"), legacy);
    QCOMPARE(window.store().MyDictSL.lines(), (QStringList{"cat = кошка", "dog = собака"}));
    QVERIFY(panel->text().isEmpty());

    window.store().MyDictSL.move(0, 1);
    QVERIFY(window.SaveAll0());
    QCOMPARE(fixture.read("Vocadrill/Animals.txt"), saved({"dog = собака", "cat = кошка"}));
    QFETCH(QString, told);
    QCOMPARE(panel->text(), told);

    panel->MyMessage(QString());
    window.store().MyDictSL.move(0, 1);
    QVERIFY(window.SaveAll0());
    QVERIFY(panel->text().isEmpty());
}

void TestWindowSave::changesAskForASave_data()
{
    QTest::addColumn<QString>("change");
    for (const char* change : {"learnt card", "mix", "settings control", "mode switch",
                               "display switch", "learnt count reset"})
        QTest::newRow(change) << QString(change);
}

void TestWindowSave::changesAskForASave()
{
    QFETCH(QString, change);
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    SaveScheduler& scheduler = window.saveScheduler();
    QVERIFY(!scheduler.isPending());

    if (change == "learnt card") {
        learnOneCard(window);
    } else if (change == "mix") {
        window.store().MyDictSL.move(0, 2);
    } else if (change == "settings control") {
        child<QComboBox>(window, "pbNumberOfCards")->setCurrentText("12");
    } else if (change == "mode switch") {
        child<QComboBox>(window, "cbLearning")->setCurrentIndex(1);
    } else if (change == "display switch") {
        child<QCheckBox>(window, "SwitchShowIndicators")->toggle();
    } else if (change == "learnt count reset") {
        window.engine().learntNumberDoubleClick().click();
        window.engine().btLearntNumberClick();
    }
    QVERIFY(scheduler.isPending());
    QVERIFY(scheduler.isScheduled());

    BoxWatcher boxes;
    emit scheduler.saveDue();
    QTRY_VERIFY(!scheduler.isPending());
    QCOMPARE(boxes.texts, QStringList());
    QCOMPARE(fixture.read("Vocadrill/Animals.txt"), saved(window.store().MyDictSL.lines()));
    QCOMPARE(fixture.read("Data/DataFile").size(), 624);
    QCOMPARE(window.dataRecord().LearningMode, window.LearningMode());
}

// A folder stands where the settings record must go: the save stops at its first step with the
// system's message, every file stays as it was, memory keeps what was learnt, and the save
// after the folder is gone writes everything.
void TestWindowSave::failedSaveKeepsFilesAndMemory()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    QVERIFY(window.SaveAll0());
    const QByteArray dictionary = fixture.read("Vocadrill/Animals.txt");
    const QByteArray learnt = fixture.read("Vocadrill/Learnt/Learnt.txt");
    QVERIFY(QFile::remove(fixture.path("Data/DataFile")));
    QVERIFY(QDir().mkpath(fixture.path("Data/DataFile/in the way")));

    const QString card = learnOneCard(window);
    const QStringList inMemory = window.store().MyDictSL.lines();
    BoxWatcher boxes;
    QVERIFY(!window.SaveAll0());
    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY2(boxes.texts.first().contains(fixture.path("Data/DataFile")),
             qPrintable(boxes.texts.first()));
    QCOMPARE(fixture.read("Vocadrill/Animals.txt"), dictionary);
    QCOMPARE(fixture.read("Vocadrill/Learnt/Learnt.txt"), learnt);
    QCOMPARE(window.store().MyDictSL.lines(), inMemory);
    QCOMPARE(window.store().LearntSL.lines(), QStringList{card});
    QVERIFY(window.saveScheduler().isPending());

    QVERIFY(QDir(fixture.path("Data/DataFile")).removeRecursively());
    QVERIFY(window.SaveAll0());
    QCOMPARE(boxes.texts.size(), 1);
    QCOMPARE(fixture.read("Vocadrill/Animals.txt"), saved(inMemory));
    QVERIFY(fixture.read("Vocadrill/Learnt/Learnt.txt").contains(card.toUtf8()));
    QVERIFY(!window.saveScheduler().isPending());
}

// The question after a failed save on close, and its buttons, are in Russian in the Russian
// interface; answered Yes, the window closes.
void TestWindowSave::closeQuestionSpeaksTheInterfaceLanguage()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    window.language().select(InterfaceLanguage::Russian);
    QFile::remove(fixture.path("Data/DataFile"));
    QVERIFY(QDir().mkpath(fixture.path("Data/DataFile/in the way")));

    BoxWatcher boxes;
    QVERIFY(window.close());
    QCOMPARE(boxes.texts.size(), 2);
    QCOMPARE(boxes.buttons.first(), QString("ОК"));
    QCOMPARE(boxes.texts.last(), QString("Не удалось сохранить изменения. Всё равно закрыть?"));
    QCOMPARE(boxes.buttons.last(), QString("Да Нет"));
}

void TestWindowSave::deletedWhileRunning_data()
{
    QTest::addColumn<QString>("removed");
    QTest::newRow("open dictionary") << "Vocadrill/Animals.txt";
    QTest::newRow("dictionaries folder") << "Vocadrill";
    QTest::newRow("data folder") << "Data";
}

// What the learner did is in memory: the save makes the files and folders again.
void TestWindowSave::deletedWhileRunning()
{
    QFETCH(QString, removed);
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    const QString path = fixture.path(removed);
    QVERIFY(QFileInfo(path).isDir() ? QDir(path).removeRecursively() : QFile::remove(path));

    const QString card = learnOneCard(window);
    BoxWatcher boxes;
    QVERIFY(window.SaveAll0());
    QCOMPARE(boxes.texts, QStringList());
    QCOMPARE(fixture.read("Vocadrill/Animals.txt"), saved(window.store().MyDictSL.lines()));
    QVERIFY(fixture.read("Vocadrill/Learnt/Learnt.txt").contains(card.toUtf8()));
    QVERIFY(fixture.read("Data/LearntNumbers.ini").contains("Animals.txt=1"));

    child<QTabWidget>(window, "TabControl1")->setCurrentIndex(2);
    QVERIFY(window.execute("Copy00"));
    QCOMPARE(boxes.texts, QStringList());
    QCOMPARE(fixture.read("Vocadrill/Animals (1).txt"), fixture.read("Vocadrill/Animals.txt"));
}

// Deleting the open dictionary when its progress entry cannot be removed: the learner is told,
// and the deleted file does not come back with the next save.
void TestWindowSave::deletedDictionaryStaysDeleted()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    QFile::remove(fixture.path("Data/LearntNumbers.ini"));
    QVERIFY(QDir().mkpath(fixture.path("Data/LearntNumbers.ini/in the way")));
    child<QTabWidget>(window, "TabControl1")->setCurrentIndex(2);

    BoxWatcher boxes;
    QVERIFY(window.execute("Delete00"));
    QCOMPARE(boxes.texts.size(), 2);
    QVERIFY(boxes.texts.last().contains(fixture.path("Data/LearntNumbers.ini")));
    QVERIFY(!QFileInfo::exists(fixture.path("Vocadrill/Animals.txt")));
    QVERIFY(window.store().MyDictPath.isEmpty());
    window.SaveAll0();
    QVERIFY(!QFileInfo::exists(fixture.path("Vocadrill/Animals.txt")));
}

// The window closes while the scheduled save of a big dictionary runs on the worker: the close
// waits for it, then writes what changed since, and every file holds the newest state.
void TestWindowSave::closedWhileASaveRuns()
{
    WindowFixture fixture;
    TFormVocadrill& window =
        fixture.startWith("Big.txt", BigDictionary::fileBytes(BigDictionary::turned(300000, 0)));
    const QString first = learnOneCard(window);
    emit window.saveScheduler().saveDue();
    QVERIFY(window.backgroundSave().isRunning());
    const QString second = learnOneCard(window);
    window.store().MyDictSL.move(0, 1);
    const QStringList newest = window.store().MyDictSL.lines();

    BoxWatcher boxes;
    QVERIFY(window.close());
    QCOMPARE(boxes.texts, QStringList());
    QVERIFY(!window.backgroundSave().isRunning());
    QVERIFY(fixture.read("Vocadrill/Big.txt") == BigDictionary::fileBytes(newest));
    const QByteArray learnt = fixture.read("Vocadrill/Learnt/Learnt.txt");
    QVERIFY(learnt.contains(first.toUtf8()));
    QVERIFY(learnt.contains(second.toUtf8()));
    QVERIFY(fixture.read("Data/LearntNumbers.ini").contains("Big.txt=2"));
    QVERIFY(!window.saveScheduler().isPending());
    fixture.stop();
}

QTEST_MAIN(TestWindowSave)
#include "tst_windowsave.moc"
