#include "shell/FormVocadrill.h"

#include "appearance/FormOpenPictureDialog.h"
#include "appearance/SettingsScreen.h"
#include "appearance/ViewEditor.h"
#include "cards/DictionaryStore.h"
#include "cards/RandomSource.h"
#include "cardscreen/CardScreen.h"
#include "cardscreen/CardScreenInput.h"
#include "cardscreen/GestureLayer.h"
#include "dictionaries/DictionariesTab.h"
#include "dictionaries/FormOpenTxtDialog.h"
#include "dictionaries/ListViewer.h"
#include "engine/LearningEngine.h"
#include "progress/ProgressView.h"
#include "save/SaveScheduler.h"
#include "settings/SettingsFile.h"
#include "shell/ActionsPanel.h"
#include "shell/BackAndClose.h"
#include "shell/CardEditing.h"
#include "shell/CardEditor.h"
#include "shell/DictionaryCommands.h"
#include "shell/FarewellPanel.h"
#include "shell/FirstCardGuide.h"
#include "shell/HelpScreen.h"
#include "shell/InterfaceLanguage.h"
#include "shell/MessageLabels.h"
#include "shell/MessagePanel.h"
#include "shell/ModeAndSettings.h"
#include "shell/ProgressCommands.h"
#include "shell/StatusLine.h"
#include "shell/StatusLineFeed.h"
#include "shell/TopBar.h"
#include "shell/UndoRemovals.h"
#include "shell/ViewEditing.h"
#include "shell/WindowLayers.h"
#include "shell/WindowPorts.h"
#include "shell/WindowSave.h"
#include "widgets/ActionList.h"
#include "widgets/AutoLamp.h"
#include "widgets/ClickableText.h"
#include "widgets/ErrorBoundary.h"
#include "widgets/LongWork.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

TFormVocadrill::TFormVocadrill(const Folders& folders, QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormVocadrill"));
    m_parts.language = new InterfaceLanguage(this);
    m_save = std::make_unique<WindowSave>(m_parts);
    m_dictionaryCommands = std::make_unique<DictionaryCommands>(m_parts);
    m_progressCommands = std::make_unique<ProgressCommands>(m_parts);
    m_cardEditing = std::make_unique<CardEditing>(m_parts);
    m_viewEditing = std::make_unique<ViewEditing>(m_parts);
    m_backAndClose = std::make_unique<BackAndClose>(m_parts, *m_save);
    m_layers = std::make_unique<WindowLayers>(m_parts);
    m_statusFeed = std::make_unique<StatusLineFeed>(m_parts);
    m_firstCardGuide = std::make_unique<FirstCardGuide>(m_parts);
    m_undo = std::make_unique<UndoRemovals>(m_parts);
    m_modeAndSettings = std::make_unique<ModeAndSettings>(m_parts, *m_viewEditing);
    buildActions();
    buildScreens();
    buildPanels();
    FormCreate(folders);
    connectState();
}

TFormVocadrill::~TFormVocadrill()
{
    // The widgets go before the engine they show, and nothing follows their hiding on the way.
    m_layers.reset();
    delete centralWidget();
}

bool TFormVocadrill::execute(const QString& actionName)
{
    return m_parts.execute(actionName);
}

QAction* TFormVocadrill::action(const QString& actionName) const
{
    return m_parts.action(actionName);
}

int TFormVocadrill::LearningMode() const
{
    return m_parts.LearningMode();
}

void TFormVocadrill::setVoice(Speech& voice)
{
    m_ports->setVoice(voice);
}

bool TFormVocadrill::isFullScreen0() const
{
    return m_parts.isFullScreen0();
}

void TFormVocadrill::MyMessage(const QString& TheMessage)
{
    m_parts.MyMessage(TheMessage);
}

QString TFormVocadrill::messageText(const QString& labelName) const
{
    return m_parts.messageText(labelName);
}

