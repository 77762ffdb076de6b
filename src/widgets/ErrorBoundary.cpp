#include "widgets/ErrorBoundary.h"

#include "cards/FileError.h"

#include <QMessageBox>

bool runGuarded(QWidget* parent, const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const FileError& error) {
        showError(parent, error.message());
    } catch (const std::exception& error) {
        showError(parent, QString::fromLocal8Bit(error.what()));
    }
    return false;
}

void showError(QWidget* parent, const QString& message)
{
    QMessageBox::critical(parent, QStringLiteral("Vocadrill"), message);
}
