#include "BigDictionary.h"
#include "cards/DictionaryBackups.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include <cstring>

namespace {

constexpr qsizetype lineCount = 1000000;
constexpr int kills = 200;

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

// A child saves a 1,000,000-line dictionary in a loop and is killed with SIGKILL at random
// moments. After every kill the file must be one complete save: the last one the child
// reported, or the one it was writing.
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

    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    qsizetype first = 0;
    int oldSave = 0;
    int newSave = 0;
    int strayFiles = 0;
    qint64 longestSaveMs = 0;
    for (int kill = 0; kill < kills; ++kill) {
        QProcess child;
        child.start(VOCADRILL_SAVECHILD,
                    {"loop", folder.path(), QString::number(lineCount), QString::number(first)});
        QVERIFY(child.waitForStarted());
        while (!child.canReadLine() && child.waitForReadyRead(60000)) {
        }
        QCOMPARE(child.readLine(), QByteArray("ready\n"));

        // The moment of the kill: during the backup, the first save or the second one.
        QElapsedTimer running;
        running.start();
        const QDeadlineTimer moment(random.bounded(1, 1000));
        while (!moment.hasExpired())
            child.waitForReadyRead(int(moment.remainingTime()));
        child.kill();
        QVERIFY(child.waitForFinished());

        qsizetype reported = first;
        int reports = 0;
        for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
            if (line.startsWith("saved ")) {
                reported = line.mid(6).toLongLong();
                ++reports;
            }
        }
        if (reports > 0)
            longestSaveMs = std::max(longestSaveMs, running.elapsed() / (reports + 1));
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

    const DictionaryBackups backups(folder.filePath("Data/Backups"));
    const QStringList copies = backups.backupsOf("Big");
    QVERIFY(copies.size() <= DictionaryBackups::Kept);
    for (const QString& copy : copies)
        QVERIFY2(saves.firstOf(read(backups.folder() + u'/' + copy)) >= 0, qPrintable(copy));
    qInfo("%d kills survived (seed %u): %d left the previous save, %d the new one; "
          "%d temporary files left behind; one save took up to %lld ms; %lld backups whole",
          kills, seed, oldSave, newSave, strayFiles, longestSaveMs, qsizetype(copies.size()));
}

QTEST_GUILESS_MAIN(TestKilledSave)
#include "tst_killedsave.moc"