bool TFormVocadrill::SaveAll0()
{
    return m_save->SaveAll0();
}

void TFormVocadrill::GoBack()
{
    m_backAndClose->GoBack();
}

void TFormVocadrill::buildActions()
{
    m_parts.actions = new ActionList(this);
    m_parts.longWork = new LongWork(*this);
    m_parts.actions->setGate([this](const QString& name) { return m_parts.mayRun(name); });
    auto engineAction = [this](void (LearningEngine::*handler)()) {
        return [this, handler] { (m_parts.engine.get()->*handler)(); };
    };
    m_parts.actions->add("Vocadrill0", "Vocadrill 1.2.4", [] {});
    m_parts.actions->add("Next0", "Next", engineAction(&LearningEngine::Next0));
    m_parts.actions->add("Remind0", "Remind", engineAction(&LearningEngine::Remind0));
    m_parts.actions->add("SideLearnt0", "Side learnt", engineAction(&LearningEngine::SideLearnt0));
    m_parts.actions->add(
        "FullScreen0", "Full screen", [this] { m_layers->FullScreen0Execute(); }, true);
    m_parts.actions->add("Learnt0", "Learnt", engineAction(&LearningEngine::Learnt0));
    m_parts.actions->add("Delete0", "Delete", engineAction(&LearningEngine::Delete0));
    m_parts.actions->add("Say0", "Say", engineAction(&LearningEngine::Say0));
    m_parts.actions->add("Edit0", "Edit", [this] { m_cardEditing->Edit0Execute(); });
    m_parts.actions->add("New0", "New", [this] { m_cardEditing->New0Execute(); });
    m_parts.actions->add("WordOK", "OK", [this] { m_cardEditing->WordOKExecute(); });
    m_parts.actions->add("WordNewOK", "OK", [this] { m_cardEditing->WordNewOKExecute(); });
    m_parts.actions->add("Actions0", "Actions", [this] { m_layers->Actions0Execute(); });
    m_parts.actions->add("CancelActions0", "Cancel", [this] { m_parts.actionsPanel->hide(); });
    m_parts.actions->add("Nothing0", "Nothing0", [] {});
    m_parts.actions->add("Mix00", "Mix", [this] { m_dictionaryCommands->Mix00Execute(); });
    m_parts.actions->add("Sort00", "Sort", [this] { m_dictionaryCommands->Sort00Execute(); });
    m_parts.actions->add("Delete00", "Delete", [this] { m_dictionaryCommands->Delete00Execute(); });
    m_parts.actions->add("Copy00", "Copy", [this] { m_dictionaryCommands->Copy00Execute(); });
    m_parts.actions->add("Swap0", "Swap", [this] { m_dictionaryCommands->Swap0Execute(); });
    m_parts.actions->add("Look00", "View it", [this] { m_dictionaryCommands->Look00Execute(); });
    m_parts.actions->add("Learnt00", "Learnt", [this] { m_dictionaryCommands->Learnt00Execute(); });
    m_parts.actions->add("LearntToday0", "Learnt Today",
                         [this] { m_dictionaryCommands->LearntToday0Execute(); });
    m_parts.actions->add("Progress0", "Progress",
                         [this] { m_progressCommands->Progress0Execute(); });
    m_parts.actions->add("OK00", "OK", [this] { m_parts.viewer->hide(); });
    m_parts.actions->add("FromFile0", "From file...",
                         [this] { m_dictionaryCommands->FromFile0Execute(); });
    m_parts.actions->add("Top0", "Top", [this] {
        m_parts.viewEditor->setHalf(ScreenHalf::Top);
        execute("TopBottom0");
    });
    m_parts.actions->add("Bottom0", "Bottom", [this] {
        m_parts.viewEditor->setHalf(ScreenHalf::Bottom);
        execute("TopBottom0");
    });
    m_parts.actions->add("TopBottom0", "TopBottom0",
                         [this] { m_viewEditing->TopBottom0Execute(); });
    m_parts.actions->add("ViewOK0", "OK", [this] { m_viewEditing->ViewOK0Execute(); });
    m_parts.actions->add("ViewCancel0", "Cancel", [this] { m_parts.viewEditor->hide(); });
    m_parts.actions->add("FromFile00", "From file...",
                         [this] { m_viewEditing->FromFile00Execute(); });
    m_parts.actions->add("Undo0", "Undo", [this] { m_undo->Undo0Execute(); });
    m_parts.actions->add("Enables0", "", [this] { m_dictionaryCommands->Enables0Execute(); });
    m_parts.actions->add("SaveAll0", "", [this] { m_save->SaveAll0(); });
    for (const char* name : {"Mix00", "Sort00", "Delete00", "Look00"})
        action(QLatin1String(name))->setEnabled(false);
}

