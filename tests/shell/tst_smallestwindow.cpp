#include "shell/InterfaceLanguage.h"
#include "WindowFixture.h"

#include <QTabWidget>
#include <QtTest>

using WindowTest::child;

// The window at its smallest size: every tab, every settings page and every panel laid over the
// window has at least the room its layout needs, in both interface languages, so that nothing
// overlaps or is cut.
class TestSmallestWindow : public QObject
{
    Q_OBJECT

private slots:
    void everythingHasItsRoom_data();
    void everythingHasItsRoom();
};

void TestSmallestWindow::everythingHasItsRoom_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << InterfaceLanguage::English;
    QTest::newRow("Russian") << InterfaceLanguage::Russian;
}

void TestSmallestWindow::everythingHasItsRoom()
{
    QFETCH(QString, language);
    WindowFixture fixture;
    TFormVocadrill& window = fixture.startWith("Animals.txt", WindowTest::animals);
    QVERIFY(window.language().select(language));
    window.resize(1, 1);
    QTRY_COMPARE(window.size(), window.minimumSize());
    QVERIFY(window.width() <= 911 && window.height() <= 613);

    const auto hasRoom = [](const QWidget* widget) {
        const QSize needed = widget->minimumSizeHint();
        return widget->width() >= needed.width() && widget->height() >= needed.height();
    };
    auto* tabs = child<QTabWidget>(window, "TabControl1");
    auto* settings = child<QTabWidget>(window, "TabControl2");
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QVERIFY2(hasRoom(tabs->currentWidget()), qPrintable(tabs->currentWidget()->objectName()));
    }
    tabs->setCurrentIndex(1);
    for (int page = 0; page < settings->count(); ++page) {
        settings->setCurrentIndex(page);
        QVERIFY2(hasRoom(settings->currentWidget()),
                 qPrintable(settings->currentWidget()->objectName()));
    }
    tabs->setCurrentIndex(0);
    for (const char* panel :
         {"recMemo", "recViewMain", "recActions", "recWord", "recHelp", "recAdvertisement"}) {
        QWidget* shown = child<QWidget>(window, panel);
        shown->show();
        QVERIFY2(hasRoom(shown), panel);
        shown->hide();
    }
}

QTEST_MAIN(TestSmallestWindow)
#include "tst_smallestwindow.moc"
