#pragma once

#include "shell/FormVocadrill.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// A program folder in a temporary directory, with dictionaries put in before the window starts,
// and the window built over it (the folder doubles as the documents folder).
class WindowFixture
{
public:
    QString path(const QString& relative) const { return m_dir.filePath(relative); }

    void putDictionary(const QString& name, const QByteArray& bytes)
    {
        QDir().mkpath(path("Vocadrill"));
        QFile file(path("Vocadrill/" + name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    // The dictionary the next window opens at start.
    void pointAt(const QString& name)
    {
        QFile file(path("LastDictFileName"));
        if (file.open(QIODevice::WriteOnly))
            file.write((path("Vocadrill/" + name) + "\r\n").toUtf8());
    }

    TFormVocadrill& start()
    {
        m_window = std::make_unique<TFormVocadrill>(
            TFormVocadrill::Folders{m_dir.path(), m_dir.path()});
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        QTest::qWaitForWindowActive(m_window.get());
        return *m_window;
    }

    // Starts with one dictionary in the folder, open.
    TFormVocadrill& startWith(const QString& name, const QByteArray& bytes)
    {
        putDictionary(name, bytes);
        pointAt(name);
        return start();
    }

    void stop() { m_window.reset(); }
    TFormVocadrill& window() { return *m_window; }

    QByteArray read(const QString& relative) const
    {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TFormVocadrill> m_window;
};

namespace WindowTest {

// A small dictionary of three cards, in the program's own format.
inline const QByteArray animals = "\xEF\xBB\xBF"
                                  "cat = кошка\r\ndog = собака\r\nbird = птица\r\n";
inline const QStringList animalLines{QStringLiteral("cat = кошка"), QStringLiteral("dog = собака"),
                                     QStringLiteral("bird = птица")};

// The window's child of that name; a test without it cannot go on.
template <typename T> T* child(QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

} // namespace WindowTest
