#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

// Answers every modal message box that opens while it lives, noting the texts: a question is
// answered Yes, any other box is closed. It only acts while an event loop runs, as a box's does.
class BoxWatcher : public QObject
{
public:
    BoxWatcher()
    {
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            texts.append(box->text());
            QStringList shown;
            for (QAbstractButton* button : box->buttons())
                shown.append(button->text().remove(u'&'));
            shown.sort();
            buttons.append(shown.join(u' '));
            if (QAbstractButton* yes = box->button(QMessageBox::Yes))
                yes->click();
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
