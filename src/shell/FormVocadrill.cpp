#include "shell/FormVocadrill.h"

#include "appearance/FormOpenPictureDialog.h"
#include "appearance/SettingsScreen.h"
#include "appearance/ViewEditor.h"
#include "cards/DictionaryOperations.h"
#include "cards/DictionaryStore.h"
#include "cards/FileError.h"
#include "cards/FileNames.h"
#include "cards/RandomSource.h"
#include "cards/SortAndMix.h"
#include "cardscreen/CardScreen.h"
#include "cardscreen/CardScreenInput.h"
#include "cardscreen/GestureLayer.h"
#include "dictionaries/DictionariesTab.h"
#include "dictionaries/FormOpenTxtDialog.h"
#include "dictionaries/ListViewer.h"
#include "engine/CardEdits.h"
#include "engine/LearningEngine.h"
#include "engine/SessionClock.h"
#include "engine/SettingChoices.h"
#include "save/SaveAll.h"
#include "save/SaveScheduler.h"
#include "settings/BackgroundPictureFile.h"
#include "settings/Backgrounds.h"
#include "settings/SettingsFile.h"
#include "shell/ActionsPanel.h"
#include "shell/CardEditor.h"
#include "shell/FarewellPanel.h"
#include "shell/FileLauncher.h"
#include "shell/HelpScreen.h"
#include "shell/InterfaceLanguage.h"
#include "shell/MessageLabels.h"
#include "shell/MessagePanel.h"
#include "shell/StatusLine.h"
#include "shell/TopBar.h"
#include "shell/WindowPorts.h"
#include "widgets/ActionList.h"
#include "widgets/AutoLamp.h"
#include "widgets/ClickableText.h"
#include "widgets/ErrorBoundary.h"
#include "widgets/MessageBoxes.h"
#include "widgets/TiledPanel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include <exception>

namespace {

constexpr QRgb LampOff = 0xFF808080;
constexpr QRgb LampOn = 0xFFFF0000;
constexpr QRgb LampReady = 0xFF006400;

} // namespace

TFormVocadrill::TFormVocadrill(const Folders& folders, QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormVocadrill"));
    m_language = new InterfaceLanguage(this);
    m_listDoubleClick = new DoubleClick(this);
    buildActions();
    buildScreens();
    buildPanels();
    FormCreate(folders);
    connectState();
}

TFormVocadrill::~TFormVocadrill()
{
    // The widgets go before the engine they show.
    delete centralWidget();
}

bool TFormVocadrill::execute(const QString& actionName)
{
    return m_actions->execute(actionName);
}

QAction* TFormVocadrill::action(const QString& actionName) const
{
    return m_actions->action(actionName);
}

int TFormVocadrill::LearningMode() const
{
    return m_topBar->cbLearning()->currentIndex();
}

bool TFormVocadrill::isFullScreen0() const
{
    return action(QStringLiteral("FullScreen0"))->isChecked();
}

void TFormVocadrill::buildActions()
{
    m_actions = new ActionList(this);
    auto engineAction = [this](void (LearningEngine::*handler)()) {
        return [this, handler] { (m_engine.get()->*handler)(); };
    };
    m_actions->add("Vocadrill0", "Vocadrill 1.2.4", [] {});
    m_actions->add("Next0", "Next", engineAction(&LearningEngine::Next0));
    m_actions->add("Remind0", "Remind", engineAction(&LearningEngine::Remind0));
    m_actions->add("SideLearnt0", "Side learnt", engineAction(&LearningEngine::SideLearnt0));
    m_actions->add(
        "FullScreen0", "Full screen", [this] { FullScreen0Execute(); }, true);
    m_actions->add("Learnt0", "Learnt", engineAction(&LearningEngine::Learnt0));
    m_actions->add("Delete0", "Delete", engineAction(&LearningEngine::Delete0));
    m_actions->add("Edit0", "Edit", [this] { Edit0Execute(); });
    m_actions->add("New0", "New", [this] { New0Execute(); });
    m_actions->add("WordOK", "OK", [this] { WordOKExecute(); });
    m_actions->add("WordNewOK", "OK", [this] { WordNewOKExecute(); });
    m_actions->add("Actions0", "Actions", [this] { Actions0Execute(); });
    m_actions->add("CancelActions0", "Cancel", [this] { m_actionsPanel->hide(); });
    m_actions->add("Nothing0", "Nothing0", [] {});
    m_actions->add("Mix00", "Mix", [this] { Mix00Execute(); });
    m_actions->add("Sort00", "Sort", [this] { Sort00Execute(); });
    m_actions->add("Delete00", "Delete", [this] { Delete00Execute(); });
    m_actions->add("Copy00", "Copy", [this] { Copy00Execute(); });
    m_actions->add("Swap0", "Swap", [this] { Swap0Execute(); });
    m_actions->add("Look00", "View it", [this] { Look00Execute(); });
    m_actions->add("Learnt00", "Learnt", [this] { Learnt00Execute(); });
    m_actions->add("LearntToday0", "Learnt Today", [this] { LearntToday0Execute(); });
    m_actions->add("OK00", "OK", [this] { m_viewer->hide(); });
    m_actions->add("FromFile0", "From file...", [this] { FromFile0Execute(); });
    m_actions->add("Top0", "Top", [this] {
        m_viewEditor->setHalf(ScreenHalf::Top);
        execute("TopBottom0");
    });
    m_actions->add("Bottom0", "Bottom", [this] {
        m_viewEditor->setHalf(ScreenHalf::Bottom);
        execute("TopBottom0");
    });
    m_actions->add("TopBottom0", "TopBottom0", [this] { TopBottom0Execute(); });
    m_actions->add("ViewOK0", "OK", [this] { ViewOK0Execute(); });
    m_actions->add("ViewCancel0", "Cancel", [this] { m_viewEditor->hide(); });
    m_actions->add("FromFile00", "From file...", [this] { FromFile00Execute(); });
    m_actions->add("Enables0", "", [this] { Enables0Execute(); });
    m_actions->add("SaveAll0", "", [this] { SaveAll0(); });
    for (const char* name : {"Mix00", "Sort00", "Delete00", "Look00"})
        action(QLatin1String(name))->setEnabled(false);
}

