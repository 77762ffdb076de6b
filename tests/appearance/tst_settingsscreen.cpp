#include "appearance/PopupBox.h"
#include "appearance/SettingsScreen.h"
#include "settings/SettingsRecord.h"
#include "shell/InterfaceLanguage.h"
#include "widgets/ActionList.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace {

QStringList numberTexts(int first, int last)
{
    QStringList texts;
    for (int value = first; value <= last; ++value)
        texts.append(QString::number(value));
    return texts;
}

QStringList itemsOf(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

// Settings unlike the first-run ones in every field the screen edits.
TSettings unusual()
{
    TSettings s;
    s.NumberOfCards = 15;
    s.WhenRememberQuestions = 0;
    s.WhenRememberAnswers = 10;
    s.MaximumForQuestions = 20;
    s.MaximumForAnswers = 1;
    s.DelayInMilliseconds = 20000;
    s.TimesForQuestions = 5;
    s.TimesForAnswers = 0;
    s.WhenSimultaneously0 = 1;
    s.WhenSimultaneously00 = 20;
    s.DelayOfHint = 1500;
    s.Simultaneously = true;
    s.ClipboardQAlways = true;
    s.ShowPhonetic = false;
    s.TakeFromDict = true;
    s.Vibration = false;
    return s;
}

// The reserved fields of b, over the edited fields of a.
TSettings withReservedOf(TSettings a, const TSettings& b)
{
    a.Boolean0 = b.Boolean0;
    a.Boolean3 = b.Boolean3;
    a.Boolean6 = b.Boolean6;
    a.Padding63 = b.Padding63;
    a.Integer1 = b.Integer1;
    a.Integer7 = b.Integer7;
    return a;
}

} // namespace

class TestSettingsScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void popupItems_data();
    void popupItems();
    void intToPb_data();
    void intToPb();
    void pbToInt_data();
    void pbToInt();

    void firstRunStates();
    void roundTrip_data();
    void roundTrip();
    void editsReachTheSelectedModeOnly();
    void modeSwitchRestoresEachModesValues();
    void storedValueMissingFromList();
    void orderFlags_data();
    void orderFlags();

    void pairRules_data();
    void pairRules();
    void loadedPairAtZeroIsMended();

    void delayAppliesAtOnce();
    void showPhoneticFollowsSwitch();
    void viewButtonsExecuteActions();
    void captionsFollowLanguage();

private:
    template <typename T> T* child(const char* name) const
    {
        auto* widget = m_screen->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QComboBox* box(const char* name) const { return child<QComboBox>(name); }
    void select(const char* name, const QString& text) const
    {
        QComboBox* target = box(name);
        const int index = target->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        target->setCurrentIndex(index);
    }
    // The record of the selected mode holds what the controls show.
    void verifyRecordFollowsControls() const
    {
        TSettings shown = m_record.Settings[m_screen->mode()];
        m_screen->PbsToSettings(shown);
        QCOMPARE(m_record.Settings[m_screen->mode()], shown);
    }

    DataRecord m_record;
    QWidget* m_window = nullptr;
    ActionList* m_actions = nullptr;
    SettingsScreen* m_screen = nullptr;
};

void TestSettingsScreen::init()
{
    m_record = defaultDataRecord();
    m_window = new QWidget;
    m_actions = new ActionList(m_window);
    m_screen = new SettingsScreen(m_record, *m_actions, m_window);
}

void TestSettingsScreen::cleanup()
{
    delete m_window;
}

