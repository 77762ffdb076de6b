#include "appearance/FormOpenPictureDialog.h"

#include "cards/FileError.h"
#include "settings/BackgroundPictureFile.h"
#include "settings/Backgrounds.h"
#include "widgets/FilePicker.h"

QString TFormOpenPictureDialog::Filter()
{
    return tr("Pictures (*.jpg *.jpeg *.png *.bmp);;All files (*)");
}

TFormOpenPictureDialog::TFormOpenPictureDialog(const QString& bgNamePath, QObject* parent)
    : QObject(parent), m_folder(bgNamePath), m_picker(std::make_unique<SystemFilePicker>())
{}

TFormOpenPictureDialog::~TFormOpenPictureDialog() = default;

void TFormOpenPictureDialog::setFilePicker(std::unique_ptr<FilePicker> picker)
{
    m_picker = std::move(picker);
}

void TFormOpenPictureDialog::MyShow(QWidget* parent, const ShowPicture& show)
{
    m_folder.load();
    const QString picked = m_picker->pickFile(parent, m_folder.startFolder(), Filter());
    if (!picked.isEmpty())
        OK0Execute(picked, show);
}

void TFormOpenPictureDialog::OK0Execute(const QString& picked, const ShowPicture& show)
{
    const DecodedPicture decoded = decodePicture(picked);
    if (decoded.image.isNull())
        throw FileError(decoded.error);
    FileName = picked;
    m_folder.pick(picked);
    show(BackgroundPictureFile::opaque(decoded.image));
    m_folder.save();
}