void TFormVocadrill::buildScreens()
{
    m_main = new QWidget(this);
    m_main->setObjectName(QStringLiteral("recMain"));
    setCentralWidget(m_main);
    auto* column = new QVBoxLayout(m_main);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    m_topBar = new TopBar(m_main);
    column->addWidget(m_topBar);

    m_tabs = new QTabWidget(m_main);
    m_tabs->setObjectName(QStringLiteral("TabControl1"));
    m_tbPlay = new QWidget(m_tabs);
    m_tbPlay->setObjectName(QStringLiteral("tbPlay"));
    auto* play = new QVBoxLayout(m_tbPlay);
    play->setContentsMargins(0, 0, 0, 0);
    m_card = new CardScreen(m_tbPlay);
    play->addWidget(m_card);
    m_settings = new SettingsScreen(m_record, *m_actions, m_tabs);
    m_settings->setObjectName(QStringLiteral("TabControl2"));
    auto* settingsPage = new QWidget(m_tabs);
    settingsPage->setObjectName(QStringLiteral("tbSettings"));
    auto* settingsLayout = new QVBoxLayout(settingsPage);
    settingsLayout->setContentsMargins(0, 0, 0, 0);
    settingsLayout->addWidget(m_settings);
    m_dictionaries = new DictionariesTab(*m_actions, m_tabs);
    m_tabs->addTab(m_tbPlay, QString());
    m_tabs->addTab(settingsPage, QString());
    m_tabs->addTab(m_dictionaries, QString());
    column->addWidget(m_tabs, 1);

    m_status = new StatusLine(m_main);
    column->addWidget(m_status);

    m_fullScreen = new QWidget(m_main);
    m_fullScreen->setObjectName(QStringLiteral("RecFullScreen"));
    auto* full = new QVBoxLayout(m_fullScreen);
    full->setContentsMargins(0, 0, 0, 0);
    m_fullScreen->hide();

    m_gestures = new GestureLayer(m_main);
    m_gestures->hide();
    m_main->installEventFilter(this);
    m_tbPlay->installEventFilter(this);
}

void TFormVocadrill::buildPanels()
{
    // Created in their stacking order, lowest first.
    m_messagePanel = new MessagePanel(m_main);
    m_viewer = new ListViewer(m_main);
    m_viewEditor = new ViewEditor(*m_actions, m_main);
    m_actionsPanel = new ActionsPanel(*m_actions, m_main);
    m_word = new CardEditor(*m_actions, m_main);
    m_help = new HelpScreen(m_main);
    m_farewell = new FarewellPanel(QStringLiteral("Manual.html"), m_main);
    m_messageLabels = new MessageLabels(m_main);
    for (QWidget* panel : overlayPanels())
        panel->hide();
    m_messageLabels->hide();
}

void TFormVocadrill::FormCreate(const Folders& folders)
{
    programRandom();
    m_clock = new SessionClock({}, this);
    m_saveScheduler = new SaveScheduler(this);
    m_help->setTitle(action(QStringLiteral("Vocadrill0"))->text());
    setWindowTitle(action(QStringLiteral("Vocadrill0"))->text());
    m_gestures->show();
    BuildDefaults();

    m_paths = PrepareDataFolders(folders.exeDir, folders.documentsDir);
    m_help->setHelpFiles(m_paths.HelpPath, m_paths.HelpEnPath);
    m_store = std::make_unique<DictionaryStore>(m_paths);
    m_openTxtDialog = new TFormOpenTxtDialog(m_paths.DictDir, m_paths.TxtNamePath, this);
    m_openPictureDialog = new TFormOpenPictureDialog(m_paths.BGNamePath, this);
    m_phonetic.load(m_paths.PhoneticPath);
    m_ports = std::make_unique<WindowPorts>(*this);
    m_engine = std::make_unique<LearningEngine>(m_record, *m_store, m_phonetic, m_ports->ports());
    m_store->MyDictPath = ReadLastDictPath(m_paths);

    resize(911, 613);
    move(90, 60);
    ReadDataFile();

    const DictionaryStore::DictList list = m_store->LoadDictionaries();
    m_dictionaries->setItems(list.items, m_store->openFileName());
    ShowBackgrounds();
    m_card->SetView(m_record.Views[LearningMode()]);
    m_store->FirstDictLoad = false;
}