void TestSettingsScreen::popupItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("shown");

    QTest::newRow("number of cards") << "pbNumberOfCards" << numberTexts(1, 15) << "7";
    QTest::newRow("when remember questions")
        << "pbWhenRememberQuestions" << numberTexts(0, 10) << "3";
    QTest::newRow("when remember answers") << "pbWhenRememberAnswers" << numberTexts(0, 10) << "3";
    QTest::newRow("maximum for questions") << "pbMaximumForQuestions" << numberTexts(0, 20) << "10";
    QTest::newRow("maximum for answers") << "pbMaximumForAnswers" << numberTexts(0, 20) << "10";
    QTest::newRow("maximum when simultaneously")
        << "pbWhenSimultaneously0" << numberTexts(1, 20) << "12";
    QTest::newRow("delay of reminder")
        << "pbDelayOfHint"
        << QStringList{"0", "100", "200", "300", "400", "500", "700", "1 000", "1 500", "2 000"}
        << "0";
    QTest::newRow("delay in milliseconds")
        << "pbDelayInMilliseconds"
        << QStringList{"50",     "100",    "150",    "200",    "250",   "300",   "400",
                       "500",    "600",    "700",    "800",    "900",   "1 000", "1 200",
                       "1 400",  "1 600",  "1 800",  "2 000",  "2 500", "3 000", "3 500",
                       "4 000",  "5 000",  "6 000",  "7 000",  "8 000", "9 000", "10 000",
                       "12 000", "14 000", "16 000", "18 000", "20 000"}
        << "2 500";
    QTest::newRow("times for questions") << "pbTimesForQuestions" << numberTexts(0, 20) << "4";
    QTest::newRow("times for answers") << "pbTimesForAnswers" << numberTexts(0, 20) << "4";
    QTest::newRow("when simultaneously") << "pbWhenSimultaneously00" << numberTexts(1, 20) << "8";
}

void TestSettingsScreen::popupItems()
{
    QFETCH(QString, name);
    QFETCH(QStringList, items);
    QFETCH(QString, shown);

    const QComboBox* target = box(qPrintable(name));
    QVERIFY(!target->isEditable());
    QCOMPARE(itemsOf(target), items);
    QCOMPARE(target->currentText(), shown);
}

void TestSettingsScreen::intToPb_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("shown");

    QTest::newRow("2500") << 2500 << "2 500";
    QTest::newRow("1000") << 1000 << "1 000";
    QTest::newRow("20000") << 20000 << "20 000";
    QTest::newRow("50") << 50 << "50";
    QTest::newRow("999 is no item") << 999 << "3 000";
    QTest::newRow("negative is no item") << -500 << "3 000";
}

void TestSettingsScreen::intToPb()
{
    QFETCH(int, value);
    QFETCH(QString, shown);

    QComboBox* delay = box("pbDelayInMilliseconds");
    select("pbDelayInMilliseconds", "3 000");
    IntToPb(value, delay);
    QCOMPARE(delay->currentText(), shown);
}

void TestSettingsScreen::pbToInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");

    QTest::newRow("thousands") << "20 000" << 20000;
    QTest::newRow("plain") << "700" << 700;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("not a number keeps the value") << "many" << 42;
}

void TestSettingsScreen::pbToInt()
{
    QFETCH(QString, text);
    QFETCH(int, value);

    QComboBox popup;
    popup.addItem(text);
    int read = 42;
    PbToInt(&popup, read);
    QCOMPARE(read, value);
}

void TestSettingsScreen::firstRunStates()
{
    TSettings shown;
    m_screen->PbsToSettings(shown);
    QCOMPARE(shown, defaultDataRecord().Settings[0]);

    QVERIFY(m_screen->SwitchShowIndicators()->isChecked());
    QVERIFY(!m_screen->SwitchShowRightToLeftCheckBox()->isChecked());
    QVERIFY(!m_screen->SwitchShowPhoneticCheckBox()->isChecked());
    QVERIFY(child<QWidget>("recShowRightToLeft")->isHidden());
    QVERIFY(child<QWidget>("recShowPhoneticCheckBox")->isHidden());
    QVERIFY(!child<QWidget>("recShowIndicators")->isHidden());
    QCOMPARE(m_screen->tabPosition(), QTabWidget::South);
    QCOMPARE(m_screen->objectName(), QStringLiteral("TabControl2"));
}

