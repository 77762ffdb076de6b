#include "cards/CollationKeyList.h"
#include "cards/CollationKeys.h"
#include "cards/TextFile.h"
#include "CorpusTsv.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QtTest>

#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

// Texts that tell collations apart: letter case, accents and their decomposed forms, ё and е,
// ß and ss, æ and ae, å and aa, dotted and dotless i, digits, punctuation, spaces, kana, IPA,
// an empty text and a long one; then real dictionary lines.
QStringList texts()
{
    QStringList texts{u""_s,       u" "_s,
                      u"a"_s,      u"A"_s,
                      u"á"_s,      u"a\u0301"_s,
                      u"b"_s,      u"ab"_s,
                      u"a b"_s,    u"a-b"_s,
                      u"a  = b"_s, u"a = b"_s,
                      u"e"_s,      u"е"_s,
                      u"ё"_s,      u"Ё"_s,
                      u"ss"_s,     u"ß"_s,
                      u"ae"_s,     u"æ"_s,
                      u"aa"_s,     u"å"_s,
                      u"i"_s,      u"ı"_s,
                      u"İ"_s,      u"I"_s,
                      u"10"_s,     u"9"_s,
                      u"ch"_s,     u"c"_s,
                      u"h"_s,      u"カ"_s,
                      u"か"_s,     u"ˈkætəlɒɡ"_s,
                      u"z"_s,      u"ö"_s,
                      u"o"_s,      u"ø"_s,
                      u"ü"_s,      u"y"_s,
                      u"\t"_s,     u"[kæt]"_s,
                      u"Zebra"_s,  u"zebra"_s,
                      u"Ärger"_s,  u"длинное слово "_s.repeated(30)};
    const QStringList lines =
        TextFile::readLines(CorpusTsv::fixture("corpus/dict/everyday500.txt"));
    for (qsizetype i = 0; i < lines.size(); i += 5)
        texts << lines[i];
    return texts;
}

QCollator collatorFor(const QLocale& locale, Qt::CaseSensitivity sensitivity)
{
    QCollator collator(locale);
    collator.setCaseSensitivity(sensitivity);
    return collator;
}

int sign(int order)
{
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

} // namespace

class TestCollationKeys : public QObject
{
    Q_OBJECT

private slots:
    void orderAsQCollator_data();
    void orderAsQCollator();
    void sortedOrder_data();
    void sortedOrder();
};

void TestCollationKeys::orderAsQCollator_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<Qt::CaseSensitivity>("sensitivity");
    for (const char* name : {"en_US", "ru_RU", "de_DE", "sv_SE", "da_DK", "tr_TR", "ja_JP", "cs_CZ",
                             "sr_Latn_RS", "zh_TW"}) {
        for (const Qt::CaseSensitivity sensitivity : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
            QTest::addRow("%s %s", name,
                          sensitivity == Qt::CaseSensitive ? "case-sensitive" : "case-blind")
                << QLocale(QString::fromLatin1(name)) << sensitivity;
        }
    }
}

// Comparing raw keys bytewise orders every pair of texts as QCollatorSortKey does.
void TestCollationKeys::orderAsQCollator()
{
    QFETCH(QLocale, locale);
    QFETCH(Qt::CaseSensitivity, sensitivity);
    const QCollator collator = collatorFor(locale, sensitivity);
    const CollationKeys collation(locale, sensitivity);
    const QStringList all = texts();
    QList<QByteArray> raw;
    QList<QCollatorSortKey> keys;
    for (const QString& text : all) {
        QByteArray key;
        const qsizetype length = collation.append(text, key);
        QCOMPARE(length, key.size());
        raw << key;
        keys << collator.sortKey(text);
    }
    for (qsizetype i = 0; i < all.size(); ++i) {
        for (qsizetype j = 0; j < all.size(); ++j) {
            QVERIFY2(sign(compareKeys(raw[i], raw[j])) == sign(keys[i].compare(keys[j])),
                     qPrintable(all[i] + u" | "_s + all[j]));
        }
    }
}

void TestCollationKeys::sortedOrder_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<Qt::CaseSensitivity>("sensitivity");
    QTest::newRow("English case-sensitive") << QLocale(QLocale::English) << Qt::CaseSensitive;
    QTest::newRow("Russian case-blind") << QLocale(QLocale::Russian) << Qt::CaseInsensitive;
}

// The sorted order is a stable sort by QCollatorSortKey; the unique one keeps the first text of
// each run of equal ones.
void TestCollationKeys::sortedOrder()
{
    QFETCH(QLocale, locale);
    QFETCH(Qt::CaseSensitivity, sensitivity);
    const QCollator collator = collatorFor(locale, sensitivity);
    const CollationKeys collation(locale, sensitivity);
    QStringList all = texts();
    all += texts();
    CollationKeyList list(collation);
    QList<QCollatorSortKey> keys;
    for (const QString& text : std::as_const(all)) {
        list.append(text);
        keys << collator.sortKey(text);
    }
    std::vector<quint32> expected(size_t(all.size()));
    std::iota(expected.begin(), expected.end(), 0);
    std::stable_sort(expected.begin(), expected.end(),
                     [&](quint32 a, quint32 b) { return keys[a].compare(keys[b]) < 0; });
    QCOMPARE(list.sortedOrder(), expected);

    std::vector<quint32> unique;
    for (const quint32 i : expected)
        if (unique.empty() || keys[unique.back()].compare(keys[i]) != 0)
            unique.push_back(i);
    QCOMPARE(list.sortedUniqueOrder(), unique);
    QVERIFY(unique.size() < expected.size());
}

QTEST_GUILESS_MAIN(TestCollationKeys)
#include "tst_collationkeys.moc"
