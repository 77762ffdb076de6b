#pragma once

#include "cards/RememberedFolder.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class FilePicker;
class LongWork;
class QWidget;

// The text file import: the learner picks any file, which is copied into the dictionaries
// folder under a free name and opened as a dictionary; the folder it came from is where the
// next pick starts, also after a restart. Never shown itself: it runs the open-file dialog.
class TFormOpenTxtDialog : public QObject
{
    Q_OBJECT

public:
    // The filter: "Text files" preselected, then CSV and TSV files, then "All files".
    static const QString Filter;

    // Opens an imported dictionary by its path. Throws FileError when it cannot.
    using OpenDictionary = std::function<void(const QString& path)>;
    // Asks whether the fields of another program's export become cards; true for Yes.
    using AskToMakeCards = std::function<bool()>;

    // A long file is copied, read and written as cards on worker threads of longWork.
    TFormOpenTxtDialog(QString dictDir, const QString& txtNamePath, LongWork& longWork,
                       QObject* parent = nullptr);
    ~TFormOpenTxtDialog() override;

    void setFilePicker(std::unique_ptr<FilePicker> picker);

    // Runs the pick over parent and, when the learner picks a file, the import (OK0): the copy,
    // then, for a copy of fields without cards (see ExportedFields.h), the question whether to
    // write the copy as cards, then open with the copy's path, then the folder is remembered.
    // The picked file is only read. Throws FileError at the first step that fails: a failed
    // copy leaves everything as it was, a failed open keeps the copy in the dictionaries
    // folder. Cancelling changes nothing. A long file is copied and read on a worker thread, and
    // its cards are written on one: then each step follows when the one before has ended, and
    // the errors of all of them, the copy's too, are shown over the window.
    void MyShow(QWidget* parent, const OpenDictionary& open, const AskToMakeCards& ask);

    // The file picked last, and the folder to start the next pick in.
    QString FileName;
    const QString& DirName() const { return m_folder.DirName; }

private:
    void OK0Execute(const QString& picked, const OpenDictionary& open, const AskToMakeCards& ask);
    // The copy in the dictionaries folder and its lines as cards, when they are another
    // program's fields.
    struct ReadCopy
    {
        QString target;
        std::optional<QStringList> cards;
    };

    void finishImport(const QString& target, const std::optional<QStringList>& cards,
                      const OpenDictionary& open, const AskToMakeCards& ask);
    void openCopy(const QString& target, const OpenDictionary& open);

    QString m_dictDir;
    RememberedFolder m_folder;
    std::unique_ptr<FilePicker> m_picker;
    LongWork& m_longWork;
};