void TFormVocadrill::buildScreens()
{
    m_parts.main = new QWidget(this);
    m_parts.main->setObjectName(QStringLiteral("recMain"));
    setCentralWidget(m_parts.main);
    auto* column = new QVBoxLayout(m_parts.main);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    m_parts.topBar = new TopBar(m_parts.main);
    column->addWidget(m_parts.topBar);

    m_parts.tabs = new QTabWidget(m_parts.main);
    m_parts.tabs->setObjectName(QStringLiteral("TabControl1"));
    m_parts.tbPlay = new QWidget(m_parts.tabs);
    m_parts.tbPlay->setObjectName(QStringLiteral("tbPlay"));
    auto* play = new QVBoxLayout(m_parts.tbPlay);
    play->setContentsMargins(0, 0, 0, 0);
    m_parts.card = new CardScreen(m_parts.tbPlay);
    play->addWidget(m_parts.card);
    m_parts.settings = new SettingsScreen(m_parts.record, *m_parts.actions, m_parts.tabs);
    m_parts.settings->setObjectName(QStringLiteral("TabControl2"));
    auto* settingsPage = new QWidget(m_parts.tabs);
    settingsPage->setObjectName(QStringLiteral("tbSettings"));
    auto* settingsLayout = new QVBoxLayout(settingsPage);
    settingsLayout->setContentsMargins(0, 0, 0, 0);
    settingsLayout->addWidget(m_parts.settings);
    m_parts.dictionaries = new DictionariesTab(*m_parts.actions, m_parts.tabs);
    m_parts.tabs->addTab(m_parts.tbPlay, QString());
    m_parts.tabs->addTab(settingsPage, QString());
    m_parts.tabs->addTab(m_parts.dictionaries, QString());
    column->addWidget(m_parts.tabs, 1);

    m_parts.status = new StatusLine(m_parts.main);
    column->addWidget(m_parts.status);

    m_parts.fullScreen = new QWidget(m_parts.main);
    m_parts.fullScreen->setObjectName(QStringLiteral("RecFullScreen"));
    auto* full = new QVBoxLayout(m_parts.fullScreen);
    full->setContentsMargins(0, 0, 0, 0);
    m_parts.fullScreen->hide();

    m_parts.gestures = new GestureLayer(m_parts.main);
    m_parts.gestures->hide();
}

void TFormVocadrill::buildPanels()
{
    // Created in their stacking order, lowest first.
    m_parts.messagePanel = new MessagePanel(m_parts.main);
    m_parts.viewer = new ListViewer(m_parts.main);
    m_parts.progress = new ProgressView(m_parts.main);
    m_parts.viewEditor = new ViewEditor(*m_parts.actions, m_parts.main);
    m_parts.actionsPanel = new ActionsPanel(*m_parts.actions, m_parts.main);
    m_parts.word = new CardEditor(*m_parts.actions, m_parts.main);
    m_parts.help = new HelpScreen(m_parts.main);
    m_parts.farewell = new FarewellPanel(m_parts.main);
    m_parts.messageLabels = new MessageLabels(m_parts.main);
    for (QWidget* panel : m_layers->overlayPanels())
        panel->hide();
    m_parts.messageLabels->hide();
    m_layers->followResizes();
}

