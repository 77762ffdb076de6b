#include "cards/ExportedFields.h"
#include "cards/FileError.h"
#include "cards/RememberedFolder.h"
#include "cards/TextImport.h"

#include <QtTest>

namespace {

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void touch(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class TestTextImport : public QObject
{
    Q_OBJECT

private slots:
    void freeTarget_data();
    void freeTarget();
    void sameFileThreeTimes();
    void fileFromTheDictionariesFolder();
    void failedCopyMakesNoFile();
    void rememberedFolder();
    void rememberedFolderThatIsGone();
    void exportedFields_data();
    void exportedFields();
};

// Other programs' exports: lines of fields become cards; anything else is left alone.
void TestTextImport::exportedFields_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("cards");
    const QStringList none;
    QTest::newRow("tab") << QStringList{"cat\tкошка", "dog \t собака", "", "Animals"}
                         << QStringList{"cat = кошка", "dog = собака", "", "Animals"};
    QTest::newRow("third field is the comment")
        << QStringList{"cat\tкошка\tpet", "sun\tсолнце\t\t"}
        << QStringList{"cat = кошка // pet", "sun = солнце"};
    QTest::newRow("semicolon with quotes")
        << QStringList{"\"run; ran\";бежать", "say \"hi\";\"сказать \"\"привет\"\"\""}
        << QStringList{"run; ran = бежать", "say \"hi\" = сказать \"привет\""};
    QTest::newRow("comma with a quoted comma")
        << QStringList{"cat,кошка", "\"big, large\",большой", "go,идти"}
        << QStringList{"cat = кошка", "big, large = большой", "go = идти"};
    QTest::newRow("a card already") << QStringList{"cat\tкошка", "dog = собака"} << none;
    QTest::newRow("half the lines only")
        << QStringList{"cat\tкошка", "Animals", "Birds", "dog\tсобака"} << none;
    QTest::newRow("prose with commas")
        << QStringList{"One, two, three.", "Four and five, six.", "Seven."} << none;
    QTest::newRow("empty second field") << QStringList{"cat\t", "dog\t"} << none;
    QTest::newRow("empty file") << QStringList{} << none;
}

void TestTextImport::exportedFields()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, cards);
    const auto made = ExportedFields::cardsOf(lines);
    QCOMPARE(made.has_value(), !cards.isEmpty());
    if (made)
        QCOMPARE(*made, cards);
}

void TestTextImport::freeTarget_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QString>("target");

    QTest::newRow("first import") << QStringList{} << "Words.txt"
                                  << "Words.txt";
    QTest::newRow("csv beside txt") << QStringList{"Words.txt"} << "Words.csv"
                                    << "Words (1).txt";
    QTest::newRow("gap at (1)") << QStringList{"Words.txt", "Words (2).txt"} << "Words.txt"
                                << "Words (1).txt";
    QTest::newRow("only a numbered one") << QStringList{"Words (1).txt"} << "Words.txt"
                                         << "Words.txt";
    QTest::newRow("percent signs, imported twice") << QStringList{"C%2B%2B.txt"} << "C%2B%2B.txt"
                                                   << "C%2B%2B (1).txt";
    QTest::newRow("placeholders, imported three times")
        << QStringList{"%1 %2.txt", "%1 %2 (1).txt"} << "%1 %2.txt" << "%1 %2 (2).txt";
    QTest::newRow("two dots") << QStringList{} << "a.b.txt"
                              << "a.b.txt";
    QTest::newRow("no extension") << QStringList{} << "notes"
                                  << "notes.txt";
    QTest::newRow("capital extension") << QStringList{} << "Words.TXT"
                                       << "Words.txt";
    QTest::newRow("only an extension") << QStringList{} << ".txt"
                                       << "Imported.txt";
    QTest::newRow("only an extension, twice") << QStringList{"Imported.txt"} << ".txt"
                                              << "Imported (1).txt";
    QTest::newRow("blank name") << QStringList{} << "   .txt"
                                << "Imported.txt";
    QTest::newRow("hidden name") << QStringList{} << ".notes.txt"
                                 << "notes.txt";
    QTest::newRow("no name at all") << QStringList{} << ".bashrc"
                                    << "Imported.txt";
}

void TestTextImport::freeTarget()
{
    QFETCH(QStringList, present);
    QFETCH(QString, picked);
    QFETCH(QString, target);

    QTemporaryDir dicts;
    for (const QString& name : present)
        touch(dicts.filePath(name));
    QCOMPARE(TextImport::freeTarget("/somewhere/else/" + picked, dicts.path()),
             dicts.filePath(target));
}

void TestTextImport::sameFileThreeTimes()
{
    const QString picked = VOCADRILL_FIXTURES "/corpus/encodings/everyday500.utf16le-bom.crlf.txt";
    QTemporaryDir dicts;
    QStringList made;
    for (int i = 0; i < 3; ++i)
        made << QFileInfo(TextImport::copyIntoDictionaries(picked, dicts.path())).fileName();

    const QString base = "everyday500.utf16le-bom.crlf";
    QCOMPARE(made, (QStringList{base + ".txt", base + " (1).txt", base + " (2).txt"}));
    for (const QString& name : made)
        QCOMPARE(read(dicts.filePath(name)), read(picked));
}

void TestTextImport::fileFromTheDictionariesFolder()
{
    QTemporaryDir dicts;
    QFile words(dicts.filePath("Words.txt"));
    QVERIFY(words.open(QIODevice::WriteOnly));
    words.write("cat = кошка\r\n");
    words.close();

    QCOMPARE(TextImport::copyIntoDictionaries(dicts.filePath("Words.txt"), dicts.path()),
             dicts.filePath("Words (1).txt"));
    QCOMPARE(read(dicts.filePath("Words (1).txt")), QByteArray("cat = кошка\r\n"));
    QCOMPARE(read(dicts.filePath("Words.txt")), QByteArray("cat = кошка\r\n"));
}

void TestTextImport::failedCopyMakesNoFile()
{
    QTemporaryDir dicts;
    QVERIFY_THROWS_EXCEPTION(
        FileError, TextImport::copyIntoDictionaries(dicts.filePath("gone.txt"), dicts.path()));
    QVERIFY(QDir(dicts.path()).isEmpty());
}

void TestTextImport::rememberedFolder()
{
    QTemporaryDir data;
    const QString file = data.filePath("TxtName.txt");
    const QString picked = QDir(VOCADRILL_FIXTURES "/corpus/dict").filePath("everyday500.txt");

    RememberedFolder first(file);
    first.load();
    QCOMPARE(first.startFolder(), QString());
    first.pick(picked);
    first.save();
    QCOMPARE(read(file), (QFileInfo(picked).absolutePath() + "\r\n").toUtf8());

    // The next run starts where the last pick was.
    RememberedFolder next(file);
    next.load();
    QCOMPARE(next.startFolder(), QFileInfo(picked).absolutePath());
}

void TestTextImport::rememberedFolderThatIsGone()
{
    QTemporaryDir data;
    const QString file = data.filePath("BGName.txt");
    QFile pointer(file);
    QVERIFY(pointer.open(QIODevice::WriteOnly));
    pointer.write("  " + data.filePath("vanished").toUtf8() + "\r\n\r\n");
    pointer.close();

    RememberedFolder folder(file);
    folder.load();
    QCOMPARE(folder.DirName, data.filePath("vanished"));
    QCOMPARE(folder.startFolder(), QString());
}

QTEST_GUILESS_MAIN(TestTextImport)
#include "tst_textimport.moc"
