#include "shell/FileLauncher.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

bool open(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromUserInput(path));
}

} // namespace

bool TFileLauncher::OpenHtmlLink(const QString& FilePath)
{
    return open(FilePath);
}

bool TFileLauncher::OpenHtmlFile(const QString& FilePath)
{
    return open(FilePath);
}

bool TFileLauncher::OpenPdfFile(const QString& FilePath)
{
    return open(FilePath);
}

bool TFileLauncher::OpenPDFLink(const QString& FilePath)
{
    return open(FilePath);
}
