#pragma once

#include <QString>

// Every data path of the program, built once at start-up. All derive from the executable's
// folder, except the pointer to the last dictionary, which lies in the documents folder.
struct DataPaths
{
    QString ExeDir;
    QString DataDir;
    QString DataFilePath;
    QString ShippedDictDir;
    QString DictDir;
    QString LearntDir;
    QString LearntPath;
    QString ShippedPhoneticDir;
    QString ShippedPhoneticPath;
    QString UserPhoneticDir;
    QString PhoneticPath;
    QString BackgroundsDir;
    QString BGNamePath;
    QString TxtNamePath;
    QString LearntNumbersPath;
    QString HistoryPath;
    QString SoundPath;
    QString HelpPath;
    QString HelpEnPath;
    QString LastDictFilePath;
};

// Builds the paths and makes the folders the program needs, in start-up order. On the first
// run (no dictionaries folder) the shipped dictionaries are copied, with all their subfolders.
// Throws FileError when a folder cannot be made or the copy fails.
DataPaths PrepareDataFolders(const QString& exeDir, const QString& documentsDir);

// The dictionary named by the last-dictionary pointer, or empty when there is none.
QString ReadLastDictPath(const DataPaths& paths);
