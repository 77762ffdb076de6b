#include "cards/CardLine.h"
#include "cards/Collation.h"
#include "cards/SortAndMix.h"
#include "BracketsCutOneByOne.h"
#include "CorpusTsv.h"

#include <QtTest>

class TestCardLine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Collation::setCollationLocale(QLocale(QLocale::English)); }

    void fields_data();
    void fields();
    void cardTestAgreesWithFields_data();
    void cardTestAgreesWithFields();
    void keyAndValue_data();
    void keyAndValue();
    void normalizeSpaces_data();
    void normalizeSpaces();
    void sortLines_data();
    void sortLines();
    void mixLines();
};

void TestCardLine::fields_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("phonetic");
    QTest::addColumn<bool>("isCard");
    for (const QStringList& row :
         CorpusTsv::rows(CorpusTsv::fixture("corpus/tricky/tricky_cases.tsv")))
        QTest::newRow(qPrintable(row[0]))
            << row[0] << row[1] << row[2] << row[3] << (row[4] == "yes");
    QTest::newRow("empty line") << ""
                                << ""
                                << ""
                                << "" << false;
    QTest::newRow("no-break space kept") << "\u00a0a = b"
                                         << "\u00a0a"
                                         << "b"
                                         << "" << true;
    QTest::newRow("nested groups") << "a [b [c] d] = e"
                                   << "a d]"
                                   << "e"
                                   << "[b [c]" << true;
    QTest::newRow("group only in answer") << "a = b // c [d]"
                                          << "a"
                                          << "b"
                                          << "[d]" << true;
    // Cut one by one, a line like this one took hours.
    QTest::newRow("200,000 groups on one line")
        << "w" + QString(" [p]").repeated(200000) + " = x"
        << "w"
        << "x" << QStringList(200000, "[p]").join(", ") << true;
}

void TestCardLine::fields()
{
    QFETCH(QString, line);
    const TVocabula card = LineToVocabula(line);
    QTEST(card.Q, "question");
    QTEST(card.A, "answer");
    QTEST(card.T, "phonetic");
    QCOMPARE(card.OriginalStr, line);
    QCOMPARE(card.ShownQ + card.ShownA + card.ShownQA + card.YesQ + card.YesA, 0);
    QVERIFY(!card.DoneQ && !card.DoneA);
    QTEST(IsVocabula(line), "isCard");
}

// The card test reads a line without building its fields, and the groups are all cut in one
// pass; both must agree with the plain readings on every line made of the characters that
// matter to them, up to a length.
void TestCardLine::cardTestAgreesWithFields_data()
{
    QTest::addColumn<QString>("alphabet");
    QTest::addColumn<int>("length");
    QTest::newRow("brackets, slashes, spaces") << "a[]/ =" << 7;
    QTest::newRow("tabs and controls") << "a[/=\t\x01" << 6;
    QTest::newRow("groups around the sign") << "a[]=/" << 8;
}

void TestCardLine::cardTestAgreesWithFields()
{
    QFETCH(QString, alphabet);
    QFETCH(int, length);
    QList<int> digits(length, 0);
    for (;;) {
        QString line;
        for (const int digit : std::as_const(digits))
            line += alphabet[digit];
        const bool fieldsSayCard = !QuestionOf(line).isEmpty() && !AnswerOf(line).isEmpty();
        QVERIFY2(IsVocabula(line) == fieldsSayCard, qPrintable(line));
        QVERIFY2(cutsAgree(line), qPrintable(line));
        qsizetype i = 0;
        while (i < length && ++digits[i] == alphabet.size())
            digits[i++] = 0;
        if (i == length)
            break;
    }
}

void TestCardLine::keyAndValue_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("inner whitespace stays") << "to  read\t[ri:d] =  читать // irregular [red]"
                                            << "to  read\t[ri:d]"
                                            << "читать // irregular [red]";
    QTest::newRow("comment and group stay") << "cat [kæt] = кошка // pet"
                                            << "cat [kæt]"
                                            << "кошка // pet";
    QTest::newRow("no equals sign") << "no equals sign [n]"
                                    << ""
                                    << "";
    QTest::newRow("begins with equals") << "= answer only"
                                        << ""
                                        << "";
    QTest::newRow("later equals in value") << " a = b = c "
                                           << "a"
                                           << "b = c";
    QTest::newRow("empty value") << "cat ="
                                 << "cat"
                                 << "";
}

void TestCardLine::keyAndValue()
{
    QFETCH(QString, line);
    QTEST(KeyOf(line), "key");
    QTEST(ValueOf(line), "value");
}

void TestCardLine::normalizeSpaces_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("normalized");
    QTest::newRow("tabs and runs") << "\t a \t\t b   c \r\n"
                                   << "a b c";
    QTest::newRow("controls trimmed, kept inside") << "\x01 a\x02b \x1f"
                                                   << "a\x02b";
    QTest::newRow("no-break space untouched") << "\u00a0a\u00a0\u00a0b"
                                              << "\u00a0a\u00a0\u00a0b";
    QTest::newRow("only whitespace") << " \t  "
                                     << "";
}

void TestCardLine::normalizeSpaces()
{
    QFETCH(QString, text);
    QTEST(NormalizeSpaces(text), "normalized");
    // In place; the text it shared stays as it was.
    const QString before(text.constData(), text.size());
    QString inPlace = text;
    NormalizeSpacesInPlace(inPlace);
    QTEST(inPlace, "normalized");
    QCOMPARE(text, before);
}

void TestCardLine::sortLines_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("sorted");
    QTest::newRow("linguistic order, empty gone, whitespace variants kept")
        << QStringList{"dog=собака",    "", "cat = кошка", "Banana = банан", "cat   =   кошка",
                       "apple = яблоко"}
        << QStringList{"apple = яблоко", "Banana = банан", "cat = кошка", "cat = кошка",
                       "dog = собака"};
    QTest::newRow("exact duplicates once, case variants kept, spaces sort before signs")
        << QStringList{"b = 2", "a = 1", "a=1", "a = 1", "A = 1", " \t "}
        << QStringList{"a = 1", "A = 1", "a = 1", "b = 2"};
    QTest::newRow("only the first equals sign widened")
        << QStringList{"x = y = z"} << QStringList{"x = y = z"};
    QTest::newRow("empty") << QStringList{} << QStringList{};
}

void TestCardLine::sortLines()
{
    QFETCH(QStringList, lines);
    StringList list;
    list.setLines(lines);
    QSignalSpy changed(&list, &StringList::Changed);
    SortLines(list);
    QTEST(list.lines(), "sorted");
    QCOMPARE(changed.count(), 1);
}

void TestCardLine::mixLines()
{
    SeededRandom random(42);
    QStringList empty;
    MixLines(empty, random);
    QVERIFY(empty.isEmpty());

    QStringList one{"a=b"};
    MixLines(one, random);
    QCOMPARE(one, QStringList{"a = b"});

    QStringList lines;
    for (int i = 0; i < 200; ++i)
        lines << QStringLiteral("word%1=слово%1").arg(i, 3, 10, QLatin1Char('0'));
    lines << lines.first();
    QStringList sorted = lines;
    SortLines(sorted);
    MixLines(lines, random);
    QCOMPARE(lines.size(), 200);
    QVERIFY(lines != sorted);
    QStringList resorted = lines;
    SortLines(resorted);
    QCOMPARE(resorted, sorted);
}

QTEST_GUILESS_MAIN(TestCardLine)
#include "tst_cardline.moc"
