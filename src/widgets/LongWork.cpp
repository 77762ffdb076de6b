#include "widgets/LongWork.h"

#include "widgets/ErrorBoundary.h"

#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <exception>

namespace {

constexpr int barDelayMs = 300;
constexpr qsizetype releaseSlice = 20000;

} // namespace

LongWork::LongWork(QWidget& window)
    : QObject(&window), m_window(window), m_bar(new QFrame(&window)), m_caption(new QLabel(m_bar))
{
    m_bar->setObjectName(QStringLiteral("recLongWork"));
    m_bar->setFrameShape(QFrame::StyledPanel);
    m_bar->setAutoFillBackground(true);
    auto* row = new QHBoxLayout(m_bar);
    row->addWidget(m_caption);
    auto* progress = new QProgressBar(m_bar);
    progress->setRange(0, 0);
    row->addWidget(progress, 1);
    m_bar->hide();
    m_barDelay.setSingleShot(true);
    m_barDelay.setInterval(barDelayMs);
    connect(&m_barDelay, &QTimer::timeout, this, &LongWork::showBar);
    connect(&m_watcher, &QFutureWatcher<void>::finished, this, &LongWork::end);
}

// The worker only reads its own copies, but it must not outlive the program's statics.
LongWork::~LongWork()
{
    m_watcher.waitForFinished();
    if (busy())
        QGuiApplication::restoreOverrideCursor();
}

bool LongWork::isLongFile(const QString& path)
{
    return QFileInfo(path).size() >= longFileBytes;
}

void LongWork::release(ChunkedLines lines)
{
    freeSlice(std::make_shared<ChunkedLines>(std::move(lines)));
}

void LongWork::freeSlice(const std::shared_ptr<ChunkedLines>& lines)
{
    lines->truncate(std::max<qsizetype>(0, lines->size() - releaseSlice));
    if (!lines->isEmpty())
        QTimer::singleShot(0, this, [this, lines] { freeSlice(lines); });
}

void LongWork::start(const std::function<void()>& compute, std::function<void()> apply)
{
    // A failure on the worker is shown on this thread, where the apply step would have run.
    auto failure = std::make_shared<std::exception_ptr>();
    m_apply = [apply = std::move(apply), failure] {
        if (*failure)
            std::rethrow_exception(*failure);
        apply();
    };
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    m_barDelay.start();
    emit started();
    m_watcher.setFuture(QtConcurrent::run([compute, failure] {
        try {
            compute();
        } catch (...) {
            *failure = std::current_exception();
        }
    }));
}

// An apply step may start the next work (an import goes on to open the copy): that ends too.
void LongWork::finish()
{
    while (busy()) {
        m_watcher.waitForFinished();
        end();
    }
}

void LongWork::end()
{
    if (!busy())
        return;
    const std::function<void()> apply = std::exchange(m_apply, {});
    m_barDelay.stop();
    m_bar->hide();
    QGuiApplication::restoreOverrideCursor();
    runGuarded(&m_window, apply);
}

// The bar lies along the bottom of the window, over whatever is shown there.
void LongWork::showBar()
{
    m_caption->setText(tr("Working on the dictionary…"));
    const int height = m_bar->sizeHint().height();
    m_bar->setGeometry(0, m_window.height() - height, m_window.width(), height);
    m_bar->show();
    m_bar->raise();
}
