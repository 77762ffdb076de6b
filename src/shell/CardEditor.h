#pragma once

#include <QWidget>

class ActionList;
class QPlainTextEdit;
class QPushButton;

// The card editor "recWord": the text field MemoWord for a whole card line between two bars,
// each with a Cancel button at the left and a confirm button at the right. Both confirm buttons
// and Enter in the text execute one action, bound when the editor opens: WordOK while a card
// is edited, WordNewOK while one is added. Cancel hides the editor and changes nothing.
class CardEditor : public QWidget
{
    Q_OBJECT

public:
    CardEditor(ActionList& actions, QWidget* parent);

    // Shows the editor over everything with the text, the caret at its start, and binds the
    // confirm buttons and Enter to the action.
    void open(const QString& confirmAction, const QString& text);
    QString text() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void confirm();
    void retranslate();

    ActionList& m_actions;
    QPlainTextEdit* m_memo;
    QList<QPushButton*> m_cancelButtons;
    QList<QPushButton*> m_confirmButtons;
    QString m_confirmAction;
};
