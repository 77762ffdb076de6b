#pragma once

struct WindowParts;

// The looks of the card screen's halves: their backgrounds as stored, and the view editor's
// commands that change them.
class ViewEditing
{
public:
    explicit ViewEditing(WindowParts& parts) : m_parts(parts) {}

    // Shows the backgrounds of the current mode's halves; the ones that cannot be shown are
    // named in one message.
    void ShowBackgrounds();
    // Opens the view editor on the half chosen before (Top0, Bottom0).
    void TopBottom0Execute();
    // The picture picker, whose picture goes to the editor's preview.
    void FromFile00Execute();
    // The edited half takes the preview's background and texts.
    void ViewOK0Execute();

private:
    WindowParts& m_parts;
};
