#pragma once

#include "cards/DictionaryStore.h"

#include <QWidget>

class ActionList;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The "Dictionaries" tab: the list of dictionaries and the buttons of the dictionary commands.
class DictionariesTab : public QWidget
{
    Q_OBJECT

public:
    DictionariesTab(ActionList& actions, QWidget* parent);

    QListWidget* lbDicts() const { return m_list; }

    // Fills the list with the open dictionary's file, or an empty name, highlighted.
    void setItems(const QList<DictionaryStore::DictItem>& items, const QString& openFileName);
    // Highlights the item of the open dictionary's file; none when it is not listed. The
    // highlight always stands on the open dictionary: a press released away from its item
    // puts it back, and a move by keys asks for the dictionary to be opened.
    void setOpen(const QString& fileName);
    // The file of the highlighted item, or empty.
    QString selectedFileName() const;

signals:
    void itemClicked(const QString& fileName);
    void itemDoubleClicked(const QString& fileName);
    // The highlight was moved by the arrow keys or by typing a name.
    void itemChosen(const QString& fileName);
    void selectionChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void retranslate();
    void highlightOpen();

    ActionList& m_actions;
    QListWidget* m_list;
    QList<QPair<QPushButton*, QString>> m_buttons;
    QString m_open;
    bool m_pointerDown = false;
};
