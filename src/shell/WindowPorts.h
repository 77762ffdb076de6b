#pragma once

#include "engine/EnginePorts.h"
#include "engine/EventLoopHintPause.h"

#include <memory>

class QSoundEffect;
struct WindowParts;

// The engine's ways to the outside, for the running window: the system clipboard, the learnt
// sound, the message labels and boxes, the input timers and the window's screens.
class WindowPorts : private Clipboard,
                    private Sound,
                    private Messages,
                    private InputGuards,
                    private Screens
{
public:
    explicit WindowPorts(WindowParts& parts);
    ~WindowPorts() override;

    EnginePorts ports();

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

    WindowParts& m_parts;
    EventLoopHintPause m_hintPause;
    std::unique_ptr<QSoundEffect> m_sound;
};
