#pragma once

#include "shell/WindowParts.h"

#include <QMainWindow>

#include <memory>

class BackAndClose;
class CardEditing;
class DictionaryCommands;
class FirstCardGuide;
class ModeAndSettings;
class ProgressCommands;
class Speech;
class StatusLineFeed;
class UndoRemovals;
class ViewEditing;
class WindowLayers;
class WindowPorts;
class WindowSave;

// The program's one window: the card screen, the settings and the dictionaries tabs under a top
// bar, a status line, and the panels laid over them. It holds the learning state for the whole
// run, builds the parts and wires them; every command is an action executed by name, carried
// out by the class of its subject.
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

    const DataPaths& paths() const { return m_parts.paths; }
    DataRecord& dataRecord() { return m_parts.record; }
    DictionaryStore& store() { return *m_parts.store; }
    LearningEngine& engine() { return *m_parts.engine; }
    InterfaceLanguage& language() { return *m_parts.language; }
    // The voice the cards are said with, in place of the system's.
    void setVoice(Speech& voice);
    int LearningMode() const;
    bool isFullScreen0() const;

    // Shows a message over the card screen for two seconds.
    void MyMessage(const QString& TheMessage);
    // The current text of a hidden message label ("msMixed" ...).
    QString messageText(const QString& labelName) const;

    // The whole save: settings record, dictionary, pointer, learnt list, progress. Errors are
    // shown in a message box; false when the save failed or another save is still running.
    bool SaveAll0();
    // Runs the save soon after each change of what it writes.
    SaveScheduler& saveScheduler() { return *m_parts.saveScheduler; }
    // Runs the scheduled saves on a worker thread.
    BackgroundSave& backgroundSave() { return *m_parts.backgroundSave; }

    void GoBack();

    // The text import and the picture picker, each with its open-file dialog.
    TFormOpenTxtDialog& FormOpenTxtDialog() { return *m_parts.openTxtDialog; }
    TFormOpenPictureDialog& FormOpenPictureDialog() { return *m_parts.openPictureDialog; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildActions();
    void buildScreens();
    void buildPanels();
    void connectState();
    void FormCreate(const Folders& folders);
    void BuildDefaults();
    void ReadDataFile();
    void applyLanguage(const QString& name);
    void retranslateTabs();

    void showCard();

    void btHelpClick();

    // The ports hold the parts and outlive the engine in them.
    std::unique_ptr<WindowPorts> m_ports;
    WindowParts m_parts{*this};
    std::unique_ptr<WindowSave> m_save;
    std::unique_ptr<DictionaryCommands> m_dictionaryCommands;
    std::unique_ptr<ProgressCommands> m_progressCommands;
    std::unique_ptr<CardEditing> m_cardEditing;
    std::unique_ptr<ViewEditing> m_viewEditing;
    std::unique_ptr<BackAndClose> m_backAndClose;
    std::unique_ptr<WindowLayers> m_layers;
    std::unique_ptr<StatusLineFeed> m_statusFeed;
    std::unique_ptr<FirstCardGuide> m_firstCardGuide;
    std::unique_ptr<UndoRemovals> m_undo;
    std::unique_ptr<ModeAndSettings> m_modeAndSettings;
};