// The first-run record, taken from the controls as they are designed.
void TFormVocadrill::BuildDefaults()
{
    DataRecord scratch{};
    for (int mode = 0; mode < ModeCount; ++mode) {
        m_settings->PbsToSettings(scratch.Settings[mode]);
        m_card->GetView(scratch.Views[mode]);
        scratch.Views[mode].TopTexture = true;
        scratch.Views[mode].BottomTexture = true;
    }
    scratch.ShowIndicators = m_settings->SwitchShowIndicators()->isChecked();
    scratch.ShowRightToLeftCheckBox = m_settings->SwitchShowRightToLeftCheckBox()->isChecked();
    scratch.RightToLeftTicked = m_gestures->cbRightToLeft->isChecked();
    scratch.ShowPhoneticCheckBox = m_settings->SwitchShowPhoneticCheckBox()->isChecked();
    scratch.LearningMode = 0;
    scratch.EnglishInterface = false;
    scratch.Views[2].QColor = 0xFFFFFFFF;
    scratch.Views[2].AColor = 0xFFFFFFFF;
    m_record = scratch;
}

void TFormVocadrill::ReadDataFile()
{
    if (readDataFile(m_paths.DataFilePath, m_record) == SettingsFileStatus::Loaded) {
        {
            const QSignalBlocker blocker(m_topBar->cbLearning());
            m_topBar->cbLearning()->setCurrentIndex(m_record.LearningMode);
        }
        cbLearningChange(m_record.LearningMode);
        if (const auto place = storedGeometry(m_record, screen()->virtualGeometry()))
            setGeometry(*place);
    }
    m_settings->SwitchShowRightToLeftCheckBox()->setChecked(m_record.ShowRightToLeftCheckBox);
    m_settings->SwitchShowIndicators()->setChecked(m_record.ShowIndicators);
    m_settings->SwitchShowPhoneticCheckBox()->setChecked(m_record.ShowPhoneticCheckBox);
    applyLanguage(m_record.EnglishInterface ? InterfaceLanguage::English
                                            : InterfaceLanguage::Russian);
}

void TFormVocadrill::WriteDataFile()
{
    const int mode = LearningMode();
    m_record.LearningMode = mode;
    m_record.ShowRightToLeftCheckBox = m_settings->SwitchShowRightToLeftCheckBox()->isChecked();
    m_record.RightToLeftTicked = m_gestures->cbRightToLeft->isChecked();
    m_record.ShowPhoneticCheckBox = m_settings->SwitchShowPhoneticCheckBox()->isChecked();
    m_record.PhoneticTicked = m_gestures->cbPhonetic->isChecked();
    m_record.ShowIndicators = m_settings->SwitchShowIndicators()->isChecked();
    m_card->GetView(m_record.Views[mode]);
    m_record.GeometryMark = StoredGeometryMark;
    const QRect frame = geometry();
    m_record.WindowTop = frame.top();
    m_record.WindowLeft = frame.left();
    m_record.WindowWidth = frame.width();
    m_record.WindowHeight = frame.height();
}

bool TFormVocadrill::SaveAll0()
{
    // A timer may fire while the message box of a failed save is open; one save at a time.
    if (m_saving)
        return false;
    m_saving = true;
    const bool saved = runGuarded(this, [this] {
        WriteDataFile();
        SaveAll(*m_store, m_record);
    });
    if (saved)
        m_saveScheduler->saved();
    else
        m_saveScheduler->failed();
    m_saving = false;
    return saved;
}

