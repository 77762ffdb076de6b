#pragma once

#include <QObject>

struct Removal;
struct WindowParts;

// Taking back the learner's removals of cards: each removal is told on the message panel with
// the way back, and Ctrl+Z or the Undo tile brings back the latest one.
class UndoRemovals : public QObject
{
    Q_OBJECT

public:
    explicit UndoRemovals(WindowParts& parts);

    // Tells each removal from now on, and takes Ctrl+Z.
    void start();
    void Undo0Execute();

private:
    void tellRemoval(const Removal& removal);

    WindowParts& m_parts;
};
