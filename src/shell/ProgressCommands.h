#pragma once

struct WindowParts;

// Opens the progress view over the window, filled from the learning history.
class ProgressCommands
{
public:
    explicit ProgressCommands(WindowParts& parts) : m_parts(parts) {}

    void Progress0Execute();

private:
    WindowParts& m_parts;
};