void TFormVocadrill::connectState()
{
    // The status line follows the dictionary and the learnt lines.
    connect(m_store.get(), &DictionaryStore::countersChanged, this,
            &TFormVocadrill::EditOnChangeChange);
    connect(m_store.get(), &DictionaryStore::learntNumberChanged, this,
            [this](qint32 number) { m_status->TextLearnt->setText(QString::number(number)); });
    connect(m_store.get(), &DictionaryStore::formChanged, this, &TFormVocadrill::tellFormChange);
    EditOnChangeChange();
    m_status->TextLearnt->setText(QString::number(m_store->LearntNumber));
    connect(m_clock, &SessionClock::textTimeChanged, m_status->TextTime, &QLabel::setText);
    m_clock->start();

    // The card screen shows what the engine displays.
    connect(&m_engine->display(), &CardDisplay::changed, this, &TFormVocadrill::showCard);
    showCard();

    // Automatic mode: cbAuto holds the state; the lamps show it.
    TopBar* bar = m_topBar;
    connect(bar->cbAuto(), &QCheckBox::toggled, this, [this](bool on) {
        m_engine->setAutomatic(on);
        MyRadio();
    });
    connect(m_engine.get(), &LearningEngine::automaticChanged, this, [this](bool on) {
        const QSignalBlocker blocker(m_topBar->cbAuto());
        m_topBar->cbAuto()->setChecked(on);
        MyRadio();
    });
    const auto toggleAuto = [this] {
        if (m_topBar->cbAuto()->isEnabled())
            m_topBar->cbAuto()->toggle();
    };
    connect(bar, &TopBar::autoStripPressed, this, toggleAuto);
    connect(m_gestures->lamp, &AutoLamp::pressed, this, toggleAuto);
    connect(bar->btActions(), &QPushButton::clicked, this, [this] { execute("Actions0"); });
    connect(bar->btHelp(), &QPushButton::clicked, this, [this] { btHelpClick(); });

    // The learning mode and the settings screen.
    connect(bar->cbLearning(), &QComboBox::currentIndexChanged, this,
            &TFormVocadrill::cbLearningChange);
    // After a choice the keys go to the card screen (or the open tab) again, so that an arrow
    // key never switches the mode unseen.
    connect(bar->cbLearning(), &QComboBox::activated, this, [this] {
        QWidget* screen = m_gestures->isVisible() ? m_gestures : m_tabs->currentWidget();
        screen->setFocus(Qt::OtherFocusReason);
    });
    connect(m_settings, &SettingsScreen::delaySelected, this,
            [this] { m_engine->SettingsChanged(); });
    connect(m_settings, &SettingsScreen::showPhoneticRefreshed, this,
            [this] { m_engine->SettingsChanged(); });
    const auto switchesChanged = [this] {
        m_record.ShowRightToLeftCheckBox = m_settings->SwitchShowRightToLeftCheckBox()->isChecked();
        m_record.ShowPhoneticCheckBox = m_settings->SwitchShowPhoneticCheckBox()->isChecked();
        m_record.ShowIndicators = m_settings->SwitchShowIndicators()->isChecked();
        m_engine->SwitchesChanged();
    };
    for (QCheckBox* box :
         {m_settings->SwitchShowRightToLeftCheckBox(), m_settings->SwitchShowPhoneticCheckBox(),
          m_settings->SwitchShowIndicators()})
        connect(box, &QCheckBox::toggled, this, switchesChanged);
    switchesChanged();

    // The card screen's check boxes and invisible buttons.
    connect(m_gestures->cbRightToLeft, &QCheckBox::clicked, this,
            [this](bool ticked) { m_engine->setRightToLeftTicked(ticked); });
    connect(m_gestures->cbPhonetic, &QCheckBox::clicked, this, [this](bool ticked) {
        m_engine->setPhoneticTicked(ticked);
        m_settings->SettingsToPbs(m_record.Settings[LearningMode()]);
    });
    connect(m_status->TextLearnt, &ClickableText::clicked, this,
            [this] { runGuarded(this, [this] { m_engine->btLearntNumberClick(); }); });
    m_gestures->followIndicator(m_card->TextIndicator());
    connect(m_gestures->btIndicatorColor, &QPushButton::clicked, this,
            [this] { m_engine->btIndicatorColorClick(); });

    // Tabs, dictionaries and panels.
    connect(m_tabs, &QTabWidget::currentChanged, this, &TFormVocadrill::TabControl1Paint);
    connect(m_dictionaries, &DictionariesTab::itemClicked, this,
            &TFormVocadrill::TextListBoxItemClick);
    // Opened after the list has finished moving its highlight.
    connect(m_dictionaries, &DictionariesTab::itemChosen, this, &TFormVocadrill::openFromList,
            Qt::QueuedConnection);
    connect(m_dictionaries, &DictionariesTab::itemDoubleClicked, this,
            [this] { m_tabs->setCurrentWidget(m_tbPlay); });
    connect(m_dictionaries, &DictionariesTab::selectionChanged, this,
            [this] { execute("Enables0"); });
    connect(m_viewer->okButton(), &QPushButton::clicked, this, [this] { execute("OK00"); });
    connect(m_help, &HelpScreen::languageChosen, this, [this](const QString& name) {
        applyLanguage(name);
        btHelpClick();
    });
    connect(m_help, &HelpScreen::siteClicked, this, &TFormVocadrill::openManual);
    connect(m_farewell, &FarewellPanel::closeRequested, this, &TFormVocadrill::closeProgram);
    connect(m_farewell, &FarewellPanel::backRequested, m_farewell, &QWidget::hide);
    connect(m_farewell, &FarewellPanel::linkRequested, this, [this] {
        openManual();
        closeProgram();
    });

    // The back step, whichever control has the focus.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_Back)}) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, &TFormVocadrill::GoBack);
    }

    // Saving: every five minutes, and whenever the session or the program ends.
    tmSave.setInterval(300000);
    connect(&tmSave, &QTimer::timeout, this, [this] { execute("SaveAll0"); });
    tmSave.start();
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { SaveAll0(); });
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (!m_savedForQuit)
            SaveAll0();
    });
    connect(m_saveScheduler, &SaveScheduler::saveDue, this, [this] { execute("SaveAll0"); });
    connectSaveTriggers();
    tmGesture.setInterval(100);
    tmGesture.setSingleShot(true);
    tmWaitAfterZoom.setInterval(2000);
    tmWaitAfterZoom.setSingleShot(true);
    const auto currentView = [this]() -> TView& { return m_record.Views[LearningMode()]; };
    auto* input = new CardScreenInput({*m_gestures, *this, *m_actions, *m_topBar->cbAuto(),
                                       tmGesture, tmWaitAfterZoom, *m_card, currentView},
                                      this);
    connect(input, &CardScreenInput::textsZoomed, m_saveScheduler,
            [this] { m_saveScheduler->changed(); });
    // A zoom on the view editor's previews holds back taps and gesture actions, as one on the
    // card screen does.
    connect(m_viewEditor, &ViewEditor::zoomed, this, [this] {
        tmWaitAfterZoom.start();
        tmGesture.start();
    });

    retranslateTabs();
    execute("Enables0");
    TabControl1Paint();
    layoutOverlays();
}

