#include "shell/WindowPorts.h"

#include "cards/RandomSource.h"
#include "dictionaries/DictionariesTab.h"
#include "shell/ActionsPanel.h"
#include "shell/FormVocadrill.h"
#include "widgets/MessageBoxes.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSoundEffect>
#include <QTabWidget>
#include <QUrl>

WindowPorts::WindowPorts(TFormVocadrill& window) : m_window(window) {}

WindowPorts::~WindowPorts() = default;

EnginePorts WindowPorts::ports()
{
    return {*this, *this, *this, m_hintPause, programRandom(), *this, *this};
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
    return m_window.messageText(messageLabelName(message));
}

void WindowPorts::showModal(const QString& text)
{
    MessageBoxes::showMessage(&m_window, text);
}

void WindowPorts::MyMessage(const QString& text)
{
    m_window.MyMessage(text);
}

bool WindowPorts::waitAfterZoomRunning()
{
    return m_window.tmWaitAfterZoom.isActive();
}

void WindowPorts::restartGesture()
{
    m_window.tmGesture.start();
}

void WindowPorts::hideActions()
{
    m_window.m_actionsPanel->hide();
}

void WindowPorts::showDictionaries()
{
    if (m_window.isFullScreen0())
        m_window.execute(QStringLiteral("FullScreen0"));
    m_window.m_tabs->setCurrentWidget(m_window.m_dictionaries);
}
