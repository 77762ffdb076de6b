#include "speech/SpeechWorker.h"

#include <QTextToSpeech>

SpeechWorker::SpeechWorker(const QStringList& engines) : m_engines(engines) {}

QTextToSpeech* SpeechWorker::openEngine(const QStringList& engines, QObject* parent)
{
    const QStringList installed = QTextToSpeech::availableEngines();
    for (const QString& name : engines) {
        if (!installed.contains(name))
            continue;
        auto* speech = new QTextToSpeech(name, parent);
        if (speech->state() != QTextToSpeech::Error && !speech->availableVoices().isEmpty())
            return speech;
        delete speech;
    }
    return nullptr;
}

std::optional<QLocale> SpeechWorker::localeFor(const QList<QLocale>& locales,
                                               QLocale::Language language)
{
    const QLocale own(language);
    if (locales.contains(own))
        return own;
    for (const QLocale& locale : locales)
        if (locale.language() == language)
            return locale;
    return std::nullopt;
}

void SpeechWorker::say(const QString& text, SpeechLanguage language)
{
    if (!m_opened) {
        m_opened = true;
        m_speech = openEngine(m_engines, this);
        if (!m_speech) {
            emit noEngine();
            return;
        }
        connect(m_speech, &QTextToSpeech::errorOccurred, this,
                [this](QTextToSpeech::ErrorReason reason) {
                    if (reason == QTextToSpeech::ErrorReason::Playback)
                        emit playbackFailed();
                    else if (reason != QTextToSpeech::ErrorReason::Input)
                        emit noEngine();
                });
    }
    if (!m_speech)
        return;
    if (language != SpeechLanguage::Other) {
        const auto locale =
            localeFor(m_speech->availableLocales(),
                      language == SpeechLanguage::Russian ? QLocale::Russian : QLocale::English);
        if (locale && *locale != m_speech->locale())
            m_speech->setLocale(*locale);
    }
    m_speech->say(text);
}