// Every change of what the save writes asks for a save soon after it.
void TFormVocadrill::connectSaveTriggers()
{
    const auto changed = [this] { m_saveScheduler->changed(); };
    connect(m_store.get(), &DictionaryStore::countersChanged, m_saveScheduler, changed);
    connect(m_store.get(), &DictionaryStore::learntNumberChanged, m_saveScheduler, changed);
    connect(m_settings, &SettingsScreen::delaySelected, m_saveScheduler, changed);
    connect(m_settings, &SettingsScreen::showPhoneticRefreshed, m_saveScheduler, changed);
    connect(m_topBar->cbLearning(), &QComboBox::currentIndexChanged, m_saveScheduler, changed);
    for (QCheckBox* box :
         {m_settings->SwitchShowRightToLeftCheckBox(), m_settings->SwitchShowPhoneticCheckBox(),
          m_settings->SwitchShowIndicators(), m_gestures->cbRightToLeft, m_gestures->cbPhonetic})
        connect(box, &QCheckBox::toggled, m_saveScheduler, changed);
    connect(m_gestures->btIndicatorColor, &QPushButton::clicked, m_saveScheduler, changed);
    connect(m_help, &HelpScreen::languageChosen, m_saveScheduler, changed);
}

void TFormVocadrill::retranslateTabs()
{
    m_tabs->setTabText(0, tr("Play"));
    m_tabs->setTabText(1, tr("Settings"));
    m_tabs->setTabText(2, tr("Dictionaries"));
    m_viewer->okButton()->setText(action(QStringLiteral("OK00"))->text());
}

void TFormVocadrill::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && m_actions) {
        m_actions->retranslate();
        retranslateTabs();
    }
    QMainWindow::changeEvent(event);
}

void TFormVocadrill::applyLanguage(const QString& name)
{
    m_language->select(name);
    m_record.EnglishInterface = name == InterfaceLanguage::English;
}

void TFormVocadrill::ShowBackgrounds()
{
    const int mode = LearningMode();
    const ShownBackgrounds shown =
        ::ShowBackgrounds(m_paths.BackgroundsDir, mode, m_record.Views[mode]);
    const auto apply = [](TiledPanel* half, const ShownHalf& shownHalf) {
        if (shownHalf.choice.source == BackgroundChoice::Source::Colour)
            half->setColour(shownHalf.choice.colour);
        else if (!shownHalf.picture.isNull())
            half->setPicture(QPixmap::fromImage(shownHalf.picture));
    };
    apply(m_card->recQuestion(), shown.top);
    apply(m_card->recAnswer(), shown.bottom);
    if (!shown.errors().isEmpty())
        showError(this, shown.errors().join(QLatin1Char('\n')));
}

bool TFormVocadrill::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == m_main || watched == m_tbPlay) &&
        (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        layoutOverlays();
    return QMainWindow::eventFilter(watched, event);
}

// The layers over the tabs cover the whole window; the gesture layer covers the card screen
// alone, so that the status line under it keeps its own clicks, or everything in full-screen
// mode.
void TFormVocadrill::layoutOverlays()
{
    const QRect all = m_main->rect();
    m_fullScreen->setGeometry(all);
    const QRect card = isFullScreen0() ? all : QRect(m_tbPlay->mapTo(m_main, QPoint(0, 0)),
                                                     m_tbPlay->size());
    m_gestures->setGeometry(card.adjusted(1, 0, 0, 0));
    for (QWidget* panel : overlayPanels())
        panel->setGeometry(all);
}

