#pragma once

#include "shell/CardEditor.h"

struct WindowParts;

// The card editor's commands: editing the card on screen, adding a new card, and their OK.
class CardEditing
{
public:
    explicit CardEditing(WindowParts& parts) : m_parts(parts) {}

    // Opens the editor on the card on screen, or on a new card when there is none.
    void Edit0Execute();
    void New0Execute();
    void WordOKExecute();
    void WordNewOKExecute();

private:
    // Opens the editor, unless a zoom has just ended.
    void openEditor(CardEditor::Purpose purpose, const QString& text);
    void tellNotACard();

    WindowParts& m_parts;
};
