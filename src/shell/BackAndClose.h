#pragma once

class WindowSave;
struct WindowParts;

// The back step (Escape, the Back key) and closing the program with its last save.
class BackAndClose
{
public:
    BackAndClose(WindowParts& parts, WindowSave& save) : m_parts(parts), m_save(save) {}

    // Closes the top panel, leaves full-screen mode, goes back to the card screen, or offers
    // the farewell panel, the first of these that applies.
    void GoBack();
    // Closes the window and, when it closed, ends the program.
    void closeProgram();
    // Closing saves, so nothing learnt since the last save is lost. When the save fails the
    // learner decides whether to close all the same.
    bool mayClose();
    void openManual();

private:
    WindowParts& m_parts;
    WindowSave& m_save;
};
