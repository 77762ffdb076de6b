#include "shell/UndoRemovals.h"

#include "cards/CardLine.h"
#include "shell/WindowParts.h"

#include <QMainWindow>
#include <QShortcut>

UndoRemovals::UndoRemovals(WindowParts& parts) : QObject(&parts.window), m_parts(parts) {}

void UndoRemovals::start()
{
    connect(m_parts.engine.get(), &LearningEngine::cardRemoved, this, &UndoRemovals::tellRemoval);
    // A text field that takes Ctrl+Z for its own text keeps it.
    auto* shortcut = new QShortcut(QKeySequence::Undo, &m_parts.window);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [this] { m_parts.execute("Undo0"); });
}

void UndoRemovals::tellRemoval(const Removal& removal)
{
    const QString question = QuestionOf(removal.line);
    switch (removal.kind) {
    case Removal::Kind::Deleted:
        m_parts.MyMessage(tr("Deleted: %1. Ctrl+Z brings it back.").arg(question));
        break;
    case Removal::Kind::Learnt:
        m_parts.MyMessage(tr("Learnt: %1. Ctrl+Z brings it back.").arg(question));
        break;
    case Removal::Kind::Replaced:
        m_parts.MyMessage(tr("Replaced: %1. Ctrl+Z brings it back.").arg(question));
        break;
    }
}

void UndoRemovals::Undo0Execute()
{
    QString line;
    switch (m_parts.engine->Undo0(line)) {
    case LearningEngine::UndoResult::NothingToUndo:
        m_parts.MyMessage(tr("Nothing to bring back"));
        break;
    case LearningEngine::UndoResult::OtherDictionary:
        m_parts.MyMessage(tr("%1 was removed from another dictionary").arg(QuestionOf(line)));
        break;
    case LearningEngine::UndoResult::BroughtBack:
        m_parts.MyMessage(tr("Brought back: %1").arg(QuestionOf(line)));
        break;
    }
}
