#include "EngineHarness.h"

#include "CorpusTsv.h"

#include <QtTest>

using namespace Qt::StringLiterals;

// The card screen as state: the indicator, the clipboard, the phonetic line and the
// right-to-left question.
class TestCardDisplay : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }

    void indicator_data();
    void indicator();
    void indicatorColourByDoubleClick();
    void clipboard_data();
    void clipboard();
    void phonetic_data();
    void phonetic();
    void mirrorText_data();
    void mirrorText();
    void rightToLeftCheckBox();
};

void TestCardDisplay::indicator_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("switches");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QRgb>("colour");

    QTest::newRow("manual, after the first question show")
        << u"cards=1"_s << QString() << QStringList{u"N"_s} << u"1 (1)     0 (0)"_s << true
        << DimIndicatorColor;
    QTest::newRow("manual, after a reminder")
        << u"cards=1"_s << QString() << QStringList{u"N"_s, u"R"_s} << u"0 (1)     0 (0)"_s << true
        << DimIndicatorColor;
    QTest::newRow("manual, question marked learnt and two answer shows")
        << u"cards=1"_s << QString() << QStringList{u"N"_s, u"N"_s, u"N"_s, u"R"_s, u"S"_s, u"N"_s}
        << u"0 (3)*     2 (2)"_s << true << DimIndicatorColor;
    QTest::newRow("automatic, the show counts") << u"cards=1"_s << QString() << QStringList{u"A+"_s}
                                                << u"1     0"_s << true << DimIndicatorColor;
    QTest::newRow("automatic, the question marked learnt")
        << u"cards=1"_s << QString() << QStringList{u"A+"_s, u"T"_s, u"S"_s} << u"1*     1"_s
        << true << DimIndicatorColor;
    QTest::newRow("automatic, a card without counts")
        << u"cards=1 tq=1 ta=1"_s << QString() << QStringList{u"A+"_s, u"T"_s, u"T"_s, u"T"_s}
        << u"     "_s << true << DimIndicatorColor;
    QTest::newRow("automatic switched off: the manual form")
        << u"cards=1"_s << QString() << QStringList{u"A+"_s, u"A-"_s} << u"1 (1)     0 (0)"_s
        << true << DimIndicatorColor;
    QTest::newRow("Simultaneously: the double shows")
        << u"cards=1 order=S"_s << QString() << QStringList{u"N"_s, u"N"_s} << u"2"_s << true
        << DimIndicatorColor;
    QTest::newRow("nothing on display: hidden")
        << u"cards=1"_s << QString() << QStringList{u"N"_s, u"C"_s} << u"1 (1)     0 (0)"_s << false
        << DimIndicatorColor;
    QTest::newRow("indicators switched off: hidden")
        << u"cards=1"_s << u"indicators=0"_s << QStringList{u"N"_s} << u"1 (1)     0 (0)"_s << false
        << DimIndicatorColor;
    QTest::newRow("white indicator: light grey")
        << u"cards=1"_s << u"white=1"_s << QStringList{u"N"_s} << u"1 (1)     0 (0)"_s << true
        << LightIndicatorColor;
}

void TestCardDisplay::indicator()
{
    QFETCH(QString, settings);
    QFETCH(QString, switches);
    QFETCH(QStringList, steps);

    EngineHarness h;
    h.configure(settings, switches);
    h.open({u"a = 1"_s, u"b = 2"_s});
    h.actAll(steps);

    QTEST(h.engine.view().TextIndicator, "text");
    QTEST(h.engine.view().indicatorVisible, "visible");
    QTEST(h.engine.view().indicatorColor, "colour");
}

void TestCardDisplay::indicatorColourByDoubleClick()
{
    EngineHarness h;
    h.open({u"a = 1"_s});
    h.engine.Next0();
    const auto colour = [&h] { return h.engine.view().indicatorColor; };

    h.engine.btIndicatorColorClick();
    QCOMPARE(colour(), DimIndicatorColor);
    h.engine.btIndicatorColorClick();
    QCOMPARE(colour(), LightIndicatorColor);
    QVERIFY(currentView(h.record).WhiteIndicator);
    h.engine.btIndicatorColorClick();
    QCOMPARE(colour(), DimIndicatorColor);

    h.engine.indicatorColorDoubleClick().tmDblClickTimer();
    h.engine.btIndicatorColorClick();
    QCOMPARE(colour(), DimIndicatorColor);
}

void TestCardDisplay::clipboard_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("writes");

    // The card "abc = xyz" with the question shown right to left as "cba". Each path is the
    // action that shows a side, after the steps that lead to it.
    struct Path
    {
        const char* name;
        const char* order;
        QStringList before;
        QString action;
        const char* writes[5];
    };
    const Path paths[] = {
        {"ShowQ", "order=Q", {}, u"N"_s, {"cba", "", "cba", "cba", ""}},
        {"ShowA", "order=A", {}, u"N"_s, {"", "xyz", "xyz", "abc", ""}},
        {"ShowQA", "order=S", {}, u"N"_s, {"abc", "xyz", "abc", "abc", ""}},
        {"reminder reveals the answer", "order=Q", {u"N"_s}, u"R"_s, {"", "xyz", "xyz", "", ""}},
        {"reminder reveals the question",
         "order=A",
         {u"N"_s},
         u"R"_s,
         {"cba", "", "cba", "cba", ""}},
    };
    const char* modes[] = {"Q", "A", "QA", "QAlways", "Nothing"};
    for (const Path& path : paths) {
        for (int m = 0; m < 5; ++m) {
            const QString write = QString::fromUtf8(path.writes[m]);
            QTest::addRow("%s, %s", path.name, modes[m])
                << u"%1 clip=%2"_s.arg(QLatin1String(path.order), QLatin1String(modes[m]))
                << path.before << QString() << path.action
                << (write.isEmpty() ? QStringList{} : QStringList{u"clipboard "_s + write});
        }
    }
    QTest::newRow("ShowQ, clipboard already holding the question")
        << u"clip=Q"_s << QStringList{} << u"cba"_s << u"N"_s << QStringList{};
    QTest::newRow("ShowQA writes without comparing")
        << u"order=S clip=Q"_s << QStringList{} << u"abc"_s << u"N"_s
        << QStringList{u"clipboard abc"_s};
    QTest::newRow("reminder, clipboard already holding the answer")
        << u"clip=A"_s << QStringList{u"N"_s} << u"xyz"_s << u"R"_s << QStringList{};
}

