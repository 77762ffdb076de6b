#include "shell/CardEditor.h"

#include "widgets/ActionList.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

CardEditor::CardEditor(ActionList& actions, QWidget* parent) : QWidget(parent), m_actions(actions)
{
    setObjectName(QStringLiteral("recWord"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("#recWord { background: #2b3a4a; }"
                                 "QPushButton { font-size: 16pt; padding: 6px 18px; }"
                                 "#lbWordTitle { color: white; font-size: 16pt; }"));

    auto* column = new QVBoxLayout(this);
    const auto bar = [this, column](const char* cancelName, QWidget* middle,
                                    const char* confirmName) {
        auto* row = new QHBoxLayout;
        auto* cancel = new QPushButton(this);
        cancel->setObjectName(QLatin1String(cancelName));
        connect(cancel, &QPushButton::clicked, this, &QWidget::hide);
        auto* ok = new QPushButton(this);
        ok->setObjectName(QLatin1String(confirmName));
        connect(ok, &QPushButton::clicked, this, &CardEditor::confirm);
        row->addWidget(cancel);
        if (middle)
            row->addWidget(middle, 1);
        else
            row->addStretch();
        row->addWidget(ok);
        column->addLayout(row);
        m_cancelButtons.append(cancel);
        m_confirmButtons.append(ok);
    };

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("lbWordTitle"));
    m_title->setAlignment(Qt::AlignCenter);
    bar("btWordCancel", m_title, "btWordOK1");
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("MemoWord"));
    m_memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont font = m_memo->font();
    font.setPointSize(34);
    m_memo->setFont(font);
    m_memo->installEventFilter(this);
    column->addWidget(m_memo, 1);
    bar("btWordCancel2", nullptr, "btWordOK3");

    retranslate();
    connect(&m_actions, &ActionList::retranslated, this, &CardEditor::retranslate);
}

void CardEditor::open(Purpose purpose, const QString& text)
{
    m_purpose = purpose;
    retranslate();
    m_memo->setPlainText(text);
    show();
    raise();
    m_memo->setFocus();
    m_memo->moveCursor(QTextCursor::Start);
}

// The text as typed, without the conversions of toPlainText(): a no-break space stays one.
// Paragraphs are separated by U+2029.
QString CardEditor::text() const
{
    return m_memo->document()->toRawText();
}

bool CardEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_memo && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            confirm();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QString CardEditor::confirmAction() const
{
    return m_purpose == Purpose::New ? QStringLiteral("WordNewOK") : QStringLiteral("WordOK");
}

void CardEditor::confirm()
{
    m_actions.execute(confirmAction());
}

void CardEditor::retranslate()
{
    for (QPushButton* cancel : std::as_const(m_cancelButtons))
        cancel->setText(tr("Cancel"));
    m_title->setText(m_purpose == Purpose::New ? tr("New card") : tr("Edit card"));
    m_memo->setPlaceholderText(tr("question = answer // comment [transcription]"));
    const QAction* bound = m_actions.action(confirmAction());
    for (QPushButton* button : std::as_const(m_confirmButtons))
        button->setText(bound ? bound->text() : QString());
}