void TFormVocadrill::FormCreate(const Folders& folders)
{
    programRandom();
    m_parts.help->setTitle(action(QStringLiteral("Vocadrill0"))->text());
    setWindowTitle(action(QStringLiteral("Vocadrill0"))->text());
    m_parts.gestures->show();
    BuildDefaults();

    m_parts.paths = PrepareDataFolders(folders.exeDir, folders.documentsDir);
    m_parts.help->setHelpFiles(m_parts.paths.HelpPath, m_parts.paths.HelpEnPath);
    m_parts.store = std::make_unique<DictionaryStore>(m_parts.paths);
    m_parts.openTxtDialog = new TFormOpenTxtDialog(m_parts.paths.DictDir, m_parts.paths.TxtNamePath,
                                                   *m_parts.longWork, this);
    m_parts.openPictureDialog = new TFormOpenPictureDialog(m_parts.paths.BGNamePath, this);
    m_parts.phonetic.load(m_parts.paths.PhoneticPath);
    m_ports = std::make_unique<WindowPorts>(m_parts);
    m_parts.engine = std::make_unique<LearningEngine>(m_parts.record, *m_parts.store,
                                                      m_parts.phonetic, m_ports->ports());
    m_parts.history = readHistoryFile(m_parts.paths.HistoryPath);
    m_parts.tally =
        std::make_unique<LearningTally>(*m_parts.engine, *m_parts.store, m_parts.history);
    m_parts.store->MyDictPath = ReadLastDictPath(m_parts.paths);

    resize(911, 613);
    move(90, 60);
    ReadDataFile();

    m_parts.listDictionaries();
    m_viewEditing->ShowBackgrounds();
    m_parts.card->SetView(m_parts.record.Views[LearningMode()]);
    m_parts.store->FirstDictLoad = false;
}

// The first-run record, taken from the controls as they are designed.
void TFormVocadrill::BuildDefaults()
{
    DataRecord scratch{};
    for (int mode = 0; mode < ModeCount; ++mode) {
        m_parts.settings->PbsToSettings(scratch.Settings[mode]);
        m_parts.card->GetView(scratch.Views[mode]);
        scratch.Views[mode].TopTexture = true;
        scratch.Views[mode].BottomTexture = true;
    }
    scratch.ShowIndicators = m_parts.settings->SwitchShowIndicators()->isChecked();
    scratch.ShowRightToLeftCheckBox =
        m_parts.settings->SwitchShowRightToLeftCheckBox()->isChecked();
    scratch.RightToLeftTicked = m_parts.gestures->cbRightToLeft->isChecked();
    scratch.ShowPhoneticCheckBox = m_parts.settings->SwitchShowPhoneticCheckBox()->isChecked();
    scratch.LearningMode = 0;
    scratch.EnglishInterface = false;
    scratch.Views[2].QColor = 0xFFFFFFFF;
    scratch.Views[2].AColor = 0xFFFFFFFF;
    m_parts.record = scratch;
}

void TFormVocadrill::ReadDataFile()
{
    if (readDataFile(m_parts.paths.DataFilePath, m_parts.record) == SettingsFileStatus::Loaded) {
        {
            const QSignalBlocker blocker(m_parts.topBar->cbLearning());
            m_parts.topBar->cbLearning()->setCurrentIndex(m_parts.record.LearningMode);
        }
        m_modeAndSettings->cbLearningChange(m_parts.record.LearningMode);
        if (const auto place = storedGeometry(m_parts.record, screen()->virtualGeometry()))
            setGeometry(*place);
    }
    m_parts.settings->SwitchShowRightToLeftCheckBox()->setChecked(
        m_parts.record.ShowRightToLeftCheckBox);
    m_parts.settings->SwitchShowIndicators()->setChecked(m_parts.record.ShowIndicators);
    m_parts.settings->SwitchShowPhoneticCheckBox()->setChecked(m_parts.record.ShowPhoneticCheckBox);
    applyLanguage(m_parts.record.EnglishInterface ? InterfaceLanguage::English
                                                  : InterfaceLanguage::Russian);
}

