#pragma once

#include "engine/EnginePorts.h"

#include <QLocale>
#include <QObject>
#include <QStringList>

#include <optional>

class QTextToSpeech;

// The speech engine, opened on first use on the thread the worker lives in: opening one may
// start the system's speech service and take seconds.
class SpeechWorker : public QObject
{
    Q_OBJECT

public:
    // The engines to try, in order of preference.
    explicit SpeechWorker(const QStringList& engines);

    // The first of the engines that opens without an error and has a voice; nullptr when none.
    static QTextToSpeech* openEngine(const QStringList& engines, QObject* parent);
    // The locale of the language among those of an engine: the language's own one when the
    // engine has it, else the first of that language.
    static std::optional<QLocale> localeFor(const QList<QLocale>& locales,
                                            QLocale::Language language);

    // Says the text with a voice of the language, where the engine has one.
    void say(const QString& text, SpeechLanguage language);

signals:
    void noEngine();
    void playbackFailed();

private:
    QStringList m_engines;
    QTextToSpeech* m_speech = nullptr;
    bool m_opened = false;
};
