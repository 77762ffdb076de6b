#pragma once

#include <QWidget>

class ActionList;
class ClickableText;

// The actions panel: tiles that repeat the card screen's tap zones, and the card commands.
// Tiles run their action's handler directly; "Side learnt" needs a double click and
// "Full screen" acts when the pointer is released on it.
class ActionsPanel : public QWidget
{
    Q_OBJECT

public:
    ActionsPanel(ActionList& actions, QWidget* parent);

private:
    void retranslate();

    ClickableText* tile(const QString& objectName, const QString& actionName);

    ActionList& m_actions;
    QList<QPair<ClickableText*, QString>> m_tiles;
};
