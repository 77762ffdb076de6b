#include "widgets/FilePicker.h"

#include <QFileDialog>

QString SystemFilePicker::pickFile(QWidget* parent, const QString& startFolder,
                                   const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), startFolder, filter);
}
