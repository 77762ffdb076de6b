#include "EngineHarness.h"

#include "engine/CardEdits.h"

#include <QtTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(CardEdits::NewCard)

namespace {

const QStringList animals{u"cat = кошка"_s, u"dog = собака"_s, u"bird = птица"_s};

// A harness whose first Next shows the card at `index` of the working window.
std::unique_ptr<EngineHarness> showing(qsizetype index)
{
    auto h =
        std::make_unique<EngineHarness>(std::make_unique<ScriptedRandom>(QList<int>{int(index)}));
    h->open(animals);
    h->configure(u"hint=0 order=Q"_s);
    h->engine.Next0();
    return h;
}

} // namespace

class TestCardEdits : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }

    void unchangedEditMovesTheCardFirstWithFreshCounters();
    void editedTextIsStoredAsOneTrimmedLine_data();
    void editedTextIsStoredAsOneTrimmedLine();
    void textThatIsNoCardChangesNothing_data();
    void textThatIsNoCardChangesNothing();
    void correctedTextAfterARejectionReplacesTheCardOnce();
    void newCard_data();
    void newCard();
};

void TestCardEdits::unchangedEditMovesTheCardFirstWithFreshCounters()
{
    auto h = showing(2);
    QCOMPARE(h->engine.CurrentLine(), u"bird = птица"_s);
    TVocabula* entry = h->engine.ActualEntry();
    entry->ShownQ = 5;
    entry->YesQ = 3;
    entry->DoneA = true;

    QVERIFY(CardEdits::ReplaceCard(h->engine, h->store.MyDictSL, u"bird = птица"_s));

    QCOMPARE(h->store.MyDictSL.lines(),
             (QStringList{u"bird = птица"_s, u"cat = кошка"_s, u"dog = собака"_s}));
    QCOMPARE(h->engine.CurrentLine(), u"bird = птица"_s);
    QCOMPARE(h->shown(), u"bird|"_s);
    // Counted as a card shown for the first time: one show of its question.
    TVocabula fresh = LineToVocabula(u"bird = птица"_s);
    fresh.ShownQ = 1;
    fresh.YesQ = 1;
    QCOMPARE(*h->engine.ActualEntry(), fresh);
}

void TestCardEdits::editedTextIsStoredAsOneTrimmedLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::newRow("spaces at the ends") << u"  owl = сова  "_s << u"owl = сова"_s;
    QTest::newRow("line breaks and a tab at the ends")
        << u"\r\n\towl = сова\r\n"_s << u"owl = сова"_s;
    QTest::newRow("the editor's paragraph ends") << u"owl = сова\u2029\u2029"_s << u"owl = сова"_s;
    QTest::newRow("pasted line breaks inside")
        << u"owl\r\n= сова // bird\n\n[aʊl]"_s << u"owl = сова // bird [aʊl]"_s;
    QTest::newRow("spaces inside kept") << u"owl  =  сова"_s << u"owl  =  сова"_s;
    QTest::newRow("no-break space kept") << u"owl =\u00a0сова"_s << u"owl =\u00a0сова"_s;
}

void TestCardEdits::editedTextIsStoredAsOneTrimmedLine()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    auto h = showing(1);
    QVERIFY(CardEdits::ReplaceCard(h->engine, h->store.MyDictSL, text));
    QCOMPARE(h->store.MyDictSL.lines(), (QStringList{stored, u"cat = кошка"_s, u"bird = птица"_s}));
    QCOMPARE(h->engine.CurrentLine(), stored);
}

void TestCardEdits::textThatIsNoCardChangesNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("only spaces") << u"   "_s;
    QTest::newRow("only line breaks") << u"\r\n\r\n"_s;
    QTest::newRow("no answer") << u"dog = "_s;
    QTest::newRow("no question") << u" = собака"_s;
    QTest::newRow("no equals sign") << u"dog собака"_s;
}

// The card stays in its place with its counters and on screen, so that the learner can correct
// the text, or leave the editor and find the card as it was.
void TestCardEdits::textThatIsNoCardChangesNothing()
{
    QFETCH(QString, text);
    auto h = showing(1);
    h->engine.ActualEntry()->YesQ = 2;
    const TVocabula entry = *h->engine.ActualEntry();
    const CardView view = h->engine.view();
    int changes = 0;
    connect(&h->store.MyDictSL, &StringList::Changed, this, [&changes] { ++changes; });

    QVERIFY(!CardEdits::ReplaceCard(h->engine, h->store.MyDictSL, text));

    QCOMPARE(h->store.MyDictSL.lines(), animals);
    QCOMPARE(changes, 0);
    QCOMPARE(h->engine.CurrentLine(), u"dog = собака"_s);
    QCOMPARE(*h->engine.ActualEntry(), entry);
    QCOMPARE(h->engine.view(), view);
}

void TestCardEdits::correctedTextAfterARejectionReplacesTheCardOnce()
{
    auto h = showing(1);
    QVERIFY(!CardEdits::ReplaceCard(h->engine, h->store.MyDictSL, u"dog ="_s));
    QVERIFY(CardEdits::ReplaceCard(h->engine, h->store.MyDictSL, u"dog = пёс"_s));
    QCOMPARE(h->store.MyDictSL.lines(),
             (QStringList{u"dog = пёс"_s, u"cat = кошка"_s, u"bird = птица"_s}));
    QVERIFY(!h->engine.shownCards().find(u"dog = собака"_s));
}

void TestCardEdits::newCard_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<CardEdits::NewCard>("result");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QString() << CardEdits::NewCard::Empty << animals;
    QTest::newRow("only spaces") << u"   "_s << CardEdits::NewCard::NotACard << animals;
    QTest::newRow("only a line break") << u"\n"_s << CardEdits::NewCard::NotACard << animals;
    QTest::newRow("no answer") << u"owl ="_s << CardEdits::NewCard::NotACard << animals;
    QTest::newRow("a card") << u" owl = сова\n"_s << CardEdits::NewCard::Added
                            << QStringList{u"owl = сова"_s} + animals;
    QTest::newRow("a card the dictionary holds") << u"dog = собака"_s << CardEdits::NewCard::Added
                                                 << QStringList{u"dog = собака"_s} + animals;
}

void TestCardEdits::newCard()
{
    QFETCH(QString, text);
    QFETCH(CardEdits::NewCard, result);
    QFETCH(QStringList, lines);
    auto h = showing(2);
    const CardView before = h->engine.view();

    QCOMPARE(CardEdits::AddCard(h->engine, h->store.MyDictSL, text), result);

    QCOMPARE(h->store.MyDictSL.lines(), lines);
    if (result == CardEdits::NewCard::Added) {
        QCOMPARE(h->engine.CurrentLine(), lines.first());
        QCOMPARE(h->shown(), QuestionOf(lines.first()) + u'|');
    } else {
        QCOMPARE(h->engine.CurrentLine(), u"bird = птица"_s);
        QCOMPARE(h->engine.view(), before);
    }
}

QTEST_GUILESS_MAIN(TestCardEdits)
#include "tst_cardedits.moc"
