#pragma once

#include "cards/DataPaths.h"
#include "cards/DictionaryStore.h"
#include "cards/LearningHistory.h"
#include "cards/PhoneticTable.h"
#include "engine/LearningEngine.h"
#include "engine/LearningTally.h"
#include "settings/SettingsRecord.h"

#include <QTimer>

#include <memory>

class ActionList;
class ActionsPanel;
class BackgroundSave;
class CardEditor;
class CardScreen;
class DictionariesTab;
class FarewellPanel;
class GestureLayer;
class HelpScreen;
class InterfaceLanguage;
class ListViewer;
class LongWork;
class MessageLabels;
class MessagePanel;
class ProgressView;
class QAction;
class QMainWindow;
class QTabWidget;
class SaveScheduler;
class SettingsScreen;
class StatusLine;
class TFormOpenPictureDialog;
class TFormOpenTxtDialog;
class TopBar;
class ViewEditor;

// The state of the run and the parts of the main window: built and wired by the window, and
// shared with the classes that carry out its commands, one class per subject.
struct WindowParts
{
    explicit WindowParts(QMainWindow& mainWindow) : window(mainWindow) {}

    // Executes an action by name: a disabled action does nothing, a toggle flips first.
    bool execute(const QString& actionName) const;
    QAction* action(const QString& actionName) const;
    int LearningMode() const;
    bool isFullScreen0() const;
    // The current text of a hidden message label ("msMixed" ...).
    QString messageText(const QString& labelName) const;
    // Shows a message over the card screen, and over everything else, for two seconds.
    void MyMessage(const QString& TheMessage) const;
    void showPanel(QWidget* panel) const;
    // Lists the dictionaries of the folder again, highlighting the open one.
    void listDictionaries() const;
    // Shows a list of the dictionaries, highlighting the open one.
    void showDictionaries(const DictionaryStore::DictList& list) const;
    // While long work on the dictionary runs, a change of the dictionary waits for it: the
    // learner is told so, and true is returned.
    bool refusedWhileBusy() const;
    // The same for the action of that name, when it may change the dictionary.
    bool mayRun(const QString& actionName) const;

    QMainWindow& window;

    DataRecord record;
    DataPaths paths;
    PhoneticTable phonetic;
    std::unique_ptr<DictionaryStore> store;
    // Declared after what it reads, so that it goes first.
    std::unique_ptr<LearningEngine> engine;
    // The learning history, counted by the tally and written by the save.
    LearningHistory history;
    std::unique_ptr<LearningTally> tally;

    ActionList* actions = nullptr;
    InterfaceLanguage* language = nullptr;
    BackgroundSave* backgroundSave = nullptr;
    SaveScheduler* saveScheduler = nullptr;
    LongWork* longWork = nullptr;

    QWidget* main = nullptr;
    TopBar* topBar = nullptr;
    QTabWidget* tabs = nullptr;
    QWidget* tbPlay = nullptr;
    SettingsScreen* settings = nullptr;
    DictionariesTab* dictionaries = nullptr;
    StatusLine* status = nullptr;
    CardScreen* card = nullptr;
    QWidget* fullScreen = nullptr;
    GestureLayer* gestures = nullptr;
    MessagePanel* messagePanel = nullptr;
    ListViewer* viewer = nullptr;
    ProgressView* progress = nullptr;
    ActionsPanel* actionsPanel = nullptr;
    CardEditor* word = nullptr;
    HelpScreen* help = nullptr;
    FarewellPanel* farewell = nullptr;
    MessageLabels* messageLabels = nullptr;
    ViewEditor* viewEditor = nullptr;
    TFormOpenTxtDialog* openTxtDialog = nullptr;
    TFormOpenPictureDialog* openPictureDialog = nullptr;

    // Taps and gesture actions wait for these after a gesture and after a zoom.
    QTimer tmGesture;
    QTimer tmWaitAfterZoom;
};
