#include "shell/HelpScreen.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QtTest>

namespace {

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QString memoText(const HelpScreen& help)
{
    return help.findChild<QPlainTextEdit*>(QStringLiteral("MemoHelp"))->toPlainText();
}

void clickText(HelpScreen& help, const char* name, Qt::MouseButton button = Qt::LeftButton)
{
    auto* text = help.findChild<QLabel*>(QString::fromLatin1(name));
    QVERIFY(text);
    QTest::mouseClick(text, button);
}

} // namespace

class TestHelpScreen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void loadsTheChosenLanguageAfreshEachTime();
    void missingFileLeavesANoteNamingIt_data();
    void missingFileLeavesANoteNamingIt();
    void isReadOnlyAndWrapped();
    void backTextsClose_data();
    void backTextsClose();
    void switchesAndLinks_data();
    void switchesAndLinks();

private:
    QTemporaryDir m_dir;
    QString m_russian;
    QString m_english;
};

void TestHelpScreen::init()
{
    QVERIFY(m_dir.isValid());
    m_russian = m_dir.filePath(QStringLiteral("Help.txt"));
    m_english = m_dir.filePath(QStringLiteral("Help.En.txt"));
    write(m_russian, "\xEF\xBB\xBF"
                     "Справка\r\nвторая строка\r\n");
    write(m_english, "\xEF\xBB\xBF"
                     "Help\r\nsecond line\r\n");
}

void TestHelpScreen::loadsTheChosenLanguageAfreshEachTime()
{
    QWidget window;
    auto* help = new HelpScreen(&window);
    help->setHelpFiles(m_russian, m_english);
    window.show();
    QVERIFY(!help->isVisible());

    help->showHelp(true);
    QVERIFY(help->isVisible());
    QCOMPARE(memoText(*help), QStringLiteral("Справка\nвторая строка"));

    write(m_russian, "\xEF\xBB\xBF"
                     "Новая справка\r\n");
    help->showHelp(true);
    QCOMPARE(memoText(*help), QStringLiteral("Новая справка"));

    help->showHelp(false);
    QCOMPARE(memoText(*help), QStringLiteral("Help\nsecond line"));
}

void TestHelpScreen::missingFileLeavesANoteNamingIt_data()
{
    QTest::addColumn<bool>("russian");
    QTest::addColumn<QString>("note");
    QTest::newRow("Russian") << true << "Файл справки";
    QTest::newRow("English") << false << "help file";
}

void TestHelpScreen::missingFileLeavesANoteNamingIt()
{
    QFETCH(bool, russian);
    QFETCH(QString, note);
    QWidget window;
    auto* help = new HelpScreen(&window);
    help->setHelpFiles(m_russian, m_english);
    window.show();
    help->showHelp(russian);
    const QString path = russian ? m_russian : m_english;
    QVERIFY(QFile::remove(path));

    help->showHelp(russian);
    QVERIFY(help->isVisible());
    QVERIFY(memoText(*help).contains(note));
    QVERIFY(memoText(*help).contains(path));
}

void TestHelpScreen::isReadOnlyAndWrapped()
{
    HelpScreen help;
    auto* memo = help.findChild<QPlainTextEdit*>(QStringLiteral("MemoHelp"));
    QVERIFY(memo->isReadOnly());
    QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
}

void TestHelpScreen::backTextsClose_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("button");
    QTest::newRow("top Back, click") << "TextHelpBack" << int(Qt::LeftButton);
    QTest::newRow("bottom Back, click") << "Text1" << int(Qt::LeftButton);
    QTest::newRow("top Back, right release") << "TextHelpBack" << int(Qt::RightButton);
    QTest::newRow("bottom Back, right release") << "Text1" << int(Qt::RightButton);
}

void TestHelpScreen::backTextsClose()
{
    QFETCH(QString, text);
    QFETCH(int, button);
    QWidget window;
    auto* help = new HelpScreen(&window);
    help->setHelpFiles(m_russian, m_english);
    window.show();
    help->showHelp(false);
    QSignalSpy back(help, &HelpScreen::backClicked);

    clickText(*help, text.toLatin1().constData(), Qt::MouseButton(button));
    QVERIFY(!help->isVisible());
    QCOMPARE(back.count(), 1);
}

void TestHelpScreen::switchesAndLinks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("site");
    QTest::newRow("En") << "TextEn"
                        << "En" << 0;
    QTest::newRow("Ru") << "TextRu"
                        << "Ru" << 0;
    QTest::newRow("title") << "TextVocadrill"
                           << "" << 1;
    QTest::newRow("Site") << "TextHelpSite"
                          << "" << 1;
}

void TestHelpScreen::switchesAndLinks()
{
    QFETCH(QString, text);
    QFETCH(QString, language);
    QFETCH(int, site);
    QWidget window;
    auto* help = new HelpScreen(&window);
    help->setTitle(QStringLiteral("Vocadrill 1.2.4"));
    help->setHelpFiles(m_russian, m_english);
    window.show();
    help->showHelp(true);
    QSignalSpy chosen(help, &HelpScreen::languageChosen);
    QSignalSpy sites(help, &HelpScreen::siteClicked);

    clickText(*help, text.toLatin1().constData());
    QCOMPARE(chosen.count(), language.isEmpty() ? 0 : 1);
    if (!language.isEmpty())
        QCOMPARE(chosen.first().first().toString(), language);
    QCOMPARE(sites.count(), site);
    QVERIFY(help->isVisible());
}

QTEST_MAIN(TestHelpScreen)
#include "tst_helpscreen.moc"
