#include "shell/BackAndClose.h"

#include "appearance/ViewEditor.h"
#include "dictionaries/ListViewer.h"
#include "progress/ProgressView.h"
#include "shell/ActionsPanel.h"
#include "shell/CardEditor.h"
#include "shell/FarewellPanel.h"
#include "shell/FileLauncher.h"
#include "shell/HelpScreen.h"
#include "shell/TopBar.h"
#include "shell/WindowParts.h"
#include "shell/WindowSave.h"
#include "widgets/LongWork.h"
#include "widgets/MessageBoxes.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QTabWidget>

void BackAndClose::GoBack()
{
    if (m_parts.farewell->isVisible()) {
        closeProgram();
        return;
    }
    for (QWidget* panel : QList<QWidget*>{m_parts.help, m_parts.word, m_parts.actionsPanel,
                                          m_parts.viewEditor, m_parts.viewer, m_parts.progress}) {
        if (panel->isVisible()) {
            panel->hide();
            return;
        }
    }
    if (m_parts.isFullScreen0()) {
        m_parts.execute("FullScreen0");
        return;
    }
    if (m_parts.tabs->currentWidget() != m_parts.tbPlay) {
        m_parts.tabs->setCurrentWidget(m_parts.tbPlay);
        return;
    }
    m_parts.showPanel(m_parts.farewell);
}

void BackAndClose::closeProgram()
{
    if (m_parts.window.close())
        QCoreApplication::quit();
}

bool BackAndClose::mayClose()
{
    // Work on the dictionary ends and is applied first, so that the save writes its result.
    m_parts.longWork->finish();
    m_parts.topBar->cbAuto()->setChecked(false);
    if (m_save.SaveAll0() ||
        MessageBoxes::askYesNo(
            &m_parts.window,
            QCoreApplication::translate("BackAndClose",
                                        "Your changes could not be saved. Close anyway?"))) {
        m_save.closedAfterSave();
        return true;
    }
    return false;
}

bool BackAndClose::openManual()
{
    const QString manual = m_parts.paths.DataDir + QStringLiteral("/Manual.html");
    if (QFileInfo::exists(manual) && TFileLauncher::OpenHtmlFile(manual))
        return true;
    MessageBoxes::showMessage(
        &m_parts.window,
        QCoreApplication::translate("BackAndClose", "The manual could not be opened: %1")
            .arg(QDir::toNativeSeparators(manual)));
    return false;
}

void BackAndClose::openManualAndClose()
{
    if (openManual())
        closeProgram();
}
