#pragma once

#include "DataFolder.h"

#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

class TFormVocadrill;

// The program's window over a data folder of its own, which holds a copy of a workload
// dictionary that the window opens at start and, when given, a workload file as the learnt list
// of earlier runs; shown with its first card. A message box that opens is an error of the run:
// its text is noted and the box closed.
class OffscreenWindow
{
public:
    explicit OffscreenWindow(const QString& workloadDictionary, const QString& workloadLearnt = {});
    ~OffscreenWindow();

    TFormVocadrill& window() { return *m_window; }
    const DataFolder& folder() const { return m_folder; }
    const QStringList& boxes() const { return m_boxes; }

    // Runs the event loop until done holds; false when timeoutMs pass first.
    static bool waitUntil(const std::function<bool()>& done, int timeoutMs);
    // Runs the event loop for a while.
    static void idle(int ms);

private:
    DataFolder m_folder;
    std::unique_ptr<TFormVocadrill> m_window;
    QTimer m_boxWatch;
    QStringList m_boxes;
};
