#pragma once

#include <QHash>
#include <QString>
#include <QTranslator>

// The interface language: English, the texts the window is written with, or Russian, from the
// program's English-to-Russian table and, for Qt's own dialogs, Qt's Russian translations.
// Selecting a language installs or removes this translator on the application, which sends
// QEvent::LanguageChange to every widget; widgets set their texts with tr() from the English source
// and set them again on that event.
class InterfaceLanguage : public QTranslator
{
    Q_OBJECT

public:
    static inline const QString English = QStringLiteral("En");
    static inline const QString Russian = QStringLiteral("Ru");

    explicit InterfaceLanguage(QObject* parent = nullptr);
    // Leaves the application before any member goes: Qt's worker threads may translate at any time.
    ~InterfaceLanguage() override;

    // Selects "En" or "Ru"; every widget has its texts in that language when this returns. Any
    // other name is refused and changes nothing.
    bool select(const QString& name);
    // The selected language's name, "En" or "Ru". English until Russian is selected.
    QString name() const;

    // The Russian text of an English text of the table, looked up whole, whatever the context;
    // empty for any other text, so that Qt shows the source text.
    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override;

private:
    QHash<QString, QString> m_russian;
    QTranslator m_qtRussian;
    bool m_russianSelected = false;
};
