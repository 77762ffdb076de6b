#pragma once

#include <QObject>
#include <QTimer>

struct WindowParts;

// When and how the window saves: the record taken from the controls, then the save of
// everything, soon after each change of what it writes and every five minutes on a worker
// thread, and when the session or the program ends at once. Errors are shown in a message box.
class WindowSave : public QObject
{
    Q_OBJECT

public:
    // Makes the window's save scheduler.
    explicit WindowSave(WindowParts& parts);
    ~WindowSave() override;

    // Saves at once, after the save on the worker has ended. False when the save failed or
    // another save is still running.
    bool SaveAll0();
    // Starts a save on the worker thread, or one more after the running one.
    void saveInBackground();
    // Connects the changes, the timer and the end of the session to the save.
    void connectTriggers();
    // The save on close has run; quitting then needs no other.
    void closedAfterSave() { m_savedForQuit = true; }

private:
    void WriteDataFile();
    void connectBackgroundSave();
    void backgroundSaveFailed(const QString& message);

    WindowParts& m_parts;
    QTimer tmSave;
    bool m_saving = false;
    // The count of the scheduler's changes that the save on the worker holds.
    quint64 m_changesInSave = 0;
    bool m_savedForQuit = false;
};
