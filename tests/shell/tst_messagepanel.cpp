#include "shell/MessagePanel.h"

#include <QLabel>
#include <QTimer>
#include <QtTest>

namespace {

void expire(QTimer* timer)
{
    timer->stop();
    QMetaObject::invokeMethod(timer, "timeout");
}

} // namespace

class TestMessagePanel : public QObject
{
    Q_OBJECT

private slots:
    void showsForTwoSeconds();
    void secondMessageReplacesTextAndRestarts();
    void expiryHidesAndNextMessageShowsAgain();
    void carriageReturnStartsANewLine_data();
    void carriageReturnStartsANewLine();
    void letsThePointerThrough();
};

void TestMessagePanel::showsForTwoSeconds()
{
    QWidget window;
    auto* panel = new MessagePanel(&window);
    window.show();
    QVERIFY(!panel->isVisible());
    QCOMPARE(panel->timer()->objectName(), QStringLiteral("tmMessage"));
    QCOMPARE(window.findChild<QTimer*>(QStringLiteral("tmMessage")), panel->timer());
    QVERIFY(!panel->timer()->isActive());

    panel->MyMessage(QStringLiteral("No words in dictionary"));
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->findChild<QLabel*>(QStringLiteral("TextMessage"))->text(),
             QStringLiteral("No words in dictionary"));
    QVERIFY(panel->timer()->isActive());
    QVERIFY(panel->timer()->isSingleShot());
    QCOMPARE(panel->timer()->interval(), 2000);
}

void TestMessagePanel::secondMessageReplacesTextAndRestarts()
{
    QWidget window;
    auto* panel = new MessagePanel(&window);
    window.show();
    panel->MyMessage(QStringLiteral("first"));
    // The first message's time is over but its expiry has not been handled yet.
    panel->timer()->stop();

    panel->MyMessage(QStringLiteral("second"));
    QCOMPARE(panel->text(), QStringLiteral("second"));
    QVERIFY(panel->isVisible());
    QVERIFY(panel->timer()->isActive());
    QVERIFY(panel->timer()->remainingTime() > 1500);

    panel->MyMessage(QStringLiteral("third"));
    QCOMPARE(panel->text(), QStringLiteral("third"));
    QVERIFY(panel->timer()->remainingTime() > 1500);
}

void TestMessagePanel::expiryHidesAndNextMessageShowsAgain()
{
    QWidget window;
    auto* panel = new MessagePanel(&window);
    window.show();
    panel->MyMessage(QStringLiteral("Mixed"));
    expire(panel->timer());
    QVERIFY(!panel->isVisible());
    QVERIFY(!panel->timer()->isActive());

    panel->MyMessage(QStringLiteral("Sorted"));
    QVERIFY(panel->isVisible());
    QVERIFY(panel->timer()->isActive());
    QCOMPARE(panel->text(), QStringLiteral("Sorted"));
}

void TestMessagePanel::carriageReturnStartsANewLine_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("CR") << "Mixed\r12"
                        << "Mixed\n12";
    QTest::newRow("CR LF") << "Sorted\r\n7"
                           << "Sorted\n7";
    QTest::newRow("LF") << "a\nb"
                        << "a\nb";
    QTest::newRow("markup stays text") << "<b>x</b>"
                                       << "<b>x</b>";
}

void TestMessagePanel::carriageReturnStartsANewLine()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    MessagePanel panel;
    panel.MyMessage(message);
    QCOMPARE(panel.text(), shown);
    QCOMPARE(panel.findChild<QLabel*>(QStringLiteral("TextMessage"))->textFormat(), Qt::PlainText);
}

void TestMessagePanel::letsThePointerThrough()
{
    QWidget window;
    window.resize(400, 300);
    auto* under = new QWidget(&window);
    under->setGeometry(window.rect());
    auto* panel = new MessagePanel(&window);
    panel->setGeometry(window.rect());
    window.show();
    panel->MyMessage(QStringLiteral("Mixed"));
    QCOMPARE(window.childAt(5, 5), under);
    QCOMPARE(window.childAt(200, 150), under);
}

QTEST_MAIN(TestMessagePanel)
#include "tst_messagepanel.moc"
