#include "save/BackgroundSave.h"

#include "cards/DictionaryStore.h"
#include "cards/FileError.h"

#include <QMetaObject>

// One save: written on the worker, read back on the calling thread only after the worker ended.
struct BackgroundSave::Job
{
    SaveSnapshot snapshot;
    bool succeeded = false;
    QString error;
};

BackgroundSave::BackgroundSave(DictionaryStore& store, TakeSnapshot take, QObject* parent)
    : QObject(parent), m_store(store), m_take(std::move(take))
{
    m_pool.setMaxThreadCount(1);
}

BackgroundSave::~BackgroundSave()
{
    m_pool.waitForDone();
}

void BackgroundSave::request()
{
    if (m_job) {
        m_again = true;
        return;
    }
    start();
}

void BackgroundSave::start()
{
    auto job = std::make_shared<Job>();
    job->snapshot = m_take();
    m_job = job;
    m_pool.start([this, job] {
        try {
            writeSnapshot(job->snapshot);
            job->succeeded = true;
        } catch (const FileError& error) {
            job->error = error.message();
        } catch (const std::exception& error) {
            job->error = QString::fromLocal8Bit(error.what());
        }
        QMetaObject::invokeMethod(
            this, [this, job] { deliver(job); }, Qt::QueuedConnection);
    });
}

void BackgroundSave::deliver(std::shared_ptr<Job> job)
{
    // The outcome of a save that waitForRunning has already handed out.
    if (job != m_job)
        return;
    m_job.reset();
    m_store.ownFilesWritten(job->snapshot.files, job->succeeded);
    if (job->succeeded) {
        emit saved();
    } else {
        // A failing disk is not tried again at once; the next change or timer asks anew.
        m_again = false;
        emit failed(job->error);
    }
    if (m_again)
        QMetaObject::invokeMethod(this, &BackgroundSave::startAgain, Qt::QueuedConnection);
}

void BackgroundSave::startAgain()
{
    if (!m_again || m_job)
        return;
    m_again = false;
    start();
}

void BackgroundSave::waitForRunning()
{
    if (!m_job)
        return;
    m_pool.waitForDone();
    deliver(m_job);
}

void BackgroundSave::takeOver()
{
    m_again = false;
    waitForRunning();
}