void TestSettingsScreen::roundTrip_data()
{
    QTest::addColumn<TSettings>("settings");

    QTest::newRow("first run") << defaultDataRecord().Settings[0];
    QTest::newRow("unusual") << unusual();
    TSettings answers = defaultDataRecord().Settings[0];
    answers.QuestionsFirst = false;
    answers.AnswersFirst = true;
    answers.ClipboardNothing = false;
    answers.ClipboardA = true;
    answers.TakeFromDict = false;
    QTest::newRow("answers first, answers to clipboard") << answers;
    TSettings randomly = unusual();
    randomly.Simultaneously = false;
    randomly.Randomly = true;
    randomly.ClipboardQAlways = false;
    randomly.ClipboardQ = true;
    QTest::newRow("randomly, questions to clipboard") << randomly;
    TSettings both = unusual();
    both.ClipboardQAlways = false;
    both.ClipboardQA = true;
    QTest::newRow("questions and answers to clipboard") << both;
}

void TestSettingsScreen::roundTrip()
{
    QFETCH(TSettings, settings);

    m_screen->SettingsToPbs(settings);
    TSettings read;
    read.Boolean3 = 1;
    read.Padding63 = 9;
    read.Integer7 = -4;
    m_screen->PbsToSettings(read);
    QCOMPARE(read, withReservedOf(settings, read));
    QCOMPARE(m_record.Settings[0], withReservedOf(settings, m_record.Settings[0]));
}

void TestSettingsScreen::editsReachTheSelectedModeOnly()
{
    m_screen->loadMode(1);
    select("pbNumberOfCards", "5");
    child<QRadioButton>("rbRandomly")->click();
    child<QRadioButton>("rbQA")->click();
    child<QCheckBox>("SwitchVibration")->click();

    const TSettings& edited = m_record.Settings[1];
    QCOMPARE(edited.NumberOfCards, 5);
    QVERIFY(edited.Randomly && !edited.QuestionsFirst);
    QVERIFY(edited.ClipboardQA && !edited.ClipboardNothing);
    QVERIFY(!edited.Vibration);
    QCOMPARE(m_record.Settings[0], defaultDataRecord().Settings[0]);
    QCOMPARE(m_record.Settings[2], defaultDataRecord().Settings[2]);
    verifyRecordFollowsControls();
}

void TestSettingsScreen::modeSwitchRestoresEachModesValues()
{
    m_record.Settings[2] = unusual();
    select("pbNumberOfCards", "4");
    child<QRadioButton>("rbAnswersFirst")->click();
    child<QCheckBox>("SwitchTakeFromDict")->click();
    const TSettings learning = m_record.Settings[0];

    m_screen->loadMode(2);
    QCOMPARE(m_screen->mode(), 2);
    QCOMPARE(m_record.Settings[2], unusual());
    QCOMPARE(m_record.Settings[0], learning);
    QCOMPARE(box("pbDelayInMilliseconds")->currentText(), QStringLiteral("20 000"));
    QVERIFY(child<QRadioButton>("rbSimultaneously")->isChecked());
    QVERIFY(child<QRadioButton>("rbQAlways")->isChecked());
    verifyRecordFollowsControls();

    select("pbDelayInMilliseconds", "500");
    m_screen->loadMode(0);
    QCOMPARE(box("pbNumberOfCards")->currentText(), QStringLiteral("4"));
    QCOMPARE(box("pbDelayInMilliseconds")->currentText(), QStringLiteral("2 500"));
    QVERIFY(child<QRadioButton>("rbAnswersFirst")->isChecked());
    QVERIFY(child<QRadioButton>("rbNothing")->isChecked());
    QVERIFY(!child<QCheckBox>("SwitchTakeFromDict")->isChecked());
    QCOMPARE(m_record.Settings[0], learning);
    QCOMPARE(m_record.Settings[2].DelayInMilliseconds, 500);

    m_screen->loadMode(3);
    QCOMPARE(m_screen->mode(), 0);
}

void TestSettingsScreen::storedValueMissingFromList()
{
    select("pbNumberOfCards", "5");
    m_record.Settings[1].NumberOfCards = 99;
    m_record.Settings[1].DelayOfHint = 250;

    m_screen->loadMode(1);
    QCOMPARE(box("pbNumberOfCards")->currentText(), QStringLiteral("5"));
    QCOMPARE(m_record.Settings[1].NumberOfCards, 5);
    QCOMPARE(m_record.Settings[1].DelayOfHint, 0);
}

