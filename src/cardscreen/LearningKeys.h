#pragma once

#include <QString>

class QKeyEvent;

// The keys that drive learning on the card screen while automatic mode is off, after common
// flash-card habits: Right for the next card, Space or Down for the other side, Up for a side
// learnt, Enter for a learnt card, F11 for full screen, F2 for the card editor and S to hear the
// side shown. No key deletes a card. The action's name, or empty for any other key.
QString learningKeyAction(const QKeyEvent& key);
