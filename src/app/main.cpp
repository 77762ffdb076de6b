#include "cards/FileError.h"
#include "shell/FormVocadrill.h"
#include "shell/SingleInstance.h"
#include "shell/SystemLocale.h"
#include "widgets/ErrorBoundary.h"
#include "widgets/HeapSettings.h"

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>

int main(int argc, char* argv[])
{
    mergeFreedBlocksAtOnce();
    QApplication app(argc, argv);
    // The desktop entry and the icon theme know the program by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("vocadrill"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/vocadrill.png")));
    const QString exeDir = QCoreApplication::applicationDirPath();

    SingleInstance instance(exeDir);
    if (instance.handOverToRunningCopy())
        return 0;
    instance.listen();

    applySystemLocale();
    try {
        TFormVocadrill form(
            {exeDir, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)});
        QObject::connect(&instance, &SingleInstance::activationRequested, &form, [&form] {
            form.showNormal();
            form.raise();
            form.activateWindow();
        });
        form.show();
        return app.exec();
    } catch (const FileError& error) {
        showError(nullptr, error.message());
        return 1;
    }
}