void TestSettingsScreen::orderFlags_data()
{
    QTest::addColumn<QList<bool>>("flags");
    QTest::addColumn<QString>("selected");

    QTest::newRow("one") << QList<bool>{false, false, true, false} << "rbRandomly";
    QTest::newRow("none") << QList<bool>{false, false, false, false} << "";
    QTest::newRow("two: the last wins")
        << QList<bool>{false, true, false, true} << "rbSimultaneously";
}

void TestSettingsScreen::orderFlags()
{
    QFETCH(QList<bool>, flags);
    QFETCH(QString, selected);

    TSettings& stored = m_record.Settings[1];
    stored.QuestionsFirst = flags[0];
    stored.AnswersFirst = flags[1];
    stored.Randomly = flags[2];
    stored.Simultaneously = flags[3];
    m_screen->loadMode(1);

    const QAbstractButton* checked = child<QButtonGroup>("GroupMain")->checkedButton();
    QCOMPARE(checked ? checked->objectName() : QString(), selected);
    QCOMPARE(stored.Randomly, selected == "rbRandomly");
    QCOMPARE(stored.Simultaneously, selected == "rbSimultaneously");
    QVERIFY(!stored.QuestionsFirst && !stored.AnswersFirst);
    verifyRecordFollowsControls();
}

void TestSettingsScreen::pairRules_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("changed");
    QTest::addColumn<QString>("partner");
    QTest::addColumn<QString>("partnerBefore");
    QTest::addColumn<QString>("changedAfter");
    QTest::addColumn<QString>("partnerAfter");
    QTest::addColumn<bool>("partnerTakesFocus");

    QTest::newRow("when remember questions") << "tbManually"
                                             << "pbWhenRememberQuestions"
                                             << "pbWhenRememberAnswers"
                                             << "0"
                                             << "0"
                                             << "1" << false;
    QTest::newRow("when remember answers") << "tbManually"
                                           << "pbWhenRememberAnswers"
                                           << "pbWhenRememberQuestions"
                                           << "0"
                                           << "0"
                                           << "1" << false;
    QTest::newRow("maximum for questions") << "tbManually"
                                           << "pbMaximumForQuestions"
                                           << "pbMaximumForAnswers"
                                           << "0"
                                           << "1"
                                           << "0" << false;
    QTest::newRow("maximum for answers") << "tbManually"
                                         << "pbMaximumForAnswers"
                                         << "pbMaximumForQuestions"
                                         << "0"
                                         << "1"
                                         << "0" << false;
    QTest::newRow("times for questions") << "tbAuto"
                                         << "pbTimesForQuestions"
                                         << "pbTimesForAnswers"
                                         << "0"
                                         << "0"
                                         << "1" << true;
    QTest::newRow("times for answers") << "tbAuto"
                                       << "pbTimesForAnswers"
                                       << "pbTimesForQuestions"
                                       << "0"
                                       << "0"
                                       << "1" << true;
    QTest::newRow("partner not at zero") << "tbAuto"
                                         << "pbTimesForAnswers"
                                         << "pbTimesForQuestions"
                                         << "2"
                                         << "0"
                                         << "2" << false;
}

void TestSettingsScreen::pairRules()
{
    QFETCH(QString, page);
    QFETCH(QString, changed);
    QFETCH(QString, partner);
    QFETCH(QString, partnerBefore);
    QFETCH(QString, changedAfter);
    QFETCH(QString, partnerAfter);
    QFETCH(bool, partnerTakesFocus);

    m_screen->setCurrentWidget(child<QWidget>(qPrintable(page)));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_screen->setFocus();

    select(qPrintable(partner), partnerBefore);
    select(qPrintable(changed), "0");

    QCOMPARE(box(qPrintable(changed))->currentText(), changedAfter);
    QCOMPARE(box(qPrintable(partner))->currentText(), partnerAfter);
    QCOMPARE(QApplication::focusWidget() == box(qPrintable(partner)), partnerTakesFocus);
    verifyRecordFollowsControls();
}