QList<QWidget*> TFormVocadrill::overlayPanels() const
{
    return {m_messagePanel, m_viewer, m_viewEditor, m_actionsPanel, m_word, m_help,
            m_farewell};
}

void TFormVocadrill::showPanel(QWidget* panel)
{
    panel->show();
    panel->raise();
}

void TFormVocadrill::TabControl1Paint()
{
    const bool play = m_tabs->currentWidget() == m_tbPlay;
    m_gestures->setVisible(play);
    if (!play)
        m_topBar->cbAuto()->setChecked(false);
    m_topBar->cbAuto()->setEnabled(play);
    MyRadio();
    m_engine->display().DoIndicator();
    layoutOverlays();
}

void TFormVocadrill::MyRadio()
{
    const bool play = m_tabs->currentWidget() == m_tbPlay;
    m_topBar->recAuto()->setVisible(play);
    m_topBar->btActions()->setVisible(play);
    const QCheckBox* autoBox = m_topBar->cbAuto();
    const QColor colour(!autoBox->isEnabled()  ? LampOff
                        : autoBox->isChecked() ? LampOn
                                               : LampReady);
    m_topBar->lamp()->setInnerColor(colour);
    m_gestures->lamp->setInnerColor(colour);
}

void TFormVocadrill::EditOnChangeChange()
{
    const DictionaryStore::Counters counters = m_store->counters();
    m_status->TextLearntToday->setText(QString::number(counters.learntToday));
    m_status->TextDict->setText(counters.dictName);
    m_status->TextMyDictSL->setText(QString::number(counters.lines));
}

void TFormVocadrill::showCard()
{
    const CardView& view = m_engine->view();
    m_card->showCard(view);
    const QSignalBlocker rtl(m_gestures->cbRightToLeft);
    const QSignalBlocker phonetic(m_gestures->cbPhonetic);
    m_gestures->cbRightToLeft->setVisible(view.rightToLeftVisible);
    m_gestures->cbRightToLeft->setChecked(view.rightToLeftTicked);
    m_gestures->cbPhonetic->setVisible(view.phoneticVisible);
    m_gestures->cbPhonetic->setChecked(view.phoneticTicked);
}

// The record's mode follows the list at once, so that the engine, the settings screen and the
// card screen all read the chosen mode's settings and view from the next event on. The view of
// the mode left keeps its zoomed text sizes.
void TFormVocadrill::cbLearningChange(int index)
{
    if (index < 0 || index >= ModeCount)
        return;
    if (m_record.LearningMode != index)
        m_card->GetView(currentView(m_record));
    m_record.LearningMode = index;
    m_settings->loadMode(index);
    m_card->SetView(m_record.Views[index]);
    ShowBackgrounds();
    m_engine->SettingsChanged();
}

void TFormVocadrill::TextListBoxItemClick(const QString& fileName)
{
    openFromList(fileName);
    if (m_listDoubleClick->click())
        m_tabs->setCurrentWidget(m_tbPlay);
}

void TFormVocadrill::openFromList(const QString& fileName)
{
    m_engine->ClearAll();
    openDictionaryResult(fileName, true);
}

// Whether or not the dictionary opened, the list then highlights the one that is open.
void TFormVocadrill::openDictionaryResult(const QString& fileName, bool warn)
{
    bool noProperLines = false;
    runGuarded(this, [&] { noProperLines = m_store->LoadMyDict(fileName, warn).noProperLines; });
    m_dictionaries->setOpen(m_store->openFileName());
    if (noProperLines)
        MessageBoxes::showMessage(this, messageText("msThereAreNoProperLinesInThisFile"));
}

void TFormVocadrill::Enables0Execute()
{
    const bool selected = !m_dictionaries->selectedFileName().isEmpty();
    for (const char* name : {"Mix00", "Sort00", "Look00", "Delete00", "Copy00", "Swap0"})
        action(QLatin1String(name))->setEnabled(selected);
}

// The message stands over everything, full-screen mode included; it takes no pointer input.
void TFormVocadrill::MyMessage(const QString& TheMessage)
{
    m_messagePanel->MyMessage(TheMessage);
    m_messagePanel->raise();
}

QString TFormVocadrill::messageText(const QString& labelName) const
{
    return m_messageLabels->text(labelName);
}

void TFormVocadrill::tellFormChange(const DictionaryStore::FormChange& change)
{
    QStringList parts;
    if (change.encoding)
        parts << messageText("msSavedAsUtf8");
    if (change.droppedLines == 1)
        parts << messageText("msLineNotCardLeftOut");
    else if (change.droppedLines > 1)
        parts << messageText("msLinesNotCardsLeftOut").arg(change.droppedLines);
    const QString backups = QDir(m_paths.ExeDir).relativeFilePath(m_store->backups().folder());
    parts << messageText("msOriginalIn").arg(QDir::toNativeSeparators(backups));
    MyMessage(parts.join(QLatin1String("; ")));
}

