#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QWidget;

// The window's one list of commands. Each action has a name (its objectName), an English
// caption that follows the interface language, and a handler. Buttons, tiles, taps, keys and
// timers execute actions by name.
class ActionList : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void()>;
    // Asked before a handler runs, with the action's name: the handler runs only on true.
    using Gate = std::function<bool(const QString& name)>;

    // The window whose actions these are; handlers' errors are shown over it.
    explicit ActionList(QWidget* window);

    QAction* add(const QString& name, const char* caption, Handler handler, bool checkable = false);
    QAction* action(const QString& name) const;

    // Executes the action: a disabled action does nothing, a toggle flips before its handler.
    bool execute(const QString& name);
    // Runs the handler itself, as the actions panel's tiles do: no enabled check, no toggle.
    void runHandler(const QString& name);
    void setGate(Gate gate) { m_gate = std::move(gate); }

    // Sets every caption in the current interface language.
    void retranslate();

signals:
    void retranslated();

private:
    struct Entry
    {
        QAction* action = nullptr;
        const char* caption = nullptr;
        Handler handler;
    };

    QWidget* m_window;
    QHash<QString, Entry> m_entries;
    Gate m_gate;
};
