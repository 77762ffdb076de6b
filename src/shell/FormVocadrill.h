#pragma once

#include "cards/DataPaths.h"
#include "cards/DictionaryStore.h"
#include "cards/PhoneticTable.h"
#include "engine/EnginePorts.h"
#include "settings/SettingsRecord.h"

#include <QMainWindow>
#include <QTimer>

#include <memory>

class ActionList;
class ActionsPanel;
class CardEditor;
class CardScreen;
class DictionariesTab;
class DictionaryStore;
class DoubleClick;
class FarewellPanel;
class GestureLayer;
class HelpScreen;
class InterfaceLanguage;
class LearningEngine;
class ListViewer;
class MessageLabels;
class MessagePanel;
class QAction;
class QTabWidget;
class SaveScheduler;
class SessionClock;
class SettingsScreen;
class StatusLine;
class TFormOpenPictureDialog;
class TFormOpenTxtDialog;
class TopBar;
class ViewEditor;
class WindowPorts;

// The program's one window: the card screen, the settings and the dictionaries tabs under a top
// bar, a status line, and the panels laid over them. It owns the learning state for the whole
// run and wires it to the widgets; every command is an action executed by name.
class TFormVocadrill : public QMainWindow
{
    Q_OBJECT

public:
    struct Folders
    {
        QString exeDir;
        QString documentsDir;
    };

    // Runs the start-up sequence over the given folders. Throws FileError when the data folders
    // cannot be made.
    explicit TFormVocadrill(const Folders& folders, QWidget* parent = nullptr);
    ~TFormVocadrill() override;

    // Executes an action by name: a disabled action does nothing, a toggle flips first.
    bool execute(const QString& actionName);
    QAction* action(const QString& actionName) const;

    const DataPaths& paths() const { return m_paths; }
    DataRecord& dataRecord() { return m_record; }
    DictionaryStore& store() { return *m_store; }
    LearningEngine& engine() { return *m_engine; }
    InterfaceLanguage& language() { return *m_language; }
    int LearningMode() const;
    bool isFullScreen0() const;

    // Shows a message over the card screen for two seconds.
    void MyMessage(const QString& TheMessage);
    // The current text of a hidden message label ("msMixed" ...).
    QString messageText(const QString& labelName) const;
    // Tells on the message panel how the first rewrite of the open dictionary changed its file.
    void tellFormChange(const DictionaryStore::FormChange& change);

    // The whole save: settings record, dictionary, pointer, learnt list, progress. Errors are
    // shown in a message box; false when the save failed or another save is still running.
    bool SaveAll0();
    // Runs the save soon after each change of what it writes.
    SaveScheduler& saveScheduler() { return *m_saveScheduler; }

    void GoBack();

    // The text import and the picture picker, each with its open-file dialog.
    TFormOpenTxtDialog& FormOpenTxtDialog() { return *m_openTxtDialog; }
    TFormOpenPictureDialog& FormOpenPictureDialog() { return *m_openPictureDialog; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class WindowPorts;

    void buildActions();
    void buildScreens();
    void buildPanels();
    void connectState();
    void connectSaveTriggers();
    void FormCreate(const Folders& folders);
    void BuildDefaults();
    void ReadDataFile();
    void WriteDataFile();
    void applyLanguage(const QString& name);
    void retranslateTabs();
    void ShowBackgrounds();

    void layoutOverlays();
    QList<QWidget*> overlayPanels() const;
    void showPanel(QWidget* panel);
    void TabControl1Paint();
    void MyRadio();
    void EditOnChangeChange();
    void showCard();

    void cbLearningChange(int index);
    void TextListBoxItemClick(const QString& fileName);
    void openFromList(const QString& fileName);
    void openDictionaryResult(const QString& fileName, bool warn);
    void Enables0Execute();

    void Actions0Execute();
    void FullScreen0Execute();
    void Edit0Execute();
    void New0Execute();
    void WordOKExecute();
    void WordNewOKExecute();
    void Mix00Execute();
    void Sort00Execute();
    void Swap0Execute();
    void Copy00Execute();
    void Delete00Execute();
    void Look00Execute();
    void Learnt00Execute();
    void LearntToday0Execute();
    void FromFile0Execute();
    void openImportedDictionary(const QString& path);
    void TopBottom0Execute();
    void FromFile00Execute();
    void ViewOK0Execute();
    void btHelpClick();
    void closeProgram();
    void openManual();

    DataRecord m_record;
    DataPaths m_paths;
    PhoneticTable m_phonetic;
    std::unique_ptr<DictionaryStore> m_store;
    std::unique_ptr<WindowPorts> m_ports;
    std::unique_ptr<LearningEngine> m_engine;

    ActionList* m_actions = nullptr;
    InterfaceLanguage* m_language = nullptr;
    SessionClock* m_clock = nullptr;
    DoubleClick* m_listDoubleClick = nullptr;

    QWidget* m_main = nullptr;
    TopBar* m_topBar = nullptr;
    QTabWidget* m_tabs = nullptr;
    QWidget* m_tbPlay = nullptr;
    SettingsScreen* m_settings = nullptr;
    DictionariesTab* m_dictionaries = nullptr;
    StatusLine* m_status = nullptr;
    CardScreen* m_card = nullptr;
    QWidget* m_fullScreen = nullptr;
    GestureLayer* m_gestures = nullptr;
    MessagePanel* m_messagePanel = nullptr;
    ListViewer* m_viewer = nullptr;
    ActionsPanel* m_actionsPanel = nullptr;
    CardEditor* m_word = nullptr;
    HelpScreen* m_help = nullptr;
    FarewellPanel* m_farewell = nullptr;
    MessageLabels* m_messageLabels = nullptr;
    ViewEditor* m_viewEditor = nullptr;
    TFormOpenTxtDialog* m_openTxtDialog = nullptr;
    TFormOpenPictureDialog* m_openPictureDialog = nullptr;

    QTimer tmSave;
    SaveScheduler* m_saveScheduler = nullptr;
    bool m_saving = false;
    QTimer tmGesture;
    QTimer tmWaitAfterZoom;
    bool m_savedForQuit = false;
};