void TFormVocadrill::Actions0Execute()
{
    m_topBar->cbAuto()->setChecked(false);
    tmGesture.start();
    m_actionsPanel->setVisible(!m_actionsPanel->isVisible());
    if (m_actionsPanel->isVisible())
        m_actionsPanel->raise();
}

void TFormVocadrill::FullScreen0Execute()
{
    m_actionsPanel->hide();
    const bool on = isFullScreen0();
    m_fullScreen->setVisible(on);
    QWidget* host = on ? m_fullScreen : m_tbPlay;
    if (m_card->parentWidget() != host) {
        m_card->setParent(host);
        host->layout()->addWidget(m_card);
        m_card->show();
    }
    m_gestures->lamp->setVisible(on);
    m_fullScreen->raise();
    m_gestures->raise();
    layoutOverlays();
}

// Opens the card editor on the card on screen, or on a new card when there is none.
void TFormVocadrill::Edit0Execute()
{
    if (m_engine->display().nothingShown()) {
        execute("New0");
        return;
    }
    m_topBar->cbAuto()->setChecked(false);
    if (tmWaitAfterZoom.isActive())
        return;
    tmGesture.start();
    m_actionsPanel->hide();
    m_word->open(QStringLiteral("WordOK"), m_engine->CurrentLine());
}

void TFormVocadrill::New0Execute()
{
    m_topBar->cbAuto()->setChecked(false);
    if (m_dictionaries->selectedFileName().isEmpty()) {
        MessageBoxes::showMessage(this, messageText("msSelectDictionaryToLearn"));
        return;
    }
    if (tmWaitAfterZoom.isActive())
        return;
    tmGesture.start();
    m_actionsPanel->hide();
    m_word->open(QStringLiteral("WordNewOK"), QString());
}

void TFormVocadrill::WordOKExecute()
{
    if (CardEdits::ReplaceCard(*m_engine, m_store->MyDictSL, m_word->text()))
        m_word->hide();
    else
        MessageBoxes::showMessage(this, messageText("msNotVocabula"));
}

void TFormVocadrill::WordNewOKExecute()
{
    if (CardEdits::AddCard(*m_engine, m_store->MyDictSL, m_word->text()) ==
        CardEdits::NewCard::NotACard)
        MessageBoxes::showMessage(this, messageText("msNotVocabula"));
    else
        m_word->hide();
}

void TFormVocadrill::Mix00Execute()
{
    MixLines(m_store->MyDictSL);
    MyMessage(messageText("msMixed") + u'\r' + m_status->TextMyDictSL->text());
}

void TFormVocadrill::Sort00Execute()
{
    SortLines(m_store->MyDictSL);
    MyMessage(messageText("msSorted") + u'\r' + m_status->TextMyDictSL->text());
}

void TFormVocadrill::Swap0Execute()
{
    SwapLines(m_store->MyDictSL);
}

void TFormVocadrill::Copy00Execute()
{
    if (m_dictionaries->selectedFileName().isEmpty())
        return;
    // The copy holds what the learner sees: the open dictionary is written first.
    m_store->SaveDictionaryIfModified();
    CopyDictionaryFile(m_store->MyDictPath, m_paths.DictDir);
    const DictionaryStore::DictList list = m_store->LoadDictionaries();
    m_dictionaries->setItems(list.items, m_store->openFileName());
}

void TFormVocadrill::Delete00Execute()
{
    // The question names the dictionary it deletes, on a line of its own.
    if (!MessageBoxes::askYesNo(this, messageText("msAreYouSure") + u'\n' +
                                          m_store->counters().dictName))
        return;
    QFile file(m_store->MyDictPath);
    if (!file.remove())
        throw FileError(QStringLiteral("%1: %2").arg(m_store->MyDictPath, file.errorString()));
    // The file is gone: the window forgets it even when its progress entry cannot be removed,
    // so that no later save writes the deleted dictionary again.
    std::exception_ptr progressError;
    try {
        m_store->IniDelete();
    } catch (const FileError&) {
        progressError = std::current_exception();
    }
    m_store->MyDictPath.clear();
    const DictionaryStore::DictList list = m_store->LoadDictionaries();
    m_dictionaries->setItems(list.items, m_store->openFileName());
    m_store->MyDictSL.BeginUpdate();
    m_store->MyDictSL.clear();
    m_status->TextLearnt->setText(QStringLiteral("0"));
    m_store->MyDictSL.EndUpdate();
    m_engine->ClearAll();
    m_engine->setCurrentLine(QString());
    execute("Enables0");
    m_engine->shownCards().clear();
    if (progressError)
        std::rethrow_exception(progressError);
}

