#include "cards/TextFile.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QtTest>

namespace {

QByteArray readData(const QString& name)
{
    QFile file(QStringLiteral(VOCADRILL_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool isUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8);
    decoder.decode(bytes);
    return !decoder.hasError();
}

// The numbers of the sections ("1. ...", "2. ...") that head the help text's parts.
QStringList sectionNumbers(const QStringList& lines)
{
    static const QRegularExpression heading(QStringLiteral("^(\\d+)\\. \\S"));
    QStringList numbers;
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = heading.match(line);
        if (match.hasMatch())
            numbers << match.captured(1);
    }
    return numbers;
}

} // namespace

class TestShippedHelp : public QObject
{
    Q_OBJECT

private slots:
    void helpFileIsMarkedUtf8WithCrLf_data();
    void helpFileIsMarkedUtf8WithCrLf();
    void bothLanguagesHaveTheSameSections();
    void manualIsSelfContained();
};

void TestShippedHelp::helpFileIsMarkedUtf8WithCrLf_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Russian") << "Help.txt";
    QTest::newRow("English") << "Help.En.txt";
}

void TestShippedHelp::helpFileIsMarkedUtf8WithCrLf()
{
    QFETCH(QString, name);
    const QByteArray bytes = readData(name);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(isUtf8(bytes));
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));

    const QStringList lines = TextFile::readLines(QStringLiteral(VOCADRILL_DATA "/") + name);
    QVERIFY(lines.size() > 100);
    QVERIFY(lines.contains(QStringLiteral("    cat [kæt] = кошка // pet")));
}

void TestShippedHelp::bothLanguagesHaveTheSameSections()
{
    const QStringList russian =
        sectionNumbers(TextFile::readLines(QStringLiteral(VOCADRILL_DATA "/Help.txt")));
    const QStringList english =
        sectionNumbers(TextFile::readLines(QStringLiteral(VOCADRILL_DATA "/Help.En.txt")));
    QVERIFY(russian.size() > 5);
    QCOMPARE(russian, english);
}

void TestShippedHelp::manualIsSelfContained()
{
    const QByteArray page = readData(QStringLiteral("Manual.html"));
    QVERIFY(page.startsWith("<!DOCTYPE html>"));
    QVERIFY(isUtf8(page));
    QVERIFY(page.contains("<meta charset=\"utf-8\">"));
    QVERIFY(page.contains("lang=\"ru\""));
    QVERIFY(!page.contains("http:"));
    QVERIFY(!page.contains("https:"));
    QVERIFY(!page.contains("src="));
}

QTEST_MAIN(TestShippedHelp)
#include "tst_shippedhelp.moc"
