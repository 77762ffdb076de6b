#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

// Answers every modal message box that opens while it lives, noting the texts: a question is
// answered with answer, any other box is closed. It only acts while an event loop runs, as a
// box's does.
class BoxWatcher : public QObject
{
public:
    explicit BoxWatcher(QMessageBox::StandardButton answer = QMessageBox::Yes)
    {
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, [this, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            texts.append(box->text());
            QStringList shown;
            for (QAbstractButton* button : box->buttons())
                shown.append(button->text().remove(u'&'));
            shown.sort();
            buttons.append(shown.join(u' '));
            if (QAbstractButton* button = box->button(answer))
                button->click();
            else
                box->accept();
        });
        m_timer.start();
    }

    QStringList texts;
    // The buttons of each box, sorted and joined by spaces.
    QStringList buttons;

private:
    QTimer m_timer;
};
