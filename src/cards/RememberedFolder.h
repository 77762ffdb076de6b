#pragma once

#include <QString>

// The folder an open-file dialog starts in: the folder of the last file picked through it,
// kept in memory for the run and in a one-path file between runs.
class RememberedFolder
{
public:
    explicit RememberedFolder(QString filePath);

    // Takes the folder from the file when the file exists and can be read; otherwise keeps the
    // one in memory.
    void load();
    // The folder to start in: DirName when it names an existing folder, otherwise empty, so
    // that the system chooses.
    QString startFolder() const;
    // Remembers the folder of a picked file, in memory only.
    void pick(const QString& pickedPath);
    // Writes DirName as the file's only line. Throws FileError.
    void save() const;

    QString DirName;

private:
    QString m_filePath;
};
