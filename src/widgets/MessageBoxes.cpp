#include "widgets/MessageBoxes.h"

#include <QMessageBox>

namespace MessageBoxes {

namespace {

const QString title = QStringLiteral("Vocadrill");

} // namespace

void showMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool askYesNo(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace MessageBoxes
