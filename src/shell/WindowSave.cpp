#include "shell/WindowSave.h"

#include "appearance/SettingsScreen.h"
#include "cardscreen/CardScreen.h"
#include "cardscreen/GestureLayer.h"
#include "save/BackgroundSave.h"
#include "save/SaveAll.h"
#include "save/SaveScheduler.h"
#include "shell/HelpScreen.h"
#include "shell/TopBar.h"
#include "shell/WindowParts.h"
#include "widgets/ErrorBoundary.h"
#include "widgets/LongWork.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QMainWindow>
#include <QPushButton>

WindowSave::WindowSave(WindowParts& parts) : QObject(&parts.window), m_parts(parts)
{
    m_parts.saveScheduler = new SaveScheduler(this);
}

WindowSave::~WindowSave()
{
    if (m_parts.backgroundSave)
        m_parts.store->setWaitForRunningSave({});
}

// The record takes what the controls hold: the switches, the ticks, the view and the window's
// place.
void WindowSave::WriteDataFile()
{
    DataRecord& record = m_parts.record;
    const SettingsScreen* settings = m_parts.settings;
    const int mode = m_parts.LearningMode();
    record.LearningMode = mode;
    record.ShowRightToLeftCheckBox = settings->SwitchShowRightToLeftCheckBox()->isChecked();
    record.RightToLeftTicked = m_parts.gestures->cbRightToLeft->isChecked();
    record.ShowPhoneticCheckBox = settings->SwitchShowPhoneticCheckBox()->isChecked();
    record.PhoneticTicked = m_parts.gestures->cbPhonetic->isChecked();
    record.ShowIndicators = settings->SwitchShowIndicators()->isChecked();
    m_parts.card->GetView(record.Views[mode]);
    record.GeometryMark = StoredGeometryMark;
    const QRect frame = m_parts.window.geometry();
    record.WindowTop = frame.top();
    record.WindowLeft = frame.left();
    record.WindowWidth = frame.width();
    record.WindowHeight = frame.height();
}

bool WindowSave::SaveAll0()
{
    // A timer may fire while the message box of a failed save is open; one save at a time.
    if (m_saving)
        return false;
    m_saving = true;
    if (m_parts.backgroundSave)
        m_parts.backgroundSave->takeOver();
    const bool saved = runGuarded(&m_parts.window, [this] {
        WriteDataFile();
        SaveAll(*m_parts.store, m_parts.record, &m_parts.history);
    });
    if (saved)
        m_parts.saveScheduler->saved();
    else
        m_parts.saveScheduler->failed();
    m_saving = false;
    return saved;
}

void WindowSave::saveInBackground()
{
    // Not while the box of a failed save is open.
    if (m_saving)
        return;
    // Long work replaces the dictionary's lines and may open another one: the save comes after.
    if (m_parts.longWork && m_parts.longWork->busy()) {
        m_parts.saveScheduler->changed();
        return;
    }
    m_parts.backgroundSave->request();
}

void WindowSave::connectBackgroundSave()
{
    auto* background = new BackgroundSave(
        *m_parts.store,
        [this] {
            WriteDataFile();
            m_changesInSave = m_parts.saveScheduler->changeCount();
            return takeSnapshot(*m_parts.store, m_parts.record, &m_parts.history);
        },
        this);
    m_parts.backgroundSave = background;
    m_parts.store->setWaitForRunningSave([background] { background->waitForRunning(); });
    connect(background, &BackgroundSave::saved, this,
            [this] { m_parts.saveScheduler->savedUpTo(m_changesInSave); });
    // The box waits for the event loop: the outcome may be handed out inside another command
    // that waited for the save.
    connect(background, &BackgroundSave::failed, this, &WindowSave::backgroundSaveFailed,
            Qt::QueuedConnection);
}

void WindowSave::backgroundSaveFailed(const QString& message)
{
    m_parts.saveScheduler->failed();
    // One box at a time, as for the save at once.
    if (m_saving)
        return;
    m_saving = true;
    showError(&m_parts.window, message);
    m_saving = false;
}

void WindowSave::connectTriggers()
{
    connectBackgroundSave();
    tmSave.setInterval(300000);
    connect(&tmSave, &QTimer::timeout, this, &WindowSave::saveInBackground);
    tmSave.start();
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { SaveAll0(); });
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (!m_savedForQuit)
            SaveAll0();
    });
    SaveScheduler* scheduler = m_parts.saveScheduler;
    connect(scheduler, &SaveScheduler::saveDue, this, &WindowSave::saveInBackground);

    // Every change of what the save writes asks for a save soon after it.
    const auto changed = [scheduler] { scheduler->changed(); };
    const DictionaryStore* store = m_parts.store.get();
    const SettingsScreen* settings = m_parts.settings;
    const GestureLayer* gestures = m_parts.gestures;
    connect(store, &DictionaryStore::countersChanged, scheduler, changed);
    connect(store, &DictionaryStore::learntNumberChanged, scheduler, changed);
    connect(settings, &SettingsScreen::delaySelected, scheduler, changed);
    connect(settings, &SettingsScreen::showPhoneticRefreshed, scheduler, changed);
    connect(m_parts.topBar->cbLearning(), &QComboBox::currentIndexChanged, scheduler, changed);
    for (const QCheckBox* box :
         {settings->SwitchShowRightToLeftCheckBox(), settings->SwitchShowPhoneticCheckBox(),
          settings->SwitchShowIndicators(), gestures->cbRightToLeft, gestures->cbPhonetic})
        connect(box, &QCheckBox::toggled, scheduler, changed);
    connect(gestures->btIndicatorColor, &QPushButton::clicked, scheduler, changed);
    connect(m_parts.help, &HelpScreen::languageChosen, scheduler, changed);
}
