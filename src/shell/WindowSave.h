#pragma once

#include <QObject>
#include <QTimer>

struct WindowParts;

// When and how the window saves: the record taken from the controls, then the save of
// everything, soon after each change of what it writes, every five minutes, and when the
// session or the program ends. Errors are shown in a message box.
class WindowSave : public QObject
{
    Q_OBJECT

public:
    // Makes the window's save scheduler.
    explicit WindowSave(WindowParts& parts);

    // False when the save failed or another save is still running.
    bool SaveAll0();
    // Connects the changes, the timer and the end of the session to the save.
    void connectTriggers();
    // The save on close has run; quitting then needs no other.
    void closedAfterSave() { m_savedForQuit = true; }

private:
    void WriteDataFile();

    WindowParts& m_parts;
    QTimer tmSave;
    bool m_saving = false;
    bool m_savedForQuit = false;
};
