#pragma once

#include <QString>
#include <QStringList>

class QPixmap;
class TFormVocadrill;

// Walks the window through its screens by its own actions and controls, and saves a picture of
// each as a PNG in the output folder. A screen whose action or control the window does not have
// is left out and named in skipped().
class ScreenshotTour
{
public:
    ScreenshotTour(TFormVocadrill& window, const QString& folder);

    void run();
    QStringList saved() const { return m_saved; }
    QStringList skipped() const { return m_skipped; }

private:
    // Closes a modal box that a step did not ask for, so that the tour goes on, and names it.
    void dismissUnexpectedBoxes();
    void firstStartAndDictionaries();
    void cardScreen();
    void panelsOverTheCards();
    void settingsPages();
    void importDialog();
    void russianInterface();
    void transcriptionFromThePhoneticDictionary();
    void progressView();
    void farewell();

    bool openDictionary(const QString& name);
    bool showTab(const char* pageName);
    // Executes the action and saves the window; the back step closes what it opened.
    void shootAction(const QString& picture, const QString& action);
    // Executes the action, which opens a window of its own, and saves that window.
    void shootOwnWindow(const QString& picture, const QString& action);
    void shootWindow(const QString& picture);
    void save(const QString& picture, const QPixmap& pixmap);
    void skip(const QString& picture, const QString& reason);

    TFormVocadrill& m_window;
    QString m_folder;
    QStringList m_saved;
    QStringList m_skipped;
    bool m_expectingWindow = false;
};