void TestCardDisplay::clipboard()
{
    QFETCH(QString, settings);
    QFETCH(QStringList, before);
    QFETCH(QString, clipboard);
    QFETCH(QString, action);

    EngineHarness h;
    h.configure(u"cards=1 "_s + settings, u"rtl=1 rtlbox=1"_s);
    h.open({u"abc = xyz"_s});
    h.actAll(before);
    h.fakes.clipboardText = clipboard;
    h.fakes.events.clear();
    h.act(action);

    QTEST(h.fakes.events, "writes");
}

void TestCardDisplay::phonetic_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("phonetic");

    const QString cat = u"cat [kæt] = кошка"_s;
    QTest::newRow("the line's own group before the phonetic dictionary's")
        << cat << QString() << QStringList{u"N"_s} << u"[kæt]"_s;
    QTest::newRow("without a group, the phonetic dictionary's")
        << u"dog = собака"_s << QString() << QStringList{u"N"_s} << u"[dɒɡ]"_s;
    QTest::newRow("not taken from the phonetic dictionary")
        << u"dog = собака"_s << u"dict=0"_s << QStringList{u"N"_s} << QString();
    QTest::newRow("phonetic line off") << cat << u"phon=0"_s << QStringList{u"N"_s} << QString();
    QTest::newRow("the answer asked alone comes without it")
        << cat << u"order=A"_s << QStringList{u"N"_s} << QString();
    QTest::newRow("revealing the question shows it")
        << cat << u"order=A"_s << QStringList{u"N"_s, u"R"_s} << u"[kæt]"_s;
    QTest::newRow("the phonetic check box fills it after ClearAll")
        << cat << u"phon=0"_s << QStringList{u"N"_s, u"C"_s, u"P+"_s} << u"[kæt]"_s;
    QTest::newRow("the phonetic check box empties it")
        << cat << QString() << QStringList{u"N"_s, u"P-"_s} << QString();
    QTest::newRow("\"Show phonetic\" switched off empties it at once")
        << cat << QString() << QStringList{u"N"_s, u"SP-"_s} << QString();
    QTest::newRow("\"Show phonetic\" switched on fills it at once")
        << cat << u"phon=0"_s << QStringList{u"N"_s, u"SP+"_s} << u"[kæt]"_s;
    QTest::newRow("\"Show phonetic\" switched on with no card on screen")
        << cat << u"phon=0"_s << QStringList{u"N"_s, u"C"_s, u"SP+"_s} << QString();
    QTest::newRow("a change of the switches fills it with the answer alone")
        << cat << u"order=A"_s << QStringList{u"N"_s, u"SW"_s} << u"[kæt]"_s;
}

void TestCardDisplay::phonetic()
{
    QFETCH(QString, line);
    QFETCH(QString, settings);
    QFETCH(QStringList, steps);

    EngineHarness h;
    h.phonetic.load(CorpusTsv::fixture(u"engine/phonetic.txt"_s));
    h.configure(settings);
    h.open({line});
    h.actAll(steps);

    QTEST(h.engine.view().TextPhonetic, "phonetic");
    QCOMPARE(h.engine.view().phoneticTicked, h.settings().ShowPhonetic);
}

void TestCardDisplay::mirrorText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("mirrored");

    QTest::newRow("letters") << u"abc"_s << u"cba"_s;
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("Hebrew") << u"שלום"_s << u"םולש"_s;
    QTest::newRow("a character outside the basic plane stays whole")
        << u"a\U0001F600b\U00010348"_s << u"\U00010348b\U0001F600a"_s;
}

void TestCardDisplay::mirrorText()
{
    QFETCH(QString, text);
    QTEST(MirrorText(text), "mirrored");
}

void TestCardDisplay::rightToLeftCheckBox()
{
    EngineHarness h;
    h.configure({}, u"rtl=0 rtlbox=1"_s);
    h.open({u"abc = xyz"_s});
    h.engine.Next0();
    QCOMPARE(h.shown(), u"abc|"_s);

    h.act(u"RTL+"_s);
    QCOMPARE(h.shown(), u"cba|"_s);
    QVERIFY(h.engine.view().rightToLeftTicked);
    QCOMPARE(h.engine.view().TextIndicator, u"1 (1)     0 (0)"_s);

    // A hidden check box mirrors nothing, ticked or not.
    h.record.ShowRightToLeftCheckBox = false;
    h.act(u"SW"_s);
    QVERIFY(!h.engine.view().rightToLeftVisible);
    QCOMPARE(h.shown(), u"abc|"_s);
    QCOMPARE(h.engine.view().TextIndicator, u"1 (1)     0 (0)"_s);
}

QTEST_GUILESS_MAIN(TestCardDisplay)
#include "tst_engine_display.moc"
