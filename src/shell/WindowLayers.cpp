#include "shell/WindowLayers.h"

#include "appearance/ViewEditor.h"
#include "cardscreen/CardScreen.h"
#include "cardscreen/GestureLayer.h"
#include "dictionaries/ListViewer.h"
#include "progress/ProgressView.h"
#include "shell/ActionsPanel.h"
#include "shell/CardEditor.h"
#include "shell/FarewellPanel.h"
#include "shell/HelpScreen.h"
#include "shell/MessagePanel.h"
#include "shell/TopBar.h"
#include "shell/WindowParts.h"
#include "widgets/AutoLamp.h"

#include <QCheckBox>
#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QTabWidget>

namespace {

constexpr QRgb LampOff = 0xFF808080;
constexpr QRgb LampOn = 0xFFFF0000;
constexpr QRgb LampReady = 0xFF006400;

} // namespace

WindowLayers::WindowLayers(WindowParts& parts) : QObject(&parts.window), m_parts(parts) {}

void WindowLayers::followResizes()
{
    m_parts.main->installEventFilter(this);
    m_parts.tbPlay->installEventFilter(this);
    for (QWidget* panel : overlayPanels())
        panel->installEventFilter(this);
}

bool WindowLayers::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_parts.main || watched == m_parts.tbPlay) {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
            layoutOverlays();
    } else if (event->type() == QEvent::Hide) {
        focusCardScreen();
    }
    return QObject::eventFilter(watched, event);
}

// The learning keys go to the card screen whenever it shows with no panel over it.
void WindowLayers::focusCardScreen()
{
    // Asked of the window, so that the keys are there at the start, before the window shows.
    if (!m_parts.gestures->isVisibleTo(&m_parts.window))
        return;
    for (const QWidget* panel : overlayPanels())
        if (panel != m_parts.messagePanel && panel->isVisibleTo(&m_parts.window))
            return;
    m_parts.gestures->setFocus(Qt::OtherFocusReason);
}

// The layers over the tabs cover the whole window; the gesture layer covers the card screen
// alone, so that the status line under it keeps its own clicks, or everything in full-screen
// mode.
void WindowLayers::layoutOverlays()
{
    const QRect all = m_parts.main->rect();
    m_parts.fullScreen->setGeometry(all);
    const QRect card =
        m_parts.isFullScreen0()
            ? all
            : QRect(m_parts.tbPlay->mapTo(m_parts.main, QPoint(0, 0)), m_parts.tbPlay->size());
    m_parts.gestures->setGeometry(card.adjusted(1, 0, 0, 0));
    for (QWidget* panel : overlayPanels())
        panel->setGeometry(all);
    // The actions panel leaves the top bar uncovered, so that "..." closes it as it opened it.
    if (!m_parts.isFullScreen0())
        m_parts.actionsPanel->setGeometry(all.adjusted(0, m_parts.topBar->height(), 0, 0));
}

void WindowLayers::keepSmallestSize()
{
    QSize smallest = m_parts.window.minimumSizeHint();
    for (const QWidget* panel : overlayPanels())
        smallest = smallest.expandedTo(panel->minimumSizeHint() +
                                       QSize(0, panel == m_parts.actionsPanel
                                                    ? m_parts.topBar->minimumSizeHint().height()
                                                    : 0));
    m_parts.window.setMinimumSize(smallest);
}

QList<QWidget*> WindowLayers::overlayPanels() const
{
    return {m_parts.messagePanel, m_parts.viewer, m_parts.progress, m_parts.viewEditor,
            m_parts.actionsPanel, m_parts.word,   m_parts.help,     m_parts.farewell};
}

void WindowLayers::TabControl1Paint()
{
    const bool play = m_parts.tabs->currentWidget() == m_parts.tbPlay;
    m_parts.gestures->setVisible(play);
    if (!play)
        m_parts.topBar->cbAuto()->setChecked(false);
    m_parts.topBar->cbAuto()->setEnabled(play);
    MyRadio();
    m_parts.engine->display().DoIndicator();
    layoutOverlays();
    focusCardScreen();
}

void WindowLayers::MyRadio()
{
    const bool play = m_parts.tabs->currentWidget() == m_parts.tbPlay;
    m_parts.topBar->recAuto()->setVisible(play);
    m_parts.topBar->btActions()->setVisible(play);
    const QCheckBox* autoBox = m_parts.topBar->cbAuto();
    const QColor colour(!autoBox->isEnabled()  ? LampOff
                        : autoBox->isChecked() ? LampOn
                                               : LampReady);
    m_parts.topBar->lamp()->setInnerColor(colour);
    m_parts.gestures->lamp->setInnerColor(colour);
}

void WindowLayers::Actions0Execute()
{
    m_parts.topBar->cbAuto()->setChecked(false);
    m_parts.tmGesture.start();
    m_parts.actionsPanel->setVisible(!m_parts.actionsPanel->isVisible());
    if (m_parts.actionsPanel->isVisible())
        m_parts.actionsPanel->raise();
}

void WindowLayers::FullScreen0Execute()
{
    m_parts.actionsPanel->hide();
    const bool on = m_parts.isFullScreen0();
    m_parts.fullScreen->setVisible(on);
    QWidget* host = on ? m_parts.fullScreen : m_parts.tbPlay;
    if (m_parts.card->parentWidget() != host) {
        m_parts.card->setParent(host);
        host->layout()->addWidget(m_parts.card);
        m_parts.card->show();
    }
    m_parts.gestures->lamp->setVisible(on);
    m_parts.fullScreen->raise();
    m_parts.gestures->raise();
    layoutOverlays();
}
