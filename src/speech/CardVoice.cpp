#include "speech/CardVoice.h"

#include "speech/SpeechWorker.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QTextToSpeech>

#include <algorithm>

CardVoice::CardVoice(const QStringList& engines, QObject* parent)
    : QObject(parent), m_engines(engines)
{
    m_thread.setObjectName(QStringLiteral("speech"));
}

CardVoice::~CardVoice()
{
    m_thread.quit();
    m_thread.wait();
}

void CardVoice::say(const QString& text, SpeechLanguage language)
{
    if (m_failed || (!m_worker && !start()))
        return;
    SpeechWorker* worker = m_worker;
    QMetaObject::invokeMethod(worker, [worker, text, language] { worker->say(text, language); });
}

// The worker and its thread come on the first word said, so a run that says nothing opens
// neither the speech service nor the audio device.
bool CardVoice::start()
{
    const QStringList installed = QTextToSpeech::availableEngines();
    const bool anyEngine =
        std::any_of(m_engines.cbegin(), m_engines.cend(),
                    [&](const QString& name) { return installed.contains(name); });
    if (!anyEngine) {
        fail(tr("No speech engine is installed: the cards cannot be spoken"));
        return false;
    }
    if (QMediaDevices::audioOutputs().isEmpty()) {
        fail(tr("No audio device was found: the cards cannot be spoken"));
        return false;
    }
    m_worker = new SpeechWorker(m_engines);
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &SpeechWorker::noEngine, this,
            [this] { fail(tr("No speech engine is installed: the cards cannot be spoken")); });
    connect(m_worker, &SpeechWorker::playbackFailed, this,
            [this] { fail(tr("No audio device was found: the cards cannot be spoken")); });
    m_thread.start();
    return true;
}

void CardVoice::fail(const QString& message)
{
    if (m_failed)
        return;
    m_failed = true;
    emit unavailable(message);
}
