#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

// Small file helpers for the tests: whole files written and read as bytes.
namespace TestFiles {

inline void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

inline QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace TestFiles
