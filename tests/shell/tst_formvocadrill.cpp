#include "BoxWatcher.h"
#include "cards/Collation.h"
#include "cards/DictionaryStore.h"
#include "engine/LearningEngine.h"
#include "settings/SettingsRecord.h"
#include "shell/InterfaceLanguage.h"
#include "shell/MessagePanel.h"
#include "TestFiles.h"
#include "widgets/AutoLamp.h"
#include "WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QtTest>

using WindowTest::animals;
using WindowTest::child;

namespace {

bool visible(QWidget& window, const char* name)
{
    return child<QWidget>(window, name)->isVisible();
}

void escape(QWidget& window)
{
    QTest::keyClick(&window, Qt::Key_Escape);
}

} // namespace

class TestFormVocadrill : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }

    void firstStartInEmptyFolder();
    void saveAndRestartRestoresEverything();
    void closingSaves();
    void backStepFromPlay();
    void farewellPanelSpeaksTheLanguage();
    void farewellLinkOpensTheManualOrSaysWhy_data();
    void farewellLinkOpensTheManualOrSaysWhy();
    void backStepThroughViewer();
    void backStepLeavesFullScreen();
    void backStepFromSettings();
    void actionsButtonTogglesAndStopsAuto();
    void sideLearntTileExplainsItsDoubleClick();
    void tipsFollowTheLanguage_data();
    void tipsFollowTheLanguage();
    void languageSwitchTranslatesCaptionsAndMessages();
    void leavingPlayStopsAutomaticMode();
    void dictionaryClickAndDoubleClick();
    void modeSwitchKeepsEachModesSettings();
};

void TestFormVocadrill::firstStartInEmptyFolder()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.start();
    for (const char* folder : {"Data", "Data/OriginalDictionaries", "Vocadrill", "Vocadrill/Learnt",
                               "Data/Backgrounds/0", "Data/Backgrounds/1", "Data/Backgrounds/2"})
        QVERIFY2(QFileInfo(fixture.path(folder)).isDir(), folder);
    QCOMPARE(window.language().name(), InterfaceLanguage::Russian);
    QCOMPARE(window.action("Next0")->text(), QString("Следующий"));
    QCOMPARE(window.LearningMode(), 0);
    QCOMPARE(child<QComboBox>(window, "pbNumberOfCards")->currentText(), QString("7"));
    QCOMPARE(child<QComboBox>(window, "pbDelayInMilliseconds")->currentText(), QString("2 500"));
    const DataRecord defaults = defaultDataRecord();
    for (int mode = 0; mode < ModeCount; ++mode) {
        QCOMPARE(window.dataRecord().Settings[mode], defaults.Settings[mode]);
        QCOMPARE(window.dataRecord().Views[mode], defaults.Views[mode]);
    }
    QCOMPARE(window.dataRecord(), defaults);
    QCOMPARE(window.dataRecord().Views[2].QColor, 0xFFFFFFFFu);
    QVERIFY(window.store().MyDictPath.isEmpty());
    QVERIFY(visible(window, "recGestures"));
    QVERIFY(!visible(window, "recAdvertisement"));
}

void TestFormVocadrill::saveAndRestartRestoresEverything()
{
    WindowFixture fixture;
    fixture.putDictionary("Animals.txt", animals);
    fixture.pointAt("Animals.txt");
    {
        TFormVocadrill& window = fixture.start();
        QCOMPARE(window.store().MyDictSL.count(), 3);
        child<QComboBox>(window, "cbLearning")->setCurrentIndex(2);
        child<QComboBox>(window, "pbNumberOfCards")->setCurrentText("12");
        child<QCheckBox>(window, "SwitchShowIndicators")->setChecked(false);
        window.language().select(InterfaceLanguage::English);
        window.dataRecord().EnglishInterface = true;
        window.setGeometry(120, 130, 700, 500);
        QCOMPARE(window.dataRecord().Settings[2].NumberOfCards, 12);
        QVERIFY(window.SaveAll0());
        QCOMPARE(window.dataRecord().Settings[2].NumberOfCards, 12);
        fixture.stop();
    }
    QCOMPARE(fixture.read("Data/DataFile").size(), 624);
    TFormVocadrill& window = fixture.start();
    QCOMPARE(window.LearningMode(), 2);
    QCOMPARE(child<QComboBox>(window, "pbNumberOfCards")->currentText(), QString("12"));
    QCOMPARE(window.dataRecord().Settings[2].NumberOfCards, 12);
    QCOMPARE(window.dataRecord().Settings[0].NumberOfCards, 7);
    QVERIFY(!child<QCheckBox>(window, "SwitchShowIndicators")->isChecked());
    QCOMPARE(window.language().name(), InterfaceLanguage::English);
    QCOMPARE(window.action("Next0")->text(), QString("Next"));
    QCOMPARE(window.geometry().size(), QSize(700, 500));
    QCOMPARE(window.store().MyDictPath, fixture.path("Vocadrill/Animals.txt"));
}

