#pragma once

#include <QString>

// Hands a link or a file to the desktop, which opens it in the user's browser or viewer. An
// absolute path opens as a local file. False when the desktop has nothing to open it with.
class TFileLauncher
{
public:
    TFileLauncher() = delete;

    static bool OpenHtmlLink(const QString& FilePath);
    static bool OpenHtmlFile(const QString& FilePath);
    static bool OpenPdfFile(const QString& FilePath);
    static bool OpenPDFLink(const QString& FilePath);
};
