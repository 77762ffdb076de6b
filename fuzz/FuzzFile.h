#pragma once

#include <QByteArrayView>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdlib>

// A file that the code under test reads by its path, kept in memory-backed storage when the
// system has it, so that a run is not slowed by the disk.
inline QString fuzzFolder()
{
    static const QString folder = [] {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                       : QDir::tempPath();
        const QString path = QStringLiteral("%1/vocadrill-fuzz-%2")
                                 .arg(base)
                                 .arg(QCoreApplication::applicationPid());
        QDir().mkpath(path);
        return path;
    }();
    // Registered after the folder's name, so it runs while the name still exists.
    static const bool removedAtExit =
        std::atexit([] { QDir(fuzzFolder()).removeRecursively(); }) == 0;
    Q_UNUSED(removedAtExit);
    return folder;
}

inline QString fuzzFile(const QString& name, QByteArrayView bytes)
{
    const QString path = fuzzFolder() + u'/' + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes.data(), bytes.size());
    return path;
}