// Closing writes what was learnt since the last periodic save.
void TestFormVocadrill::closingSaves()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    window.execute("Next0");
    const QString shown = window.engine().CurrentLine();
    QVERIFY(!shown.isEmpty());
    window.execute("Learnt0");
    QCOMPARE(window.store().LearntSL.lines(), QStringList{shown});
    QVERIFY(window.close());
    const QByteArray saved = fixture.read("Vocadrill/Animals.txt");
    QCOMPARE(saved.count("\r\n"), 2);
    QVERIFY(!saved.contains(shown.toUtf8()));
    QVERIFY(fixture.read("Vocadrill/Learnt/Learnt.txt").contains(shown.toUtf8()));
    QVERIFY(fixture.read("Data/LearntNumbers.ini").contains("=1"));
}

void TestFormVocadrill::backStepFromPlay()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.start();
    escape(window);
    QVERIFY(visible(window, "recAdvertisement"));
    child<QWidget>(window, "TextBack");
    QTest::mousePress(child<QWidget>(window, "TextBack"), Qt::LeftButton);
    QVERIFY(!visible(window, "recAdvertisement"));
    escape(window);
    QVERIFY(visible(window, "recAdvertisement"));
    escape(window);
    QVERIFY(!window.isVisible());
}

void TestFormVocadrill::farewellPanelSpeaksTheLanguage()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.start();
    escape(window);
    QCOMPARE(child<QLabel>(window, "TextLink")->text(), QString("Руководство Vocadrill"));
    QCOMPARE(child<QLabel>(window, "TextGoodbye")->text(), QString("До свидания"));
    QVERIFY(window.language().select(InterfaceLanguage::English));
    QCOMPARE(child<QLabel>(window, "TextLink")->text(), QString("The Vocadrill manual"));
    QCOMPARE(child<QLabel>(window, "TextGoodbye")->text(), QString("Goodbye"));
}

// Stands in for the desktop's browser.
class Browser : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

void TestFormVocadrill::farewellLinkOpensTheManualOrSaysWhy_data()
{
    QTest::addColumn<bool>("manualThere");
    QTest::addColumn<bool>("browser");
    QTest::newRow("the manual opens") << true << true;
    QTest::newRow("no manual") << false << true;
    QTest::newRow("nothing to open it with") << true << false;
}

void TestFormVocadrill::farewellLinkOpensTheManualOrSaysWhy()
{
    QFETCH(bool, manualThere);
    QFETCH(bool, browser);
    WindowFixture fixture;
    TFormVocadrill& window = fixture.start();
    const QString manual = window.paths().DataDir + "/Manual.html";
    if (manualThere)
        TestFiles::write(manual, "<html></html>");
    Browser desktop;
    if (browser)
        QDesktopServices::setUrlHandler("file", &desktop, "open");
    escape(window);
    BoxWatcher boxes;
    WindowTest::clickAt(window, WindowTest::centreOf(window, *child<QWidget>(window, "TextLink")));
    QDesktopServices::unsetUrlHandler("file");

    const bool opened = manualThere && browser;
    QCOMPARE(desktop.opened, opened ? QList<QUrl>{QUrl::fromLocalFile(manual)} : QList<QUrl>{});
    QCOMPARE(boxes.texts, opened ? QStringList{}
                                 : QStringList{"Не удалось открыть руководство: " +
                                               QDir::toNativeSeparators(manual)});
    QCOMPARE(window.isVisible(), !opened);
    QCOMPARE(visible(window, "recAdvertisement"), !opened);
}

