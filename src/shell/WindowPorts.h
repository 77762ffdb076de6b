#pragma once

#include "engine/EnginePorts.h"
#include "engine/EventLoopHintPause.h"

#include <memory>

class CardVoice;
class QSoundEffect;
struct WindowParts;

// The engine's ways to the outside, for the running window: the system clipboard, the learnt
// sound, the message labels and boxes, the input timers, the window's screens and the voice.
class WindowPorts : private Clipboard,
                    private Sound,
                    private Messages,
                    private InputGuards,
                    private Screens,
                    private Speech
{
public:
    explicit WindowPorts(WindowParts& parts);
    ~WindowPorts() override;

    EnginePorts ports();
    // The voice the cards are said with, in place of the system's.
    void setVoice(Speech& voice);

private:
    QString TextFromClipboard() override;
    void TextToClipboard(const QString& text) override;
    void Vibrate(const QString& soundPath) override;
    QString text(Message message) override;
    void showModal(const QString& text) override;
    void MyMessage(const QString& text) override;
    bool waitAfterZoomRunning() override;
    void restartGesture() override;
    void hideActions() override;
    void showDictionaries() override;
    void say(const QString& text, SpeechLanguage language) override;

    WindowParts& m_parts;
    EventLoopHintPause m_hintPause;
    std::unique_ptr<QSoundEffect> m_sound;
    std::unique_ptr<CardVoice> m_cardVoice;
    Speech* m_voice;
};
