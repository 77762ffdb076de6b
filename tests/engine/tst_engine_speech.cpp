#include "EngineHarness.h"

#include <QtTest>

// What the engine says of the card on screen, and in which language.
class TestEngineSpeech : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }
    void saysTheSideShown_data();
    void saysTheSideShown();
    void languageFollowsTheText_data();
    void languageFollowsTheText();
};

void TestEngineSpeech::saysTheSideShown_data()
{
    QTest::addColumn<QStringList>("dictionary");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("switches");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QStringList>("said");
    const QStringList cat{"cat [kæt] = кошка // pet"};
    QTest::newRow("question only") << cat << "order=Q"
                                   << "" << QStringList{"F", "SAY"} << QStringList{"say en cat"};
    QTest::newRow("answer only, without its comment")
        << cat << "order=A"
        << "" << QStringList{"F", "SAY"} << QStringList{"say ru кошка"};
    QTest::newRow("answer revealed: the question")
        << cat << "order=Q"
        << "" << QStringList{"F", "R", "SAY"} << QStringList{"say en cat"};
    QTest::newRow("question revealed: the question")
        << cat << "order=A"
        << "" << QStringList{"F", "R", "SAY"} << QStringList{"say en cat"};
    QTest::newRow("both at once: the question")
        << cat << "order=S"
        << "" << QStringList{"F", "SAY"} << QStringList{"say en cat"};
    QTest::newRow("transcription shown, never said")
        << cat << "order=Q phon=1"
        << "phonbox=1" << QStringList{"F", "SAY"} << QStringList{"say en cat"};
    QTest::newRow("mirrored question said as written")
        << QStringList{"cats = кошки"} << "order=Q"
        << "rtl=1 rtlbox=1" << QStringList{"F", "SAY"} << QStringList{"say en cats"};
    QTest::newRow("nothing shown, nothing said")
        << cat << "order=Q"
        << "" << QStringList{"F", "C", "SAY"} << QStringList{};
    QTest::newRow("no dictionary, nothing said") << QStringList{} << "order=Q"
                                                 << "" << QStringList{"SAY"} << QStringList{};
    QTest::newRow("each press says it again")
        << cat << "order=Q"
        << "" << QStringList{"F", "SAY", "SAY"} << QStringList{"say en cat", "say en cat"};
}

void TestEngineSpeech::saysTheSideShown()
{
    QFETCH(QStringList, dictionary);
    QFETCH(QString, settings);
    QFETCH(QString, switches);
    QFETCH(QStringList, codes);
    QFETCH(QStringList, said);
    EngineHarness h;
    h.configure(settings, switches);
    if (!dictionary.isEmpty())
        h.open(dictionary);
    h.fakes.events.clear();
    h.actAll(codes);
    QCOMPARE(h.fakes.events.filter(QRegularExpression("^say ")), said);
}

void TestEngineSpeech::languageFollowsTheText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<SpeechLanguage>("language");
    QTest::newRow("Latin") << "to read" << SpeechLanguage::English;
    QTest::newRow("Latin with accents") << "café" << SpeechLanguage::English;
    QTest::newRow("Cyrillic") << "читать" << SpeechLanguage::Russian;
    QTest::newRow("Cyrillic with a Latin letter") << "3D-принтер" << SpeechLanguage::Russian;
    QTest::newRow("Latin with a Cyrillic word") << "the word дом" << SpeechLanguage::English;
    QTest::newRow("Greek") << "λόγος" << SpeechLanguage::Other;
    QTest::newRow("digits only") << "1984" << SpeechLanguage::Other;
}

void TestEngineSpeech::languageFollowsTheText()
{
    QFETCH(QString, text);
    QFETCH(SpeechLanguage, language);
    QCOMPARE(speechLanguageOf(text), language);
}

QTEST_GUILESS_MAIN(TestEngineSpeech)
#include "tst_engine_speech.moc"
