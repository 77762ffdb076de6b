#include "cards/Collation.h"
#include "cards/LearningHistory.h"
#include "cards/TextFile.h"
#include "progress/ProgressView.h"
#include "shell/InterfaceLanguage.h"
#include "WindowFixture.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

// The progress view over the window: opened from the Dictionaries tab, filled from the history
// file, in both interface languages, and closed by Back or Escape.
class TestProgressView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }
    void opensFromTheDictionariesTab_data();
    void opensFromTheDictionariesTab();
    void closesByBackAndEscape();
    void learningReachesTheHistoryFile();
};

namespace {

const QByteArray bom("\xEF\xBB\xBF");

// A history of yesterday and today, learnt from B.txt and from another dictionary.
TFormVocadrill& startWithHistory(WindowFixture& fixture)
{
    const QDate today = QDate::currentDate();
    QDir().mkpath(fixture.path("Data"));
    TextFile::writeLines(fixture.path("Data/History.txt"),
                         {today.addDays(-1).toString(Qt::ISODate) + "\tB.txt\t20\t4\t9",
                          today.toString(Qt::ISODate) + "\tB.txt\t10\t2\t5",
                          today.toString(Qt::ISODate) + "\tA.txt\t10\t3\t5"});
    fixture.putDictionary("A.txt", bom + "a = 1\r\n");
    return fixture.startWith("B.txt", WindowTest::animals);
}

QWidget* openProgress(TFormVocadrill& window)
{
    WindowTest::openTab(window, 2);
    auto* button = WindowTest::child<QPushButton>(window, "btProgress");
    WindowTest::clickAt(window, WindowTest::centreOf(window, *button));
    auto* view = WindowTest::child<QWidget>(window, "recProgress");
    [&] { QTRY_VERIFY(view->isVisible()); }();
    return view;
}

QString labelText(QWidget& window, const char* name)
{
    return WindowTest::child<QLabel>(window, name)->text();
}

} // namespace

void TestProgressView::opensFromTheDictionariesTab_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("English") << InterfaceLanguage::English
                             << QStringList{
                                    u"Progress"_s,
                                    u"Progress"_s,
                                    u"Cards learnt per day, last 30 days"_s,
                                    u"All dictionaries"_s,
                                    u"Days learnt in a row: 2"_s,
                                    u"B.txt — cards learnt: 0, cards in the dictionary: 3"_s,
                                    u"Back"_s};
    QTest::newRow("Russian") << InterfaceLanguage::Russian
                             << QStringList{u"Прогресс"_s,
                                            u"Прогресс"_s,
                                            u"Карточек выучено за день, последние 30 дн."_s,
                                            u"Все словари"_s,
                                            u"Дней занятий подряд: 2"_s,
                                            u"B.txt — выучено карточек: 0, карточек в словаре: 3"_s,
                                            u"Назад"_s};
}

void TestProgressView::opensFromTheDictionariesTab()
{
    QFETCH(QString, language);
    QFETCH(QStringList, texts);
    WindowFixture fixture;
    TFormVocadrill& window = startWithHistory(fixture);
    QVERIFY(window.language().select(language));
    QWidget* view = openProgress(window);

    QChart* chart = qobject_cast<ProgressView*>(view)->chart();
    auto* series = qobject_cast<QBarSeries*>(chart->series().value(0));
    QVERIFY(series);
    QCOMPARE(series->barSets().size(), 2);
    const QBarSet* all = series->barSets()[0];
    const QBarSet* open = series->barSets()[1];
    QCOMPARE(all->count(), 30);
    QCOMPARE(all->at(29), 5.0);
    QCOMPARE(all->at(28), 4.0);
    QCOMPARE(open->at(29), 2.0);
    QCOMPARE(open->label(), u"B.txt"_s);

    QCOMPARE(
        (QStringList{WindowTest::child<QPushButton>(window, "btProgress")->text(),
                     labelText(window, "lbProgressTitle"), chart->title(), all->label(),
                     labelText(window, "lbDaysInARow"), labelText(window, "lbDictionaryLearnt"),
                     WindowTest::child<QPushButton>(window, "btProgressBack")->text()}),
        texts);

    // The view covers the window, whatever its size.
    auto* main = WindowTest::child<QWidget>(window, "recMain");
    window.resize(window.size() + QSize(150, 100));
    QTRY_COMPARE(view->size(), main->size());
}

void TestProgressView::closesByBackAndEscape()
{
    WindowFixture fixture;
    TFormVocadrill& window = startWithHistory(fixture);
    QWidget* view = openProgress(window);
    auto* back = WindowTest::child<QPushButton>(window, "btProgressBack");
    WindowTest::clickAt(window, WindowTest::centreOf(window, *back));
    QTRY_VERIFY(!view->isVisible());

    view = openProgress(window);
    QTest::keyClick(&window, Qt::Key_Escape);
    QTRY_VERIFY(!view->isVisible());
    // The next step back leaves the tab, as it would without the view.
    QVERIFY(WindowTest::child<QTabWidget>(window, "TabControl1")->currentIndex() == 2);
}

void TestProgressView::learningReachesTheHistoryFile()
{
    WindowFixture fixture;
    TFormVocadrill& window = startWithHistory(fixture);
    QVERIFY(window.language().select(InterfaceLanguage::English));
    window.engine().Next0();
    window.engine().Learnt0();
    QVERIFY(window.SaveAll0());
    const LearningHistory history = readHistoryFile(fixture.path("Data/History.txt"));
    const QDate today = QDate::currentDate();
    QCOMPARE(history.counts(today, "B.txt"), (LearningHistory::Counts{12, 3, 300}));
    QCOMPARE(history.counts(today, "A.txt"), (LearningHistory::Counts{10, 3, 300}));
    QCOMPARE(history.counts(today.addDays(-1), "B.txt"), (LearningHistory::Counts{20, 4, 540}));

    QWidget* view = openProgress(window);
    QCOMPARE(labelText(*view, "lbDictionaryLearnt"),
             u"B.txt — cards learnt: 1, cards in the dictionary: 2"_s);
}

QTEST_MAIN(TestProgressView)
#include "tst_progressview.moc"
