#pragma once

#include <QTimer>
#include <QWidget>

class ActionList;
class ClickableText;

// The actions panel: tiles that repeat the card screen's tap zones, and the card commands.
// Tiles run their action's handler directly; "Side learnt" needs a double click, and a single
// click on it asks for a hint that says so; "Full screen" acts when the pointer is released on it.
class ActionsPanel : public QWidget
{
    Q_OBJECT

public:
    ActionsPanel(ActionList& actions, QWidget* parent);

signals:
    // A text for the message panel.
    void hint(const QString& text);

private:
    void retranslate();

    ClickableText* tile(const QString& objectName, const QString& actionName);

    ActionList& m_actions;
    // A single click on the double-click tile, waiting to see whether a second click follows.
    QTimer m_singleClick;
    QList<QPair<ClickableText*, QString>> m_tiles;
};
