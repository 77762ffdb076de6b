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

    // Fills the list; nothing is selected.
    void setItems(const QList<DictionaryStore::DictItem>& items);
    // Selects the item of that file; an unknown name leaves the selection as it is.
    void select(const QString& fileName);
    void clearSelection();
    // The file of the selected item, or empty.
    QString selectedFileName() const;

signals:
    void itemClicked(const QString& fileName);
    void itemDoubleClicked(const QString& fileName);
    void selectionChanged();

private:
    void retranslate();

    ActionList& m_actions;
    QListWidget* m_list;
    QList<QPair<QPushButton*, QString>> m_buttons;
};
