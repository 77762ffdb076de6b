#include "widgets/ActionList.h"

#include "widgets/ErrorBoundary.h"

#include <QAction>
#include <QCoreApplication>
#include <QWidget>

ActionList::ActionList(QWidget* window) : QObject(window), m_window(window) {}

QAction* ActionList::add(const QString& name, const char* caption, Handler handler, bool checkable)
{
    auto* action = new QAction(this);
    action->setObjectName(name);
    action->setCheckable(checkable);
    action->setText(QCoreApplication::translate("Vocadrill", caption));
    connect(action, &QAction::triggered, this, [this, name] { runHandler(name); });
    m_entries.insert(name, {action, caption, std::move(handler)});
    return action;
}

QAction* ActionList::action(const QString& name) const
{
    return m_entries.value(name).action;
}

bool ActionList::execute(const QString& name)
{
    QAction* target = action(name);
    if (!target || !target->isEnabled())
        return false;
    target->trigger();
    return true;
}

void ActionList::runHandler(const QString& name)
{
    const auto entry = m_entries.constFind(name);
    if (m_gate && !m_gate(name))
        return;
    if (entry != m_entries.constEnd() && entry->handler)
        runGuarded(m_window, entry->handler);
}

void ActionList::retranslate()
{
    for (const Entry& entry : std::as_const(m_entries))
        entry.action->setText(QCoreApplication::translate("Vocadrill", entry.caption));
    emit retranslated();
}