void TestSettingsScreen::loadedPairAtZeroIsMended()
{
    TSettings& stored = m_record.Settings[1];
    stored.WhenRememberQuestions = 0;
    stored.WhenRememberAnswers = 0;
    stored.MaximumForQuestions = 0;
    stored.MaximumForAnswers = 0;
    stored.TimesForQuestions = 0;
    stored.TimesForAnswers = 0;

    m_screen->loadMode(1);
    QCOMPARE(stored.WhenRememberQuestions, 0);
    QCOMPARE(stored.WhenRememberAnswers, 1);
    QCOMPARE(stored.MaximumForQuestions, 1);
    QCOMPARE(stored.MaximumForAnswers, 0);
    QCOMPARE(stored.TimesForQuestions, 0);
    QCOMPARE(stored.TimesForAnswers, 1);
    verifyRecordFollowsControls();
}

void TestSettingsScreen::delayAppliesAtOnce()
{
    QSignalSpy delays(m_screen, &SettingsScreen::delaySelected);
    select("pbDelayInMilliseconds", "500");
    QVERIFY(!delays.isEmpty());
    QCOMPARE(delays.last().at(0).toInt(), 500);
    QCOMPARE(m_record.Settings[0].DelayInMilliseconds, 500);

    m_screen->loadMode(2);
    QCOMPARE(delays.last().at(0).toInt(), 2500);
}

void TestSettingsScreen::showPhoneticFollowsSwitch()
{
    QSignalSpy phonetic(m_screen, &SettingsScreen::showPhoneticRefreshed);
    child<QCheckBox>("SwitchShowPhonetic")->click();
    QVERIFY(!phonetic.isEmpty());
    QCOMPARE(phonetic.last().at(0).toBool(), false);
    QVERIFY(!m_record.Settings[0].ShowPhonetic);

    m_screen->loadMode(1);
    QCOMPARE(phonetic.last().at(0).toBool(), true);
}

void TestSettingsScreen::viewButtonsExecuteActions()
{
    QStringList ran;
    m_actions->add("Top0", "Top", [&] { ran.append("Top0"); });
    m_actions->add("Bottom0", "Bottom", [&] { ran.append("Bottom0"); });

    m_screen->setCurrentWidget(child<QWidget>("tbView"));
    child<QAbstractButton>("Button1")->click();
    child<QAbstractButton>("Button2")->click();
    QCOMPARE(ran, (QStringList{"Top0", "Bottom0"}));

    m_actions->action("Top0")->setEnabled(false);
    child<QAbstractButton>("Button1")->click();
    QCOMPARE(ran.size(), 2);
}

void TestSettingsScreen::captionsFollowLanguage()
{
    const auto captions = [this] {
        QStringList texts;
        for (int i = 0; i < m_screen->count(); ++i)
            texts.append(m_screen->tabText(i));
        for (const QLabel* label : m_screen->findChildren<QLabel*>())
            texts.append(label->text());
        for (const QAbstractButton* button : m_screen->findChildren<QAbstractButton*>()) {
            if (!button->text().isEmpty())
                texts.append(button->text());
        }
        return texts;
    };
    const QStringList english = captions();
    QVERIFY(english.contains("Number of cards"));
    QVERIFY(english.contains("Questions to clipboard"));

    InterfaceLanguage language;
    QVERIFY(language.select(InterfaceLanguage::Russian));
    QCoreApplication::sendPostedEvents();
    const QStringList russian = captions();
    QCOMPARE(russian.size(), english.size());
    for (qsizetype i = 0; i < english.size(); ++i)
        QVERIFY2(russian[i] != english[i], qPrintable(english[i]));
    QVERIFY(russian.contains(QStringLiteral("Количество карточек")));
    QVERIFY(russian.contains(QStringLiteral("Верх")));

    QVERIFY(language.select(InterfaceLanguage::English));
    QCoreApplication::sendPostedEvents();
    QCOMPARE(captions(), english);
    QCOMPARE(box("pbDelayInMilliseconds")->currentText(), QStringLiteral("2 500"));
}

QTEST_MAIN(TestSettingsScreen)
#include "tst_settingsscreen.moc"
