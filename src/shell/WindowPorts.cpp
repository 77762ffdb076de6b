#include "shell/WindowPorts.h"

#include "cards/RandomSource.h"
#include "dictionaries/DictionariesTab.h"
#include "shell/ActionsPanel.h"
#include "shell/WindowParts.h"
#include "speech/CardVoice.h"
#include "widgets/MessageBoxes.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMainWindow>
#include <QSoundEffect>
#include <QTabWidget>
#include <QUrl>

WindowPorts::WindowPorts(WindowParts& parts)
    : m_parts(parts), m_cardVoice(std::make_unique<CardVoice>()), m_voice(m_cardVoice.get())
{
    QObject::connect(m_cardVoice.get(), &CardVoice::unavailable, &m_parts.window,
                     [this](const QString& message) { m_parts.MyMessage(message); });
}

WindowPorts::~WindowPorts() = default;

EnginePorts WindowPorts::ports()
{
    return {*this, *this, *this, m_hintPause, programRandom(), *this, *this, *this};
}

void WindowPorts::setVoice(Speech& voice)
{
    m_voice = &voice;
}

QString WindowPorts::TextFromClipboard()
{
    return QGuiApplication::clipboard()->text();
}

void WindowPorts::TextToClipboard(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

void WindowPorts::Vibrate(const QString& soundPath)
{
    // Made on first use, so a run without learnt cards never opens the audio device.
    if (!m_sound) {
        m_sound = std::make_unique<QSoundEffect>();
        m_sound->setSource(QUrl::fromLocalFile(soundPath));
    }
    m_sound->play();
}

QString WindowPorts::text(Message message)
{
    return m_parts.messageText(messageLabelName(message));
}

void WindowPorts::showModal(const QString& text)
{
    MessageBoxes::showMessage(&m_parts.window, text);
}

void WindowPorts::MyMessage(const QString& text)
{
    m_parts.MyMessage(text);
}

bool WindowPorts::waitAfterZoomRunning()
{
    return m_parts.tmWaitAfterZoom.isActive();
}

void WindowPorts::restartGesture()
{
    m_parts.tmGesture.start();
}

void WindowPorts::hideActions()
{
    m_parts.actionsPanel->hide();
}

void WindowPorts::showDictionaries()
{
    if (m_parts.isFullScreen0())
        m_parts.execute(QStringLiteral("FullScreen0"));
    m_parts.tabs->setCurrentWidget(m_parts.dictionaries);
}

void WindowPorts::say(const QString& text, SpeechLanguage language)
{
    m_voice->say(text, language);
}
