#pragma once

#include "engine/EnginePorts.h"

#include <QObject>
#include <QStringList>
#include <QThread>

class SpeechWorker;

// The voice that says the cards' words: the system's speech engines on a thread of their own,
// so that opening one never holds up the window. When the cards cannot be spoken it says why,
// once, and stays silent from then on.
class CardVoice : public QObject, public Speech
{
    Q_OBJECT

public:
    // The engines to try, in order: the speech service with its many languages, then the small
    // English one.
    explicit CardVoice(const QStringList& engines = {QStringLiteral("speechd"),
                                                     QStringLiteral("flite")},
                       QObject* parent = nullptr);
    ~CardVoice() override;

    void say(const QString& text, SpeechLanguage language) override;

signals:
    // Why the cards cannot be spoken, in the interface language.
    void unavailable(const QString& message);

private:
    bool start();
    void fail(const QString& message);

    QStringList m_engines;
    QThread m_thread;
    SpeechWorker* m_worker = nullptr;
    bool m_failed = false;
};
