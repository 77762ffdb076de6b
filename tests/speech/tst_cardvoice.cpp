#include "speech/CardVoice.h"
#include "speech/SpeechWorker.h"

#include <QSignalSpy>
#include <QTextToSpeech>
#include <QtTest>
#include <QVoice>

// The system's voice: the engines it opens, the locale it picks for a language, and what it
// says when it cannot speak.
class TestCardVoice : public QObject
{
    Q_OBJECT

private slots:
    void withoutAnEngineItSaysSoOnce();
    void localeOfALanguage_data();
    void localeOfALanguage();
    void englishEngineHasAnEnglishVoice();
};

void TestCardVoice::withoutAnEngineItSaysSoOnce()
{
    CardVoice voice({QStringLiteral("no-such-engine")});
    QSignalSpy unavailable(&voice, &CardVoice::unavailable);
    voice.say(QStringLiteral("cat"), SpeechLanguage::English);
    voice.say(QStringLiteral("кошка"), SpeechLanguage::Russian);
    QCOMPARE(unavailable.size(), 1);
    QCOMPARE(unavailable.first().first().toString(),
             QString("No speech engine is installed: the cards cannot be spoken"));
}

void TestCardVoice::localeOfALanguage_data()
{
    QTest::addColumn<QList<QLocale>>("locales");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("chosen");
    const QLocale british(QLocale::English, QLocale::UnitedKingdom);
    const QLocale american(QLocale::English, QLocale::UnitedStates);
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const QLocale ukrainian(QLocale::Ukrainian, QLocale::Ukraine);
    QTest::newRow("the language's own locale first")
        << QList<QLocale>{british, american, russian} << int(QLocale::English) << "en_US";
    QTest::newRow("else the first of the language")
        << QList<QLocale>{ukrainian, british} << int(QLocale::English) << "en_GB";
    QTest::newRow("Russian") << QList<QLocale>{american, russian} << int(QLocale::Russian)
                             << "ru_RU";
    QTest::newRow("no voice of the language")
        << QList<QLocale>{american, ukrainian} << int(QLocale::Russian) << "";
}

void TestCardVoice::localeOfALanguage()
{
    QFETCH(QList<QLocale>, locales);
    QFETCH(int, language);
    QFETCH(QString, chosen);
    const auto locale = SpeechWorker::localeFor(locales, QLocale::Language(language));
    QCOMPARE(locale ? locale->name() : QString(), chosen);
}

// The real module with the small English engine, which opens at once and needs no service.
void TestCardVoice::englishEngineHasAnEnglishVoice()
{
    if (!QTextToSpeech::availableEngines().contains(QStringLiteral("flite")))
        QSKIP("The flite speech engine is not installed");
    QObject owner;
    QTextToSpeech* speech = SpeechWorker::openEngine({QStringLiteral("flite")}, &owner);
    QVERIFY(speech);
    const auto locale = SpeechWorker::localeFor(speech->availableLocales(), QLocale::English);
    QVERIFY(locale);
    speech->setLocale(*locale);
    QCOMPARE(speech->voice().locale().language(), QLocale::English);
}

QTEST_MAIN(TestCardVoice)
#include "tst_cardvoice.moc"
