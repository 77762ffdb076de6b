#include "engine/CardEdits.h"
#include "EngineHarness.h"

#include <QtTest>

// Taking back removals: Delete, Learnt and the editor's replacement, most recent first, the
// last twenty of the run.
class TestEngineUndo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }
    void removalComesBack_data();
    void removalComesBack();
    void replacementComesBack();
    void onlyTheOpenDictionarysRemovalsComeBack();
};

namespace {

QStringList numbered(int count)
{
    QStringList lines;
    for (int n = 1; n <= count; ++n)
        lines << QStringLiteral("w%1 = %1").arg(n);
    return lines;
}

} // namespace

void TestEngineUndo::removalComesBack_data()
{
    QTest::addColumn<QStringList>("dictionary");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("learnt");
    QTest::addColumn<int>("learntNumber");
    const QStringList abc{"a = 1", "b = 2", "c = 3"};
    QTest::newRow("delete") << abc << QStringList{"F", "D", "U"} << abc << QStringList{} << 0;
    QTest::newRow("learnt") << abc << QStringList{"F", "L", "U"} << abc << QStringList{} << 0;
    QTest::newRow("nothing removed") << abc << QStringList{"F", "U"} << abc << QStringList{} << 0;
    QTest::newRow("most recent first")
        << abc << QStringList{"F", "L", "N", "L", "U"} << QStringList{"b = 2", "c = 3"}
        << QStringList{"a = 1"} << 1;
    QTest::newRow("a deleted card from the middle")
        << abc << QStringList{"F", "N", "D", "U"} << abc << QStringList{} << 0;
    QStringList lost = numbered(25);
    lost.removeFirst();
    QTest::newRow("the last twenty")
        << numbered(25) << (QStringList{"F"} + QStringList(21, "D") + QStringList(21, "U")) << lost
        << QStringList{} << 0;
}

void TestEngineUndo::removalComesBack()
{
    QFETCH(QStringList, dictionary);
    QFETCH(QStringList, codes);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, learnt);
    QFETCH(int, learntNumber);
    EngineHarness h;
    h.configure("cards=1");
    h.open(dictionary);
    h.actAll(codes);
    QCOMPARE(h.store.MyDictSL.lines(), lines);
    QCOMPARE(h.store.LearntSL.lines(), learnt);
    QCOMPARE(h.store.LearntNumber, learntNumber);
}

void TestEngineUndo::replacementComesBack()
{
    EngineHarness h;
    h.open({"a = 1", "b = 2", "c = 3"});
    h.actAll({"F", "N"});
    const QString edited = h.engine.CurrentLine();
    QVERIFY(CardEdits::ReplaceCard(h.engine, h.store.MyDictSL, "x = 9"));
    QCOMPARE(h.store.MyDictSL.lines().first(), QString("x = 9"));
    QString line;
    QCOMPARE(h.engine.Undo0(line), LearningEngine::UndoResult::BroughtBack);
    QCOMPARE(line, edited);
    QCOMPARE(h.store.MyDictSL.lines(), (QStringList{"a = 1", "b = 2", "c = 3"}));
}

void TestEngineUndo::onlyTheOpenDictionarysRemovalsComeBack()
{
    EngineHarness h;
    h.open({"a = 1", "b = 2"}, "First");
    h.actAll({"F", "D"});
    h.open({"c = 3"}, "Second");
    QString line;
    QCOMPARE(h.engine.Undo0(line), LearningEngine::UndoResult::OtherDictionary);
    QCOMPARE(line, QString("a = 1"));
    QCOMPARE(h.store.MyDictSL.lines(), QStringList{"c = 3"});
    QCOMPARE(h.engine.Undo0(line), LearningEngine::UndoResult::NothingToUndo);
}

QTEST_GUILESS_MAIN(TestEngineUndo)
#include "tst_engine_undo.moc"
