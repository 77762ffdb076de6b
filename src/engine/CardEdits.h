#pragma once

#include <QString>

class LearningEngine;
class StringList;

// The card editor's two confirmations on the open dictionary. A confirmed card line goes first
// in the dictionary and is shown at once with fresh counters. Text that is not a card changes
// nothing, so the learner can correct it, or leave the editor and find everything as it was.
namespace CardEdits {

// The card line made of the editor's text: trimmed of spaces and control characters at both
// ends, and with each line break inside (pasted text) made one space, so the card stays one
// line of its file.
QString EditedLine(const QString& text);

// Replaces the card on screen by the edited text: the first line of the dictionary equal to the
// card's leaves it, the card's counters are dropped, and the new line is put first and shown.
// False, and nothing changed, when the text is not a card.
bool ReplaceCard(LearningEngine& engine, StringList& dictionary, const QString& text);

enum class NewCard
{
    Empty,    // nothing was typed: nothing to add
    Added,    // put first in the dictionary and shown
    NotACard, // nothing changed
};

// Adds a card, even one whose line the dictionary already holds.
NewCard AddCard(LearningEngine& engine, StringList& dictionary, const QString& text);

} // namespace CardEdits
