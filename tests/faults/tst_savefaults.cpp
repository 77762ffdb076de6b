#include "cards/DictionaryBackups.h"

#include <QProcess>
#include <QtTest>

namespace {

const QByteArray original = "\xEF\xBB\xBF"
                            "cat = кошка\r\ndog = собака\r\n";

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The next line the child prints, without its line end; empty when it printed none in time.
QByteArray nextLine(QProcess& child)
{
    while (!child.canReadLine() && child.waitForReadyRead(30000)) {
    }
    return child.readLine().trimmed();
}

} // namespace

class TestSaveFaults : public QObject
{
    Q_OBJECT

private slots:
    void writeFailsHalfway();
};

// The child saves under a file size limit (set with the shell's ulimit) that the dictionary
// outgrows: the write fails in the middle of the file.
void TestSaveFaults::writeFailsHalfway()
{
    QTemporaryDir folder;
    QVERIFY(QDir().mkpath(folder.filePath("Vocadrill")));
    {
        QFile file(folder.filePath("Vocadrill/Animals.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(original);
    }
    QProcess child;
    child.start("bash", {"-c", "ulimit -S -f 64 && exec \"$0\" limited \"$1\"", VOCADRILL_SAVECHILD,
                         folder.path()});
    QVERIFY(child.waitForStarted());

    const QByteArray failed = nextLine(child);
    QVERIFY2(failed.startsWith("failed "), failed.constData());
    QVERIFY2(failed.contains("Animals.txt") && failed.contains("File too large"),
             failed.constData());
    QCOMPARE(nextLine(child), QByteArray("memory intact"));
    QCOMPARE(read(folder.filePath("Vocadrill/Animals.txt")), original);
    QCOMPARE(QDir(folder.filePath("Vocadrill")).entryList(QDir::Files), QStringList{"Animals.txt"});

    child.write("go\n");
    QCOMPARE(nextLine(child), QByteArray("saved"));
    QVERIFY(child.waitForFinished());
    QCOMPARE(child.exitCode(), 0);
    const QByteArray saved = read(folder.filePath("Vocadrill/Animals.txt"));
    QVERIFY(saved.startsWith(original));
    QVERIFY(saved.endsWith("word 4999 = слово 4999\r\n"));
    QVERIFY(saved.size() > 64 * 1024);

    const DictionaryBackups backups(folder.filePath("Data/Backups"));
    const QStringList copies = backups.backupsOf("Animals");
    QCOMPARE(copies.size(), 1);
    QCOMPARE(read(backups.folder() + u'/' + copies.first()), original);
}

QTEST_GUILESS_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"
