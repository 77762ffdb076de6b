#pragma once

#include <QString>
#include <QWidget>

class ClickableText;
class QPlainTextEdit;

// The help screen "recHelp": a full-window panel with the program's title, the language switches
// "En" and "Ru", two "Back" texts, a "Site" text and the read-only help text "MemoHelp". The help
// text is read from its file every time the screen is shown, never kept.
class HelpScreen : public QWidget
{
    Q_OBJECT

public:
    explicit HelpScreen(QWidget* parent = nullptr);

    // The caption of the title text "TextVocadrill".
    void setTitle(const QString& title);
    // The Russian and the English help file.
    void setHelpFiles(const QString& russianPath, const QString& englishPath);

    // Shows the screen above its siblings and loads the help file of the language afresh. A file
    // that cannot be read leaves a short note naming it in place of the help text.
    void showHelp(bool russian);

signals:
    // "En" or "Ru" was clicked.
    void languageChosen(const QString& name);
    // A "Back" text hid the screen.
    void backClicked();
    // The title or "Site" was clicked.
    void siteClicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void loadHelp(bool russian);

    ClickableText* m_title;
    ClickableText* m_back;
    ClickableText* m_bottomBack;
    ClickableText* m_site;
    QPlainTextEdit* m_memo;
    QString m_russianPath;
    QString m_englishPath;
};
