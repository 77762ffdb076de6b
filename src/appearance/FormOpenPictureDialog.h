#pragma once

#include "cards/RememberedFolder.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class FilePicker;
class QWidget;

// The picture picker of the view editor: the learner picks a picture file from anywhere; the
// folder it came from is where the next pick starts, also after a restart, apart from the
// folder the text import remembers. Never shown itself: it runs the open-file dialog.
class TFormOpenPictureDialog : public QObject
{
    Q_OBJECT

public:
    // The filter in the interface language: "Pictures" (JPEG, PNG and BMP) preselected, then
    // "All files".
    static QString Filter();

    // Takes the picked picture, laid over white where it is transparent.
    using ShowPicture = std::function<void(const QImage& picture)>;

    explicit TFormOpenPictureDialog(const QString& bgNamePath, QObject* parent = nullptr);
    ~TFormOpenPictureDialog() override;

    void setFilePicker(std::unique_ptr<FilePicker> picker);

    // Runs the pick over parent and, when the learner picks a file (OK0), decodes it, hands the
    // picture to show and remembers the folder. Throws FileError when the file is not a picture
    // that can be decoded within the size limits (then nothing has changed) or when the folder
    // cannot be remembered. Cancelling changes nothing.
    void MyShow(QWidget* parent, const ShowPicture& show);

    // The picture picked last, and the folder to start the next pick in.
    QString FileName;
    const QString& DirName() const { return m_folder.DirName; }

private:
    void OK0Execute(const QString& picked, const ShowPicture& show);

    RememberedFolder m_folder;
    std::unique_ptr<FilePicker> m_picker;
};
