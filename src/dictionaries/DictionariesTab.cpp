#include "dictionaries/DictionariesTab.h"

#include "widgets/ActionList.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int FileNameRole = Qt::UserRole;

} // namespace

DictionariesTab::DictionariesTab(ActionList& actions, QWidget* parent)
    : QWidget(parent), m_actions(actions)
{
    setObjectName(QStringLiteral("tbDictionaries"));
    auto* layout = new QHBoxLayout(this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lbDicts"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(m_list, 3);

    auto* buttons = new QGridLayout;
    const QList<QPair<const char*, const char*>> bindings = {{"btMix", "Mix00"},
                                                             {"btSort", "Sort00"},
                                                             {"btDelete", "Delete00"},
                                                             {"btFromFile", "FromFile0"},
                                                             {"btView00", "Look00"},
                                                             {"btLearnt00", "Learnt00"},
                                                             {"btLearntToday", "LearntToday0"},
                                                             {"btCopy00", "Copy00"},
                                                             {"btSwap00", "Swap0"},
                                                             {"btProgress", "Progress0"}};
    int row = 0;
    for (const auto& [buttonName, actionName] : bindings) {
        QAction* action = actions.action(QLatin1String(actionName));
        if (!action)
            continue;
        auto* button = new QPushButton(this);
        button->setObjectName(QLatin1String(buttonName));
        button->setEnabled(action->isEnabled());
        connect(action, &QAction::enabledChanged, button, &QPushButton::setEnabled);
        connect(button, &QPushButton::clicked, this,
                [this, name = QString::fromLatin1(actionName)] { m_actions.execute(name); });
        buttons->addWidget(button, row++, 0);
        m_buttons.append({button, QString::fromLatin1(actionName)});
    }
    buttons->setRowStretch(row, 1);
    layout->addLayout(buttons, 1);

    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        emit itemClicked(item->data(FileNameRole).toString());
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        emit itemDoubleClicked(item->data(FileNameRole).toString());
    });
    connect(m_list, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        // A press opens its item when it is released over it, as a click.
        if (item && !m_pointerDown)
            emit itemChosen(item->data(FileNameRole).toString());
    });
    m_list->viewport()->installEventFilter(this);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &DictionariesTab::selectionChanged);
    connect(&actions, &ActionList::retranslated, this, &DictionariesTab::retranslate);
    retranslate();
}

void DictionariesTab::retranslate()
{
    for (const auto& [button, actionName] : std::as_const(m_buttons))
        button->setText(m_actions.action(actionName)->text());
    // "Learnt Today" reads "Learnt Now" on its button.
    if (auto* learntNow = findChild<QPushButton*>(QStringLiteral("btLearntToday")))
        learntNow->setText(tr("Learnt Now"));
}

void DictionariesTab::setItems(const QList<DictionaryStore::DictItem>& items,
                               const QString& openFileName)
{
    {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        for (const auto& entry : items) {
            auto* item = new QListWidgetItem(entry.name, m_list);
            item->setData(FileNameRole, entry.fileName);
        }
    }
    setOpen(openFileName);
}

void DictionariesTab::setOpen(const QString& fileName)
{
    m_open = fileName;
    highlightOpen();
}

void DictionariesTab::highlightOpen()
{
    {
        const QSignalBlocker blocker(m_list);
        m_list->clearSelection();
        m_list->setCurrentItem(nullptr);
        for (int i = 0; i < m_list->count() && !m_open.isEmpty(); ++i) {
            if (m_list->item(i)->data(FileNameRole).toString() == m_open) {
                m_list->setCurrentRow(i);
                break;
            }
        }
    }
    emit selectionChanged();
}

// A press that moves the highlight opens nothing until its release: released over the item it
// is a click, anywhere else the highlight goes back to the open dictionary.
bool DictionariesTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list->viewport()) {
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonDblClick) {
            m_pointerDown = true;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            m_pointerDown = false;
            QTimer::singleShot(0, this, [this] {
                if (selectedFileName() != m_open)
                    highlightOpen();
            });
        }
    }
    return QWidget::eventFilter(watched, event);
}

QString DictionariesTab::selectedFileName() const
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->data(FileNameRole).toString();
}
