#pragma once

#include <QWidget>

class ActionList;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The card editor "recWord": the text field MemoWord for a whole card line between two bars,
// each with a Cancel button at the left and a confirm button at the right; the upper bar says
// whether a card is edited or added, and the empty field shows the card line's form. Both
// confirm buttons and Enter in the text execute one action, bound when the editor opens: WordOK
// while a card is edited, WordNewOK while one is added. Cancel hides the editor and changes
// nothing.
class CardEditor : public QWidget
{
    Q_OBJECT

public:
    enum class Purpose
    {
        Edit,
        New,
    };

    CardEditor(ActionList& actions, QWidget* parent);

    // Shows the editor over everything with the text, the caret at its start, and binds the
    // confirm buttons and Enter to the purpose's action.
    void open(Purpose purpose, const QString& text);
    QString text() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString confirmAction() const;
    void confirm();
    void retranslate();

    ActionList& m_actions;
    QLabel* m_title;
    QPlainTextEdit* m_memo;
    QList<QPushButton*> m_cancelButtons;
    QList<QPushButton*> m_confirmButtons;
    Purpose m_purpose = Purpose::Edit;
};
