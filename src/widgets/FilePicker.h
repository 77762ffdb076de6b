#pragma once

#include <QString>

class QWidget;

// The modal open-file dialog through which the learner picks one existing file. The program
// uses the system's; tests pass one that answers with a chosen path.
class FilePicker
{
public:
    virtual ~FilePicker() = default;

    // Runs the dialog over parent, starting in startFolder (the system chooses when it is
    // empty), with a Qt name filter whose first entry is preselected. Returns the picked
    // file's path, or empty when the learner cancelled.
    virtual QString pickFile(QWidget* parent, const QString& startFolder,
                             const QString& filter) = 0;
};

// The system's open-file dialog, QFileDialog.
class SystemFilePicker : public FilePicker
{
public:
    QString pickFile(QWidget* parent, const QString& startFolder, const QString& filter) override;
};
