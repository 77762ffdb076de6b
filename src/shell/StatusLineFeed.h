#pragma once

#include "cards/DictionaryStore.h"

#include <QObject>

class SessionClock;
struct WindowParts;

// Keeps the status line up with the run: the open dictionary's name and size, the cards learnt
// since the start and from this dictionary, and the session time. It also tells, on the message
// panel, how the first rewrite of the open dictionary changed its file.
class StatusLineFeed : public QObject
{
    Q_OBJECT

public:
    explicit StatusLineFeed(WindowParts& parts);

    // Follows the store from now on, and starts the session clock.
    void start();

private:
    void EditOnChangeChange();
    void tellFormChange(const DictionaryStore::FormChange& change);

    WindowParts& m_parts;
    SessionClock* m_clock;
};
