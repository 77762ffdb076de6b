#include "cards/DataPaths.h"

#include "cards/FileError.h"
#include "cards/FileNames.h"
#include "cards/TextFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

QString join(const QString& folder, const QString& name)
{
    return folder + u'/' + name;
}

void makeFolder(const QString& folder)
{
    if (!QDir().mkpath(folder))
        throw FileError(QStringLiteral("%1: cannot create the folder").arg(folder));
}

void makeMissingFolder(const QString& folder)
{
    if (!QFileInfo::exists(folder))
        makeFolder(folder);
}

// Copies a folder tree into a new folder. The copy is made beside the target and renamed into
// place at the end, so an interrupted copy is made again at the next start.
void copyTree(const QString& from, const QString& to)
{
    const QString partial = to + QStringLiteral(".partial");
    QDir(partial).removeRecursively();
    makeFolder(partial);
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    const QDir source(from);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        const QString target = join(partial, source.relativeFilePath(entry.filePath()));
        if (entry.isDir()) {
            makeFolder(target);
            continue;
        }
        QFile file(entry.filePath());
        if (!file.copy(target))
            throw FileError(QStringLiteral("%1: %2").arg(entry.filePath(), file.errorString()));
    }
    if (!QDir().rename(partial, to))
        throw FileError(QStringLiteral("%1: cannot create the folder").arg(to));
}

} // namespace

DataPaths PrepareDataFolders(const QString& exeDir, const QString& documentsDir)
{
    DataPaths p;
    p.ExeDir = QDir::cleanPath(QDir(exeDir).absolutePath());

    p.DataDir = join(p.ExeDir, "Data");
    p.DataFilePath = join(p.DataDir, "DataFile");
    makeMissingFolder(p.DataDir);

    p.ShippedDictDir = join(p.DataDir, "OriginalDictionaries");
    makeMissingFolder(p.ShippedDictDir);

    p.DictDir = join(p.ExeDir, BareFileName("Vocadrill.exe"));

    p.ShippedPhoneticDir = join(p.DataDir, "OriginalPhonetic");
    p.BackgroundsDir = join(p.DataDir, "Backgrounds");
    p.LastDictFilePath = documentsDir.isEmpty() ? QStringLiteral("LastDictFileName")
                                                : join(documentsDir, "LastDictFileName");
    p.BGNamePath = join(p.DataDir, "BGName.txt");
    p.TxtNamePath = join(p.DataDir, "TxtName.txt");
    p.LearntNumbersPath = join(p.DataDir, "LearntNumbers.ini");
    p.HistoryPath = join(p.DataDir, "History.txt");
    p.SoundPath = join(p.DataDir, "Sound.wav");
    p.HelpPath = join(p.DataDir, "Help.txt");
    p.HelpEnPath = join(p.DataDir, "Help.En.txt");

    if (!QFileInfo::exists(p.DictDir) && QFileInfo(p.ShippedDictDir).isDir())
        copyTree(p.ShippedDictDir, p.DictDir);

    p.LearntDir = join(p.DictDir, "Learnt");
    makeMissingFolder(p.LearntDir);
    p.LearntPath = join(p.LearntDir, "Learnt.txt");

    p.ShippedPhoneticPath = join(p.ShippedPhoneticDir, "Phonetic.txt");
    p.UserPhoneticDir = join(p.DictDir, "Phonetic");
    p.PhoneticPath = QFileInfo(p.UserPhoneticDir).isDir() ? join(p.UserPhoneticDir, "Phonetic.txt")
                                                          : p.ShippedPhoneticPath;

    if (!QFileInfo::exists(p.BackgroundsDir)) {
        makeFolder(p.BackgroundsDir);
        for (const char* mode : {"0", "1", "2"})
            makeFolder(join(p.BackgroundsDir, mode));
    }
    return p;
}

QString ReadLastDictPath(const DataPaths& paths)
{
    if (!QFileInfo::exists(paths.LastDictFilePath))
        return {};
    try {
        return TextFile::readOnePath(paths.LastDictFilePath);
    } catch (const FileError&) {
        return {};
    }
}
