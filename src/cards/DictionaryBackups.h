#pragma once

#include <QDateTime>
#include <QSet>
#include <QString>

#include <functional>

// Copies of the dictionary files as they were before this run first rewrote them, kept in one
// folder as "<dictionary> <yyyy-MM-dd HH.mm.ss>.txt" (with " (n)" when that name is taken). At
// most a fixed number of copies are kept per dictionary; the oldest go first.
class DictionaryBackups
{
public:
    using Clock = std::function<QDateTime()>;

    static constexpr int Kept = 10;

    explicit DictionaryBackups(QString folder, Clock clock = &QDateTime::currentDateTime);

    const QString& folder() const { return m_folder; }

    // Keeps a copy of the file at dictPath unless this run has already done so or the file does
    // not exist, then removes the oldest copies beyond the limit. Throws FileError when the copy
    // cannot be made; the dictionary is then best left unwritten.
    void beforeRewrite(const QString& dictPath);

    // The copies of a dictionary (by its name without ".txt"), oldest first.
    QStringList backupsOf(const QString& dictName) const;

private:
    QString m_folder;
    Clock m_clock;
    QSet<QString> m_done;
};
