#include "shell/ActionsPanel.h"

#include "widgets/ActionList.h"
#include "widgets/ClickableText.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QHash>
#include <QPushButton>
#include <QVBoxLayout>

ActionsPanel::ActionsPanel(ActionList& actions, QWidget* parent)
    : QWidget(parent), m_actions(actions)
{
    setObjectName(QStringLiteral("recActions"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral(
        "#recActions { background: #2b3a4a; border: 3px solid #d8dde3; }"
        "ClickableText { background: #f4f1ea; color: #1d2733; border: 1px solid #9aa6b2;"
        " border-radius: 6px; font-size: 18pt; padding: 6px; }"
        "ClickableText:hover { background: #ffffff; }"));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(9, 9, 9, 9);
    auto* strip = new QHBoxLayout;
    strip->addStretch();
    auto* cancel = new QPushButton(this);
    cancel->setObjectName(QStringLiteral("Button3"));
    connect(cancel, &QPushButton::clicked, this, [this] { m_actions.execute("CancelActions0"); });
    strip->addWidget(cancel);
    outer->addLayout(strip);

    auto* grid = new QGridLayout;
    grid->setSpacing(6);
    // Upper block: Next over Remind at both sides; Side learnt, Full screen, Learnt between.
    grid->addWidget(tile("tileNextLeft", "Next0"), 0, 0, 3, 1);
    grid->addWidget(tile("tileRemindLeft", "Remind0"), 3, 0, 3, 1);
    grid->addWidget(tile("tileSideLearnt", "SideLearnt0"), 0, 1, 2, 1);
    grid->addWidget(tile("tileFullScreen", "FullScreen0"), 2, 1, 2, 1);
    grid->addWidget(tile("tileLearnt", "Learnt0"), 4, 1, 2, 1);
    grid->addWidget(tile("tileNextRight", "Next0"), 0, 2, 3, 1);
    grid->addWidget(tile("tileRemindRight", "Remind0"), 3, 2, 3, 1);
    // Lower block: one wide row per card command.
    grid->addWidget(tile("tileEdit", "Edit0"), 6, 0, 1, 3);
    grid->addWidget(tile("tileDelete", "Delete0"), 7, 0, 1, 3);
    grid->addWidget(tile("tileNew", "New0"), 8, 0, 1, 3);
    grid->addWidget(tile("tileUndo", "Undo0"), 9, 0, 1, 3);
    grid->addWidget(tile("tileSay", "Say0"), 10, 0, 1, 3);
    for (int row = 0; row < 6; ++row)
        grid->setRowStretch(row, 64 / 6 * 10);
    // The lower rows share the height that four rows had, so the upper block keeps its place.
    for (int row = 6; row < 11; ++row)
        grid->setRowStretch(row, 4 * (36 / 3 * 10) / 5);
    grid->setColumnStretch(0, 296);
    grid->setColumnStretch(1, 415);
    grid->setColumnStretch(2, 288);
    outer->addLayout(grid, 1);

    m_singleClick.setSingleShot(true);
    m_singleClick.setInterval(QApplication::doubleClickInterval());
    connect(&m_singleClick, &QTimer::timeout, this,
            [this] { emit hint(tr("Double-click to mark this side as learnt")); });

    retranslate();
    connect(&m_actions, &ActionList::retranslated, this, &ActionsPanel::retranslate);
}

ClickableText* ActionsPanel::tile(const QString& objectName, const QString& actionName)
{
    auto* text = new ClickableText(this);
    text->setEnabled(m_actions.action(actionName) != nullptr);
    text->setObjectName(objectName);
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    text->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    if (actionName == QLatin1String("SideLearnt0")) {
        connect(text, &ClickableText::clicked, &m_singleClick, qOverload<>(&QTimer::start));
        connect(text, &ClickableText::doubleClicked, this, [this, actionName] {
            m_singleClick.stop();
            m_actions.runHandler(actionName);
        });
    } else if (actionName == QLatin1String("FullScreen0"))
        connect(text, &ClickableText::released, this,
                [this, actionName] { m_actions.execute(actionName); });
    else
        connect(text, &ClickableText::clicked, this,
                [this, actionName] { m_actions.runHandler(actionName); });
    if (actionName == QLatin1String("FullScreen0"))
        connect(text, &ClickableText::doubleClicked, this,
                [this, actionName] { m_actions.runHandler(actionName); });
    m_tiles.append({text, actionName});
    return text;
}

namespace {

// The tip of each tile, by its action.
const char* tileTip(const QString& actionName)
{
    static const QHash<QString, const char*> tips{
        {"Next0", QT_TR_NOOP("The next card")},
        {"Remind0", QT_TR_NOOP("Show the other side")},
        {"SideLearnt0", QT_TR_NOOP("This side is learnt (double-click)")},
        {"FullScreen0", QT_TR_NOOP("Full screen on or off")},
        {"Learnt0", QT_TR_NOOP("The card is learnt: it goes to the end of the dictionary")},
        {"Edit0", QT_TR_NOOP("Edit this card")},
        {"Delete0", QT_TR_NOOP("Delete this card from the dictionary")},
        {"New0", QT_TR_NOOP("Add a new card")},
        {"Undo0", QT_TR_NOOP("Bring back the last card removed (Ctrl+Z)")},
        {"Say0", QT_TR_NOOP("Say the side shown (S)")},
    };
    return tips.value(actionName, "");
}

} // namespace

void ActionsPanel::retranslate()
{
    for (const auto& [text, actionName] : std::as_const(m_tiles))
        if (const QAction* action = m_actions.action(actionName)) {
            text->setText(action->text());
            text->setToolTip(tr(tileTip(actionName)));
        }
    findChild<QPushButton*>(QStringLiteral("Button3"))
        ->setText(m_actions.action(QStringLiteral("CancelActions0"))->text());
}