void TFormVocadrill::connectState()
{
    // The status line follows the dictionary, the learnt lines and the time.
    m_statusFeed->start();

    // The automatic mode moves learnt cards, so it stops while long work changes the dictionary.
    connect(m_parts.longWork, &LongWork::started, this,
            [this] { m_parts.topBar->cbAuto()->setChecked(false); });

    // The card screen shows what the engine displays.
    connect(&m_parts.engine->display(), &CardDisplay::changed, this, &TFormVocadrill::showCard);
    showCard();
    m_firstCardGuide->start();
    m_undo->start();

    // Automatic mode: cbAuto holds the state; the lamps show it.
    TopBar* bar = m_parts.topBar;
    connect(bar->cbAuto(), &QCheckBox::toggled, this, [this](bool on) {
        m_parts.engine->setAutomatic(on);
        m_layers->MyRadio();
    });
    connect(m_parts.engine.get(), &LearningEngine::automaticChanged, this, [this](bool on) {
        const QSignalBlocker blocker(m_parts.topBar->cbAuto());
        m_parts.topBar->cbAuto()->setChecked(on);
        m_layers->MyRadio();
    });
    const auto toggleAuto = [this] {
        if (m_parts.topBar->cbAuto()->isEnabled())
            m_parts.topBar->cbAuto()->toggle();
    };
    connect(bar, &TopBar::autoStripPressed, this, toggleAuto);
    connect(m_parts.gestures->lamp, &AutoLamp::pressed, this, toggleAuto);
    connect(bar->btActions(), &QPushButton::clicked, this, [this] { execute("Actions0"); });
    connect(bar->btHelp(), &QPushButton::clicked, this, [this] { btHelpClick(); });

    // The learning mode and the settings screen.
    m_modeAndSettings->connectControls();

    // The card screen's invisible buttons.
    connect(m_parts.status->TextLearnt, &ClickableText::clicked, this,
            [this] { runGuarded(this, [this] { m_parts.engine->btLearntNumberClick(); }); });
    m_parts.gestures->followIndicator(m_parts.card->TextIndicator());
    m_parts.gestures->uncover(m_parts.card->textScrollBars());
    connect(m_parts.gestures->btIndicatorColor, &QPushButton::clicked, this,
            [this] { m_parts.engine->btIndicatorColorClick(); });

    // Tabs, dictionaries and panels.
    connect(m_parts.tabs, &QTabWidget::currentChanged, m_layers.get(),
            &WindowLayers::TabControl1Paint);
    connect(
        m_parts.dictionaries, &DictionariesTab::itemClicked, this,
        [this](const QString& fileName) { m_dictionaryCommands->TextListBoxItemClick(fileName); });
    // Opened after the list has finished moving its highlight.
    connect(
        m_parts.dictionaries, &DictionariesTab::itemChosen, this,
        [this](const QString& fileName) { m_dictionaryCommands->openFromList(fileName); },
        Qt::QueuedConnection);
    connect(m_parts.dictionaries, &DictionariesTab::itemDoubleClicked, this,
            [this] { m_parts.tabs->setCurrentWidget(m_parts.tbPlay); });
    connect(m_parts.dictionaries, &DictionariesTab::selectionChanged, this,
            [this] { execute("Enables0"); });
    connect(m_parts.viewer->okButton(), &QPushButton::clicked, this, [this] { execute("OK00"); });
    connect(m_parts.help, &HelpScreen::languageChosen, this, [this](const QString& name) {
        applyLanguage(name);
        btHelpClick();
    });
    connect(m_parts.help, &HelpScreen::siteClicked, this, [this] { m_backAndClose->openManual(); });
    connect(m_parts.actionsPanel, &ActionsPanel::hint, this,
            [this](const QString& text) { m_parts.MyMessage(text); });
    connect(m_parts.farewell, &FarewellPanel::closeRequested, this,
            [this] { m_backAndClose->closeProgram(); });
    connect(m_parts.farewell, &FarewellPanel::backRequested, m_parts.farewell, &QWidget::hide);
    connect(m_parts.farewell, &FarewellPanel::linkRequested, this,
            [this] { m_backAndClose->openManualAndClose(); });

    // The back step, whichever control has the focus.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_Back)}) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this] { m_backAndClose->GoBack(); });
    }

    // Saving: every five minutes, and whenever the session or the program ends.
    m_save->connectTriggers();
    m_parts.tmGesture.setInterval(100);
    m_parts.tmGesture.setSingleShot(true);
    m_parts.tmWaitAfterZoom.setInterval(2000);
    m_parts.tmWaitAfterZoom.setSingleShot(true);
    const auto currentView = [this]() -> TView& { return m_parts.record.Views[LearningMode()]; };
    auto* input = new CardScreenInput({*m_parts.gestures, *this, *m_parts.actions,
                                       *m_parts.topBar->cbAuto(), m_parts.tmGesture,
                                       m_parts.tmWaitAfterZoom, *m_parts.card, currentView},
                                      this);
    connect(input, &CardScreenInput::textsZoomed, m_parts.saveScheduler,
            [this] { m_parts.saveScheduler->changed(); });
    // A zoom on the view editor's previews holds back taps and gesture actions, as one on the
    // card screen does.
    connect(m_parts.viewEditor, &ViewEditor::zoomed, this, [this] {
        m_parts.tmWaitAfterZoom.start();
        m_parts.tmGesture.start();
    });

    retranslateTabs();
    execute("Enables0");
    m_layers->TabControl1Paint();
    m_layers->layoutOverlays();
    m_layers->keepSmallestSize();
}

