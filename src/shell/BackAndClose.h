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
    // Opens the program's manual in the browser; when it cannot, says so and returns false.
    bool openManual();
    // The farewell panel's link: the manual opens and the program closes, or the learner is told
    // why it did not open and the program stays.
    void openManualAndClose();

private:
    WindowParts& m_parts;
    WindowSave& m_save;
};