void TestFormVocadrill::backStepThroughViewer()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    auto* tabs = child<QTabWidget>(window, "TabControl1");
    tabs->setCurrentIndex(2);
    QVERIFY(window.execute("Look00"));
    QVERIFY(visible(window, "recMemo"));
    escape(window);
    QVERIFY(!visible(window, "recMemo"));
    QCOMPARE(tabs->currentIndex(), 2);
    escape(window);
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(!visible(window, "recAdvertisement"));
    escape(window);
    QVERIFY(visible(window, "recAdvertisement"));
}

void TestFormVocadrill::backStepLeavesFullScreen()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.start();
    auto* gestures = child<QWidget>(window, "recGestures");
    const int designedTop = gestures->y();
    QVERIFY(designedTop > 0);
    window.execute("FullScreen0");
    QVERIFY(window.isFullScreen0());
    QCOMPARE(gestures->y(), 0);
    QVERIFY(visible(window, "RecFullScreen"));
    QVERIFY(visible(window, "CircleAuto11"));
    escape(window);
    QVERIFY(!window.isFullScreen0());
    QCOMPARE(gestures->y(), designedTop);
    QVERIFY(!visible(window, "CircleAuto11"));
    escape(window);
    QVERIFY(visible(window, "recAdvertisement"));
}

void TestFormVocadrill::backStepFromSettings()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.start();
    auto* tabs = child<QTabWidget>(window, "TabControl1");
    tabs->setCurrentIndex(1);
    escape(window);
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(!visible(window, "recAdvertisement"));
}

void TestFormVocadrill::actionsButtonTogglesAndStopsAuto()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    auto* autoBox = child<QCheckBox>(window, "cbAuto");
    autoBox->setChecked(true);
    QVERIFY(window.engine().isAutomatic());
    // "..." is clicked where it is drawn, and stays there to close the panel it opened.
    const QPoint dots = WindowTest::centreOf(window, *child<QWidget>(window, "btActions"));
    WindowTest::clickAt(window, dots);
    QVERIFY(visible(window, "recActions"));
    QVERIFY(!window.engine().isAutomatic());
    WindowTest::clickAt(window, dots);
    QVERIFY(!visible(window, "recActions"));
    QVERIFY(!autoBox->isChecked());
}

// "Side learnt" on the actions panel takes a double click; a single click says so.
void TestFormVocadrill::sideLearntTileExplainsItsDoubleClick()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    window.engine().MyNext(true);
    WindowTest::clickAt(window, WindowTest::centreOf(window, *child<QWidget>(window, "btActions")));
    const QPoint tile = WindowTest::centreOf(window, *child<QWidget>(window, "tileSideLearnt"));
    auto* message = child<MessagePanel>(window, "recMessage");

    WindowTest::clickAt(window, tile);
    QTRY_COMPARE(message->text(), QString("Дважды щёлкните, чтобы отметить сторону как выученную"));
    QVERIFY(visible(window, "recActions"));

    WindowTest::guardsExpire(window);
    message->MyMessage(QString());
    // A double click as the system delivers one, to the widget hit-testing finds there.
    QWidget* target = window.childAt(tile);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&window, tile));
    QTest::mouseDClick(target, Qt::LeftButton, {}, target->mapFrom(&window, tile));
    // The side is taken as learnt, which closes the panel.
    QVERIFY(!visible(window, "recActions"));
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QCOMPARE(message->text(), QString());
}

void TestFormVocadrill::tipsFollowTheLanguage_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("russian");
    QTest::addColumn<QString>("english");
    QTest::newRow("learnt from this dictionary")
        << "TextLearnt"
        << "Карточек выучено из этого словаря; двойной щелчок — сбросить"
        << "Cards learnt from this dictionary; double-click to reset";
    QTest::newRow("...") << "btActions"
                         << "Действия: команды для карточки плитками"
                         << "Actions: the card commands as tiles";
    QTest::newRow("a tile") << "tileSideLearnt"
                            << "Эта сторона выучена (двойной щелчок)"
                            << "This side is learnt (double-click)";
    QTest::newRow("Top") << "Button1"
                         << "Вид половины вопроса: фон, шрифт и цвет"
                         << "The look of the question half: background, font and colour";
}

void TestFormVocadrill::tipsFollowTheLanguage()
{
    QFETCH(QString, widget);
    QFETCH(QString, russian);
    QFETCH(QString, english);
    WindowFixture fixture;
    TFormVocadrill& window = fixture.start();
    QCOMPARE(child<QWidget>(window, qPrintable(widget))->toolTip(), russian);
    QVERIFY(window.language().select(InterfaceLanguage::English));
    QCOMPARE(child<QWidget>(window, qPrintable(widget))->toolTip(), english);
}

