#include "shell/HelpScreen.h"
#include "shell/InterfaceLanguage.h"
#include "shell/MessageLabels.h"

#include <QLabel>
#include <QtTest>

class TestInterfaceLanguage : public QObject
{
    Q_OBJECT

private slots:
    void russianTranslatesEveryRow_data();
    void russianTranslatesEveryRow();
    void textsOutsideTheTableStay_data();
    void textsOutsideTheTableStay();
    void englishIsAnEmptyTable();
    void selectsOnlyKnownLanguages();
    void widgetsFollowTheLanguageAtOnce();
    void messageLabelReadWhenShownFollowsTheLanguage_data();
    void messageLabelReadWhenShownFollowsTheLanguage();
};

void TestInterfaceLanguage::russianTranslatesEveryRow_data()
{
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("russian");
    QFile file(QStringLiteral(VOCADRILL_FIXTURES "/language/russian.tsv"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.isEmpty())
            continue;
        const QList<QByteArray> cells = line.split('\t');
        QTest::newRow(cells[0].constData())
            << QString::fromUtf8(cells[0]) << QString::fromUtf8(cells[1]);
    }
}

void TestInterfaceLanguage::russianTranslatesEveryRow()
{
    QFETCH(QString, english);
    QFETCH(QString, russian);
    InterfaceLanguage language;
    QVERIFY(language.select(InterfaceLanguage::Russian));
    // The context does not matter: a whole text is looked up wherever it comes from.
    QCOMPARE(QCoreApplication::translate("AnyContext", english.toUtf8().constData()), russian);
    QCOMPARE(language.translate("QPlatformTheme", english.toUtf8().constData()), russian);
}

void TestInterfaceLanguage::textsOutsideTheTableStay_data()
{
    QTest::addColumn<QString>("text");
    for (const char* text : {"Vocadrill 1.2.4", "x", "7", "2 500", "Farewell", "Actions", "Nothing0",
                             "ok", "Back ", " Back", "Learnt today", ""})
        QTest::newRow(text) << QString::fromUtf8(text);
}

void TestInterfaceLanguage::textsOutsideTheTableStay()
{
    QFETCH(QString, text);
    InterfaceLanguage language;
    language.select(InterfaceLanguage::Russian);
    QVERIFY(language.translate("Vocadrill", text.toUtf8().constData()).isEmpty());
    QCOMPARE(QCoreApplication::translate("Vocadrill", text.toUtf8().constData()), text);
}

void TestInterfaceLanguage::englishIsAnEmptyTable()
{
    InterfaceLanguage language;
    QCOMPARE(language.name(), InterfaceLanguage::English);
    QVERIFY(language.translate("Vocadrill", "Back").isEmpty());

    language.select(InterfaceLanguage::Russian);
    language.select(InterfaceLanguage::English);
    QCOMPARE(language.name(), InterfaceLanguage::English);
    QVERIFY(language.translate("Vocadrill", "Back").isEmpty());
    QCOMPARE(QCoreApplication::translate("Vocadrill", "Back"), QStringLiteral("Back"));
}

void TestInterfaceLanguage::selectsOnlyKnownLanguages()
{
    InterfaceLanguage language;
    QVERIFY(language.select(InterfaceLanguage::Russian));
    QVERIFY(!language.select(QStringLiteral("ru")));
    QVERIFY(!language.select(QStringLiteral("De")));
    QCOMPARE(language.name(), InterfaceLanguage::Russian);
    QCOMPARE(QCoreApplication::translate("Vocadrill", "Back"), QStringLiteral("Назад"));
}

void TestInterfaceLanguage::widgetsFollowTheLanguageAtOnce()
{
    InterfaceLanguage language;
    HelpScreen help;
    auto* back = help.findChild<QLabel*>(QStringLiteral("TextHelpBack"));
    auto* site = help.findChild<QLabel*>(QStringLiteral("TextHelpSite"));
    QVERIFY(back && site);
    QCOMPARE(back->text(), QStringLiteral("Back"));

    language.select(InterfaceLanguage::Russian);
    QCOMPARE(back->text(), QStringLiteral("Назад"));
    QCOMPARE(site->text(), QStringLiteral("Сайт"));

    language.select(InterfaceLanguage::English);
    QCOMPARE(back->text(), QStringLiteral("Back"));
    QCOMPARE(site->text(), QStringLiteral("Site"));
}

void TestInterfaceLanguage::messageLabelReadWhenShownFollowsTheLanguage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("russian");
    QTest::newRow("select") << "msSelectDictionaryToLearn"
                            << "Select dictionary to learn"
                            << "Выберите словарь для заучивания";
    QTest::newRow("not a card") << "msNotVocabula"
                                << "Not vocabula!"
                                << "Не словарная статья!";
    QTest::newRow("no proper lines") << "msThereAreNoProperLinesInThisFile"
                                     << "There are no proper lines in this file"
                                     << "Нет правильных строк в этом словаре";
    QTest::newRow("sure") << "msAreYouSure"
                          << "Are you sure?"
                          << "Вы уверены?";
    QTest::newRow("no words") << "msNoWordsInDictionary"
                              << "No words in dictionary"
                              << "Нет слов в словаре";
    QTest::newRow("mixed") << "msMixed"
                           << "Mixed"
                           << "Перемешано";
    QTest::newRow("sorted") << "msSorted"
                            << "Sorted"
                            << "Отсортировано";
    QTest::newRow("no such label") << "msNoSuchMessage"
                                   << ""
                                   << "";
}

void TestInterfaceLanguage::messageLabelReadWhenShownFollowsTheLanguage()
{
    QFETCH(QString, name);
    QFETCH(QString, english);
    QFETCH(QString, russian);
    InterfaceLanguage language;
    MessageLabels labels;
    QCOMPARE(labels.text(name), english);
    language.select(InterfaceLanguage::Russian);
    QCOMPARE(labels.text(name), russian);
    language.select(InterfaceLanguage::English);
    QCOMPARE(labels.text(name), english);
}

QTEST_MAIN(TestInterfaceLanguage)
#include "tst_interfacelanguage.moc"
