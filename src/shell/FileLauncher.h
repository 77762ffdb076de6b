#pragma once

#include <QString>

// Hands a link or a file to the desktop, which opens it in the user's browser or viewer. An
// absolute path opens as a local file. Whether the desktop could open it is not looked at.
class TFileLauncher
{
public:
    TFileLauncher() = delete;

    static void OpenHtmlLink(const QString& FilePath);
    static void OpenHtmlFile(const QString& FilePath);
    static void OpenPdfFile(const QString& FilePath);
    static void OpenPDFLink(const QString& FilePath);
};
