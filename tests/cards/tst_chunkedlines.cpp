#include "cards/ChunkedLines.h"

#include <QRandomGenerator>
#include <QtTest>

// Chunked lines checked against a plain list that takes the same changes.
class TestChunkedLines : public QObject
{
    Q_OBJECT

private slots:
    void changesMatchAList_data();
    void changesMatchAList();
    void copiesKeepTheirLines();
    void truncateKeepsTheFirstLines_data();
    void truncateKeepsTheFirstLines();
};

namespace {

constexpr int Changes = 20000;

QStringList numberedLines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines.append(QStringLiteral("line %1").arg(i));
    return lines;
}

void compare(const ChunkedLines& chunked, const QStringList& model)
{
    QCOMPARE(chunked.size(), model.size());
    QCOMPARE(chunked.toList(), model);
    QStringList iterated;
    for (const QString& line : chunked)
        iterated.append(line);
    QCOMPARE(iterated, model);
    for (qsizetype i = 0; i < model.size(); i += 97) {
        QCOMPARE(chunked.at(i), model.at(i));
        QCOMPARE(chunked.indexOf(model.at(i)), i);
        QCOMPARE(chunked.lastIndexOf(model.at(i)), i);
    }
    QCOMPARE(chunked.indexOf(QStringLiteral("no such line")), -1);
}

} // namespace

void TestChunkedLines::changesMatchAList_data()
{
    QTest::addColumn<int>("initial");
    // Changes fall in the first this many lines; 0: anywhere.
    QTest::addColumn<int>("window");
    // Shares of the changes, in percent, that insert and that remove a line; the rest move a
    // line to the end, move one elsewhere, replace one or append one.
    QTest::addColumn<int>("inserts");
    QTest::addColumn<int>("removes");

    const int chunk = int(ChunkedLines::ChunkLines);
    QTest::newRow("empty, growing anywhere") << 0 << 0 << 60 << 10;
    QTest::newRow("one chunk, emptied and filled again") << 100 << 0 << 30 << 50;
    QTest::newRow("a chunk growing past twice its size") << chunk << 5 << 80 << 5;
    QTest::newRow("many chunks, changes anywhere") << 5 * chunk + 7 << 0 << 25 << 25;
    QTest::newRow("learning: lines from the top to the end") << 3 * chunk << 30 << 0 << 10;
}

void TestChunkedLines::changesMatchAList()
{
    QFETCH(int, initial);
    QFETCH(int, window);
    QFETCH(int, inserts);
    QFETCH(int, removes);

    QStringList model = numberedLines(initial);
    ChunkedLines chunked(model);
    QRandomGenerator random(initial + window);
    int next = initial;
    const auto index = [&](qsizetype size) {
        const qsizetype range = window > 0 ? std::min<qsizetype>(window, size) : size;
        return qsizetype(random.bounded(int(range)));
    };
    for (int change = 1; change <= Changes; ++change) {
        const int kind = int(random.bounded(100));
        const QString line = QStringLiteral("line %1").arg(next++);
        if (kind < inserts) {
            const qsizetype at = index(model.size() + 1);
            model.insert(at, line);
            chunked.insert(at, line);
        } else if (model.isEmpty()) {
            model.append(line);
            chunked.append(line);
        } else if (kind < inserts + removes) {
            const qsizetype at = index(model.size());
            model.removeAt(at);
            chunked.removeAt(at);
        } else if (kind % 4 == 0) {
            const qsizetype from = index(model.size());
            model.move(from, model.size() - 1);
            chunked.move(from, chunked.size() - 1);
        } else if (kind % 4 == 1) {
            const qsizetype from = index(model.size());
            const qsizetype to = qsizetype(random.bounded(int(model.size())));
            model.move(from, to);
            chunked.move(from, to);
        } else if (kind % 4 == 2) {
            const qsizetype at = index(model.size());
            model.replace(at, line);
            chunked.replace(at, line);
        } else {
            model.append(line);
            chunked.append(line);
        }
        if (change % 1000 == 0)
            compare(chunked, model);
    }
    compare(chunked, model);
}

// A copy, as a save takes it, keeps its lines while the original changes, and the other way
// round.
void TestChunkedLines::copiesKeepTheirLines()
{
    const QStringList lines = numberedLines(3 * int(ChunkedLines::ChunkLines) + 5);
    ChunkedLines original(lines);
    const ChunkedLines copy = original;
    original.move(3, original.size() - 1);
    original.removeAt(0);
    original.replace(5000, QStringLiteral("changed"));
    original.insert(7000, QStringLiteral("inserted"));
    compare(copy, lines);

    ChunkedLines second = original;
    const QStringList changed = original.toList();
    second.append(QStringLiteral("appended"));
    second.removeAt(second.size() - 2);
    compare(original, changed);
}

void TestChunkedLines::truncateKeepsTheFirstLines_data()
{
    QTest::addColumn<int>("kept");
    const int chunk = int(ChunkedLines::ChunkLines);
    QTest::newRow("none") << 0;
    QTest::newRow("inside the first chunk") << 10;
    QTest::newRow("inside a chunk that was split") << chunk + 100;
    QTest::newRow("at the start of a chunk") << 4 * chunk + 1;
    QTest::newRow("inside the last chunk") << 6 * chunk + 3;
    QTest::newRow("all") << 6 * chunk + 8;
}

// Truncated lines match a list cut to the same length and take further changes as it does; a
// copy taken before keeps all its lines.
void TestChunkedLines::truncateKeepsTheFirstLines()
{
    QFETCH(int, kept);
    const int chunk = int(ChunkedLines::ChunkLines);
    QStringList model = numberedLines(5 * chunk + 7);
    ChunkedLines chunked(model);
    // Lines inserted into the second chunk split it, so that the chunks differ in size.
    for (int i = 0; i <= chunk; ++i) {
        const QString line = QStringLiteral("inserted %1").arg(i);
        model.insert(chunk + 50, line);
        chunked.insert(chunk + 50, line);
    }
    const ChunkedLines copy = chunked;
    const QStringList all = model;

    chunked.truncate(kept);
    model.resize(kept);
    compare(chunked, model);
    chunked.append(QStringLiteral("appended"));
    model.append(QStringLiteral("appended"));
    chunked.insert(chunked.size() / 2, QStringLiteral("inserted after"));
    model.insert(model.size() / 2, QStringLiteral("inserted after"));
    compare(chunked, model);
    compare(copy, all);
}

QTEST_APPLESS_MAIN(TestChunkedLines)
#include "tst_chunkedlines.moc"
