#pragma once

#include <QObject>

struct WindowParts;

// Guidance on the empty card screen: where to choose a dictionary, and how to draw the first
// card. It goes as soon as a card is on screen, and follows the interface language.
class FirstCardGuide : public QObject
{
    Q_OBJECT

public:
    explicit FirstCardGuide(WindowParts& parts);

    // Follows the card on screen, the open dictionary and the language from now on.
    void start();

private:
    void update();

    WindowParts& m_parts;
};
