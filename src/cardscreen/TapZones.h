#pragma once

#include <QString>

// What a tap on the card screen does, by where it lands. The outer thirds of the width are
// "Next" above the middle and "Remind" below it; the middle third is "Side learnt", "Full
// screen" and "Learnt" from the top down.
enum class TapCode
{
    AutomaticOff = 0,
    Next = 1,
    Remind = 2,
    SideLearnt = 3,
    FullScreen = 4,
    Learnt = 5,
};

// The zone of a tap at (x, y) on a card screen of the given size. While automatic mode is on,
// every tap only turns it off. Every point has a zone: the borders of the middle third belong to
// it, and a border between two rows belongs to the upper row.
TapCode tapCode(double width, double height, double x, double y, bool automatic);

// The action a tap in the zone executes; empty for AutomaticOff, which is no action.
QString tapAction(TapCode code);
