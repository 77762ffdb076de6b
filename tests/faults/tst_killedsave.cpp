#include "BigDictionary.h"
#include "cards/DictionaryBackups.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include <csignal>
#include <cstring>

namespace {

constexpr qsizetype lineCount = 1000000;
// The sanitizer build runs each save several times slower; there fewer kills check the same
// paths for memory faults, while the normal build tries many moments.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kills = 50;
#else
constexpr int kills = 200;
#endif

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every line of the big dictionary takes the same number of bytes, so a turned file is the
// canonical file's lines from `first` on, then those before it.
class Saves
{
public:
    Saves() : m_canonical(BigDictionary::fileBytes(BigDictionary::turned(lineCount, 0)))
    {
        m_lineSize = (m_canonical.size() - 3) / lineCount;
    }

    const QByteArray& canonical() const { return m_canonical; }

    // The line that stands first when bytes are one complete save; -1 when they are not.
    qsizetype firstOf(const QByteArray& bytes) const
    {
        if (bytes.size() != m_canonical.size() || !bytes.startsWith("\xEF\xBB\xBF"))
            return -1;
        const qsizetype first = bytes.mid(7, 7).toLongLong();
        const qsizetype cut = 3 + first * m_lineSize;
        const qsizetype tail = m_canonical.size() - cut;
        if (std::memcmp(bytes.constData() + 3, m_canonical.constData() + cut, tail) != 0 ||
            std::memcmp(bytes.constData() + 3 + tail, m_canonical.constData() + 3, cut - 3) != 0)
            return -1;
        return first;
    }

private:
    QByteArray m_canonical;
    qsizetype m_lineSize = 0;
};

} // namespace

class TestKilledSave : public QObject
{
    Q_OBJECT

private slots:
    void killedAtRandomMoments();
};

// The next line the child prints, without its line end; empty when none came in time.
QByteArray nextLine(QProcess& child)
{
    while (!child.canReadLine() && child.waitForReadyRead(120000)) {
    }
    return child.readLine().trimmed();
}

// A saver saves a 1,000,000-line dictionary in a loop and is killed with SIGKILL at a random
// moment, many times. After every kill the file must be one complete save: the last one the
// saver reported, or the one it was writing.
void TestKilledSave::killedAtRandomMoments()
{
    QTemporaryDir folder;
    const QString dictPath = folder.filePath("Vocadrill/Big.txt");
    const Saves saves;
    QVERIFY(QDir().mkpath(folder.filePath("Vocadrill")));
    {
        QFile file(dictPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(saves.canonical());
    }

    QProcess server;
    server.start(VOCADRILL_SAVECHILD, {"serve", folder.path(), QString::number(lineCount)});
    QVERIFY(server.waitForStarted());
    QCOMPARE(nextLine(server), QByteArray("ready"));

    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    qsizetype first = 0;
    int oldSave = 0;
    int newSave = 0;
    int strayFiles = 0;
    for (int kill = 0; kill < kills; ++kill) {
        server.write(QByteArray::number(first) + '\n');
        const QByteArray started = nextLine(server);
        QVERIFY2(started.startsWith("saver "), started.constData());
        const pid_t saver = pid_t(started.mid(6).toInt());

        // The moment of the kill: during the backup or the first save; every fourth kill comes
        // during a later save instead, which ends in the file's replacement.
        qsizetype reported = first;
        if (kill % 4 == 3) {
            const QByteArray line = nextLine(server);
            QVERIFY2(line.startsWith("saved "), line.constData());
            reported = line.mid(6).toLongLong();
        }
        const QDeadlineTimer moment(random.bounded(1, kill % 4 == 3 ? 500 : 800));
        while (!moment.hasExpired())
            server.waitForReadyRead(int(moment.remainingTime()));
        QCOMPARE(::kill(saver, SIGKILL), 0);

        for (QByteArray line = nextLine(server); line != "ended"; line = nextLine(server)) {
            QVERIFY2(line.startsWith("saved "), line.constData());
            reported = line.mid(6).toLongLong();
        }
        const qsizetype found = saves.firstOf(read(dictPath));
        QVERIFY2(found == reported || found == (reported + 1) % lineCount,
                 qPrintable(QStringLiteral("kill %1 (seed %2): the file is not the last save "
                                           "(%3) nor the next one; its first line: %4")
                                .arg(kill)
                                .arg(seed)
                                .arg(reported)
                                .arg(found)));
        ++(found == reported ? oldSave : newSave);
        first = found;

        // A killed save may leave its temporary file behind; it is never a dictionary.
        for (const QString& stray : QDir(folder.filePath("Vocadrill")).entryList(QDir::Files)) {
            if (stray == QLatin1String("Big.txt"))
                continue;
            QVERIFY2(!stray.endsWith(QLatin1String(".txt")), qPrintable(stray));
            QFile::remove(folder.filePath("Vocadrill/" + stray));
            ++strayFiles;
        }
    }
    server.closeWriteChannel();
    QVERIFY(server.waitForFinished());

    const DictionaryBackups backups(folder.filePath("Data/Backups"));
    const QStringList copies = backups.backupsOf("Big");
    QVERIFY(copies.size() <= DictionaryBackups::Kept);
    for (const QString& copy : copies)
        QVERIFY2(saves.firstOf(read(backups.folder() + u'/' + copy)) >= 0, qPrintable(copy));
    qInfo("%d kills survived (seed %u): %d left the previous save, %d the new one; "
          "%d temporary files left behind; %lld backups, all whole",
          kills, seed, oldSave, newSave, strayFiles, qsizetype(copies.size()));
}

QTEST_GUILESS_MAIN(TestKilledSave)
#include "tst_killedsave.moc"