void TestFormVocadrill::languageSwitchTranslatesCaptionsAndMessages()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.start();
    QCOMPARE(window.messageText("msNotVocabula"), QString("Не словарная статья!"));
    QCOMPARE(child<QTabWidget>(window, "TabControl1")->tabText(2), QString("Словари"));
    QCOMPARE(child<QWidget>(window, "TextEn")->isVisible(), false);
    QTest::mouseClick(child<QWidget>(window, "btHelp"), Qt::LeftButton);
    QVERIFY(visible(window, "recHelp"));
    QTest::mouseClick(child<QWidget>(window, "TextEn"), Qt::LeftButton);
    QVERIFY(visible(window, "recHelp"));
    QCOMPARE(window.action("Mix00")->text(), QString("Mix"));
    QCOMPARE(window.messageText("msNotVocabula"), QString("Not vocabula!"));
    QCOMPARE(child<QTabWidget>(window, "TabControl1")->tabText(2), QString("Dictionaries"));
    QCOMPARE(child<QComboBox>(window, "cbLearning")->itemText(2), QString("Repeating2"));
    QVERIFY(window.dataRecord().EnglishInterface);
    escape(window);
    QVERIFY(!visible(window, "recHelp"));
}

void TestFormVocadrill::leavingPlayStopsAutomaticMode()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", animals);
    auto* lamp = child<AutoLamp>(window, "CircleAuto1");
    QCOMPARE(lamp->innerColor(), QColor(0xFF006400));
    child<QCheckBox>(window, "cbAuto")->setChecked(true);
    QVERIFY(window.engine().isAutomatic());
    QCOMPARE(lamp->innerColor(), QColor(0xFFFF0000));
    child<QTabWidget>(window, "TabControl1")->setCurrentIndex(1);
    QVERIFY(!window.engine().isAutomatic());
    QVERIFY(!child<QCheckBox>(window, "cbAuto")->isEnabled());
    QCOMPARE(lamp->innerColor(), QColor(0xFF808080));
    QVERIFY(!visible(window, "recGestures"));
    child<QTabWidget>(window, "TabControl1")->setCurrentIndex(0);
    QVERIFY(!window.engine().isAutomatic());
    QCOMPARE(lamp->innerColor(), QColor(0xFF006400));
}

void TestFormVocadrill::dictionaryClickAndDoubleClick()
{
    WindowFixture fixture;
    fixture.putDictionary("Animals.txt", animals);
    fixture.putDictionary("Birds.txt", "\xEF\xBB\xBF"
                                       "owl = сова\r\n");
    TFormVocadrill& window = fixture.start();
    auto* tabs = child<QTabWidget>(window, "TabControl1");
    tabs->setCurrentIndex(2);
    auto* list = child<QListWidget>(window, "lbDicts");
    QCOMPARE(list->count(), 2);
    QVERIFY(!window.action("Mix00")->isEnabled());
    const QRect birds = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, birds.center());
    QCOMPARE(window.store().MyDictPath, fixture.path("Vocadrill/Birds.txt"));
    QCOMPARE(window.store().MyDictSL.lines(), QStringList{"owl = сова"});
    QVERIFY(window.action("Mix00")->isEnabled());
    QCOMPARE(tabs->currentIndex(), 2);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, birds.center());
    QCOMPARE(tabs->currentIndex(), 0);
}

void TestFormVocadrill::modeSwitchKeepsEachModesSettings()
{
    WindowFixture fixture;
    TFormVocadrill& window = fixture.start();
    auto* mode = child<QComboBox>(window, "cbLearning");
    auto* cards = child<QComboBox>(window, "pbNumberOfCards");
    cards->setCurrentText("3");
    mode->setCurrentIndex(2);
    QCOMPARE(cards->currentText(), QString("7"));
    cards->setCurrentText("15");
    mode->setCurrentIndex(0);
    QCOMPARE(cards->currentText(), QString("3"));
    mode->setCurrentIndex(2);
    QCOMPARE(cards->currentText(), QString("15"));
    QCOMPARE(window.dataRecord().Settings[1].NumberOfCards, 7);
}

QTEST_MAIN(TestFormVocadrill)
#include "tst_formvocadrill.moc"
