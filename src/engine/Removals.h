#pragma once

#include <QList>
#include <QString>

class StringList;

// A card taken out of the open dictionary by the learner: deleted, learnt, or replaced in the
// card editor.
struct Removal
{
    enum class Kind
    {
        Deleted,
        Learnt,
        Replaced,
    };

    Kind kind = Kind::Deleted;
    // The dictionary it was taken from.
    QString dictPath;
    QString line;
    // Where it stood, or -1 when the dictionary did not hold it.
    qsizetype index = -1;
    // The editor's line that took its place at the top of the dictionary.
    QString replacement;
    // The learnt lines and the learnt count took it in.
    bool counted = false;
};

// The last removals of the run, most recent last, for the learner to take back one by one.
class Removals
{
public:
    static constexpr qsizetype Kept = 20;

    void record(Removal removal);
    bool isEmpty() const { return m_removals.isEmpty(); }
    Removal takeLast() { return m_removals.takeLast(); }

private:
    QList<Removal> m_removals;
};

// Puts the removed line back in its place in the dictionary, taking out the editor's line that
// replaced it. The learnt lines and count are the caller's.
void putBack(const Removal& removal, StringList& dictionary);
