#include "dictionaries/ListViewer.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

ListViewer::ListViewer(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("recMemo"));
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("lbMemoTitle"));
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    layout->addWidget(m_title);
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setReadOnly(true);
    m_memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    layout->addWidget(m_memo, 1);
    auto* bottom = new QHBoxLayout;
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("lbMyDictSL2"));
    bottom->addWidget(m_count);
    bottom->addStretch();
    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("btMemoOK"));
    bottom->addWidget(m_ok);
    layout->addLayout(bottom);

    const auto jump = [this](QKeySequence key, QTextCursor::MoveOperation to) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, m_memo, [this, to] { m_memo->moveCursor(to); });
    };
    jump(QKeySequence(Qt::Key_Home), QTextCursor::Start);
    jump(QKeySequence(Qt::Key_End), QTextCursor::End);
}

// The keys go to the list, so that the page keys, Home and End move through it at once.
void ListViewer::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_memo->setFocus(Qt::OtherFocusReason);
}

void ListViewer::showLines(const QString& title, const QStringList& lines, const QString& count)
{
    m_title->setText(title);
    m_memo->setPlainText(lines.join(QLatin1Char('\n')));
    m_count->setText(count);
}

QString ListViewer::text() const
{
    return m_memo->toPlainText();
}
