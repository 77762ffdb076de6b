#pragma once

#include "save/SaveAll.h"

#include <QObject>
#include <QThreadPool>

#include <functional>
#include <memory>

class DictionaryStore;

// Runs the save of everything on a worker thread, one save at a time: the snapshot is taken on
// the calling thread, the files are written on the worker, and the outcome comes back to the
// calling thread. A save asked for while one runs is merged into one more save, from a fresh
// snapshot, after it.
class BackgroundSave : public QObject
{
    Q_OBJECT

public:
    using TakeSnapshot = std::function<SaveSnapshot()>;

    BackgroundSave(DictionaryStore& store, TakeSnapshot take, QObject* parent = nullptr);
    // Waits for the running save.
    ~BackgroundSave() override;

    // Asks for a save: starts one now, or when one runs, one more after it.
    void request();
    bool isRunning() const { return bool(m_job); }
    // Waits for the running save and hands its outcome out at once; a save asked for meanwhile
    // still runs after it, from the event loop.
    void waitForRunning();
    // The same wait, for a caller that saves everything itself at once: a save asked for
    // meanwhile is dropped.
    void takeOver();

signals:
    void saved();
    void failed(const QString& message);

private:
    struct Job;

    void start();
    void deliver(std::shared_ptr<Job> job);
    void startAgain();

    DictionaryStore& m_store;
    TakeSnapshot m_take;
    QThreadPool m_pool;
    std::shared_ptr<Job> m_job;
    bool m_again = false;
};
