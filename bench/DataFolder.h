#pragma once

#include "cards/DataPaths.h"

#include <QString>
#include <QTemporaryDir>

// The program's folders in a temporary directory, as a previous start left them, with copies
// of workload files as dictionaries and phonetic table.
class DataFolder
{
public:
    DataFolder();

    QString exeDir() const { return m_root.filePath(QStringLiteral("exe")); }
    QString documentsDir() const { return m_root.filePath(QStringLiteral("documents")); }
    const DataPaths& paths() const { return m_paths; }

    // Copies a workload file into the dictionaries folder; returns its path there.
    QString addDictionary(const QString& workloadFile);
    // Copies a workload file in as the user's phonetic table.
    void setPhonetic(const QString& workloadFile);
    // Copies a workload file in as the learnt list of earlier runs.
    void setLearnt(const QString& workloadFile);
    // Names the dictionary the program reopens at start.
    void setLastDictionary(const QString& path);

private:
    QTemporaryDir m_root;
    DataPaths m_paths;
};
