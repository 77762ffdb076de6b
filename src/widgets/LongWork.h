#pragma once

#include "cards/ChunkedLines.h"

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class QFrame;
class QLabel;
class QWidget;

// Work on the dictionary that takes long: its computation runs on a worker thread while the
// window keeps painting, under a busy cursor at once and with a progress bar after a moment;
// its result is applied on the interface thread.
class LongWork : public QObject
{
    Q_OBJECT

public:
    // From this many lines on, work on a dictionary runs off the interface thread.
    static constexpr qsizetype longLines = 200000;
    // A dictionary file of this many bytes holds about that many lines.
    static constexpr qint64 longFileBytes = 4 * 1024 * 1024;

    explicit LongWork(QWidget& window);
    ~LongWork() override;

    // Whether work on the file at path runs off the interface thread: its size is longFileBytes
    // or more.
    static bool isLongFile(const QString& path);

    // Between the start of a computation and the end of its apply step.
    bool busy() const { return bool(m_apply); }

    // Runs compute on a worker thread, then apply with its result on this thread. compute works
    // on its own copies only.
    template <typename Result>
    void run(std::function<Result()> compute, std::function<void(Result)> apply)
    {
        auto result = std::make_shared<Result>();
        start([compute = std::move(compute), result] { *result = compute(); },
              [apply = std::move(apply), result] { apply(std::move(*result)); });
    }

    // The same for a computation without a result.
    void run(std::function<void()> compute, std::function<void()> apply)
    {
        start(compute, std::move(apply));
    }

    // Frees lines that work replaced a slice at a time between the window's events: a million
    // strings take tens of milliseconds to free. Chunks still shared elsewhere are left to their
    // other holders.
    void release(ChunkedLines lines);

    // Waits for the running work and applies its result, and so for the work its apply step
    // starts; does nothing when no work runs.
    void finish();

signals:
    // Work has begun.
    void started();

private:
    void start(const std::function<void()>& compute, std::function<void()> apply);
    void end();
    void showBar();
    void freeSlice(const std::shared_ptr<ChunkedLines>& lines);

    QWidget& m_window;
    QFutureWatcher<void> m_watcher;
    std::function<void()> m_apply;
    QTimer m_barDelay;
    QFrame* m_bar;
    QLabel* m_caption;
};