void TFormVocadrill::retranslateTabs()
{
    m_parts.tabs->setTabText(0, tr("Play"));
    m_parts.tabs->setTabText(1, tr("Settings"));
    m_parts.tabs->setTabText(2, tr("Dictionaries"));
    m_parts.viewer->okButton()->setText(action(QStringLiteral("OK00"))->text());
}

void TFormVocadrill::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && m_parts.actions) {
        m_parts.actions->retranslate();
        retranslateTabs();
        m_layers->keepSmallestSize();
    }
    QMainWindow::changeEvent(event);
}

void TFormVocadrill::applyLanguage(const QString& name)
{
    m_parts.language->select(name);
    m_parts.record.EnglishInterface = name == InterfaceLanguage::English;
}

void TFormVocadrill::showCard()
{
    const CardView& view = m_parts.engine->view();
    m_parts.card->showCard(view);
    const QSignalBlocker rtl(m_parts.gestures->cbRightToLeft);
    const QSignalBlocker phonetic(m_parts.gestures->cbPhonetic);
    m_parts.gestures->cbRightToLeft->setVisible(view.rightToLeftVisible);
    m_parts.gestures->cbRightToLeft->setChecked(view.rightToLeftTicked);
    m_parts.gestures->cbPhonetic->setVisible(view.phoneticVisible);
    m_parts.gestures->cbPhonetic->setChecked(view.phoneticTicked);
}

void TFormVocadrill::btHelpClick()
{
    m_parts.topBar->cbAuto()->setChecked(false);
    m_parts.help->showHelp(m_parts.language->name() == InterfaceLanguage::Russian);
}

// Closing saves, so nothing learnt since the last periodic save is lost. When the save fails
// the learner decides whether to close all the same.
void TFormVocadrill::closeEvent(QCloseEvent* event)
{
    if (m_backAndClose->mayClose())
        event->accept();
    else
        event->ignore();
}