void TFormVocadrill::Look00Execute()
{
    m_viewer->showLines(m_store->MyDictSL.lines(), m_status->TextMyDictSL->text());
    showPanel(m_viewer);
}

void TFormVocadrill::Learnt00Execute()
{
    const QStringList merged = m_store->MergedLearntList();
    m_viewer->showLines(merged, QString::number(merged.size()));
    showPanel(m_viewer);
}

void TFormVocadrill::LearntToday0Execute()
{
    m_viewer->showLines(m_store->LearntSL.lines(), QString::number(m_store->LearntSL.count()));
    showPanel(m_viewer);
}

void TFormVocadrill::FromFile0Execute()
{
    m_openTxtDialog->MyShow(
        this, [this](const QString& path) { openImportedDictionary(path); },
        [this] { return MessageBoxes::askYesNo(this, messageText("msMakeCards")); });
}

// The imported file is listed and opened as a click on its item would open it.
void TFormVocadrill::openImportedDictionary(const QString& path)
{
    const DictionaryStore::DictList list = m_store->LoadDictionaries();
    m_dictionaries->setItems(list.items, m_store->openFileName());
    m_engine->ClearAll();
    const DictionaryStore::LoadResult result = m_store->LoadMyDict(path, true);
    m_dictionaries->setOpen(m_store->openFileName());
    if (result.noProperLines)
        MessageBoxes::showMessage(this, messageText("msThereAreNoProperLinesInThisFile"));
}

void TFormVocadrill::TopBottom0Execute()
{
    TView look = m_record.Views[LearningMode()];
    m_card->GetView(look);
    m_viewEditor->TopBottom(
        *(m_viewEditor->ItsAboutTop() ? m_card->recQuestion() : m_card->recAnswer()), look);
    showPanel(m_viewEditor);
}

void TFormVocadrill::FromFile00Execute()
{
    m_openPictureDialog->MyShow(this, [this](const QImage& picture) {
        m_viewEditor->takePicture(QPixmap::fromImage(picture));
    });
}

// The edited half takes the preview's background and texts. Its picture file is written or
// deleted first: when that fails, the play screen and the stored view are unchanged and the
// editor stays open.
void TFormVocadrill::ViewOK0Execute()
{
    const int mode = LearningMode();
    const ScreenHalf half = m_viewEditor->half();
    const bool top = half == ScreenHalf::Top;
    const TiledPanel* preview = m_viewEditor->recView();
    const bool picture = preview->fill() == TiledPanel::Fill::Picture;
    const QString file = BackGroundFile(m_paths.BackgroundsDir, mode, half);
    if (picture)
        BackgroundPictureFile::write(file, preview->picture().toImage());
    else
        BackgroundPictureFile::remove(file);

    TiledPanel* target = top ? m_card->recQuestion() : m_card->recAnswer();
    TView& stored = m_record.Views[mode];
    (top ? stored.TopTexture : stored.BottomTexture) = picture;
    if (picture) {
        target->setPicture(preview->picture());
    } else {
        target->setColour(preview->colour());
        (top ? stored.TopColor : stored.BottomColor) = preview->colour().rgba();
    }
    target->setFill(preview->fill());
    TView look = stored;
    m_card->GetView(look);
    m_viewEditor->previewTexts(look);
    m_card->SetView(look);
    m_viewEditor->hide();
    m_saveScheduler->changed();
}

void TFormVocadrill::btHelpClick()
{
    m_topBar->cbAuto()->setChecked(false);
    m_help->showHelp(m_language->name() == InterfaceLanguage::Russian);
}

void TFormVocadrill::openManual()
{
    TFileLauncher::OpenHtmlFile(m_paths.DataDir + QStringLiteral("/Manual.html"));
}

void TFormVocadrill::GoBack()
{
    if (m_farewell->isVisible()) {
        closeProgram();
        return;
    }
    for (QWidget* panel :
         QList<QWidget*>{m_help, m_word, m_actionsPanel, m_viewEditor, m_viewer}) {
        if (panel->isVisible()) {
            panel->hide();
            return;
        }
    }
    if (isFullScreen0()) {
        execute("FullScreen0");
        return;
    }
    if (m_tabs->currentWidget() != m_tbPlay) {
        m_tabs->setCurrentWidget(m_tbPlay);
        return;
    }
    showPanel(m_farewell);
}

void TFormVocadrill::closeProgram()
{
    if (close())
        QCoreApplication::quit();
}

// Closing saves, so nothing learnt since the last periodic save is lost. When the save fails
// the learner decides whether to close all the same.
void TFormVocadrill::closeEvent(QCloseEvent* event)
{
    m_topBar->cbAuto()->setChecked(false);
    if (SaveAll0() ||
        MessageBoxes::askYesNo(this, tr("Your changes could not be saved. Close anyway?"))) {
        m_savedForQuit = true;
        event->accept();
        return;
    }
    event->ignore();
}
