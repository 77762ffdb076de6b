#include "shell/InterfaceLanguage.h"
#include "widgets/MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

namespace {

struct Seen
{
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Answers the next modal box as soon as it is shown, noting what it showed.
void answerNextBox(Seen* seen, QMessageBox::StandardButton answer)
{
    QTimer::singleShot(0, [seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen->text = box->text();
        seen->icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            seen->buttons << button->text().remove(u'&');
        if (answer == QMessageBox::NoButton)
            box->reject();
        else
            box->button(answer)->click();
    });
}

} // namespace

class TestMessageBoxes : public QObject
{
    Q_OBJECT

private slots:
    void messageWaitsForOk();
    void okFollowsTheLanguage();
    void question_data();
    void question();
    void questionButtonsFollowTheLanguage();
};

void TestMessageBoxes::messageWaitsForOk()
{
    Seen seen;
    answerNextBox(&seen, QMessageBox::Ok);
    MessageBoxes::showMessage(nullptr, QStringLiteral("Select dictionary to learn"));
    QCOMPARE(seen.text, QStringLiteral("Select dictionary to learn"));
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
}

void TestMessageBoxes::okFollowsTheLanguage()
{
    InterfaceLanguage language;
    language.select(InterfaceLanguage::Russian);
    Seen seen;
    answerNextBox(&seen, QMessageBox::Ok);
    MessageBoxes::showMessage(nullptr, QStringLiteral("Не словарная статья!"));
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("ОК")});
}

void TestMessageBoxes::question_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << int(QMessageBox::Yes) << true;
    QTest::newRow("No") << int(QMessageBox::No) << false;
    QTest::newRow("closed") << int(QMessageBox::NoButton) << false;
}

void TestMessageBoxes::question()
{
    QFETCH(int, answer);
    QFETCH(bool, yes);
    Seen seen;
    answerNextBox(&seen, QMessageBox::StandardButton(answer));
    QCOMPARE(MessageBoxes::askYesNo(nullptr, QStringLiteral("Are you sure?")), yes);
    QCOMPARE(seen.text, QStringLiteral("Are you sure?"));
    QCOMPARE(seen.icon, QMessageBox::Information);
    QCOMPARE(seen.buttons.size(), 2);
    QVERIFY(seen.buttons.contains(QStringLiteral("Yes")));
    QVERIFY(seen.buttons.contains(QStringLiteral("No")));
}

// Qt's own button texts come in the interface language too, so no box shows two languages.
void TestMessageBoxes::questionButtonsFollowTheLanguage()
{
    InterfaceLanguage language;
    const auto buttonsOfQuestion = [] {
        Seen seen;
        answerNextBox(&seen, QMessageBox::No);
        MessageBoxes::askYesNo(nullptr, QStringLiteral("?"));
        seen.buttons.sort();
        return seen.buttons;
    };
    language.select(InterfaceLanguage::Russian);
    QCOMPARE(buttonsOfQuestion(), (QStringList{QStringLiteral("Да"), QStringLiteral("Нет")}));
    language.select(InterfaceLanguage::English);
    QCOMPARE(buttonsOfQuestion(), (QStringList{QStringLiteral("No"), QStringLiteral("Yes")}));
}

QTEST_MAIN(TestMessageBoxes)
#include "tst_messageboxes.moc"
