#include "shell/FileLauncher.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

void open(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(path));
}

} // namespace

void TFileLauncher::OpenHtmlLink(const QString& FilePath)
{
    open(FilePath);
}

void TFileLauncher::OpenHtmlFile(const QString& FilePath)
{
    open(FilePath);
}

void TFileLauncher::OpenPdfFile(const QString& FilePath)
{
    open(FilePath);
}

void TFileLauncher::OpenPDFLink(const QString& FilePath)
{
    open(FilePath);
}
