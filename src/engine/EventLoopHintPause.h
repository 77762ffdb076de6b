#pragma once

#include "engine/EnginePorts.h"

// The hint's pause for the running program: a local event loop that repaints and runs timers
// but holds keys, clicks and touches back until the pause is over; they arrive afterwards.
class EventLoopHintPause : public HintPause
{
public:
    void pause(int milliseconds) override;
};
