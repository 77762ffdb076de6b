#include "OffscreenWindow.h"

#include "cards/DictionaryStore.h"
#include "shell/FormVocadrill.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QWindow>

#include <stdexcept>

OffscreenWindow::OffscreenWindow(const QString& workloadDictionary, const QString& workloadLearnt)
{
    m_folder.setLastDictionary(m_folder.addDictionary(workloadDictionary));
    if (!workloadLearnt.isEmpty())
        m_folder.setLearnt(workloadLearnt);
    m_window = std::make_unique<TFormVocadrill>(
        TFormVocadrill::Folders{m_folder.exeDir(), m_folder.documentsDir()});
    QObject::connect(&m_boxWatch, &QTimer::timeout, [this] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            m_boxes << box->text();
            box->reject();
        }
    });
    m_boxWatch.start(100);
    m_window->show();
    m_window->execute(QStringLiteral("Next0"));
    if (!waitUntil([this] { return m_window->windowHandle()->isExposed(); }, 30000))
        throw std::runtime_error("the window was never shown");
}

OffscreenWindow::~OffscreenWindow() = default;

bool OffscreenWindow::waitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    // Wakes the loop to look again when no other event comes.
    QTimer wake;
    wake.start(20);
    while (!done()) {
        if (clock.elapsed() >= timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void OffscreenWindow::idle(int ms)
{
    QElapsedTimer clock;
    clock.start();
    waitUntil([&clock, ms] { return clock.elapsed() >= ms; }, ms + 1000);
}
