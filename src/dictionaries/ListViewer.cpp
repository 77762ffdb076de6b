#include "dictionaries/ListViewer.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

ListViewer::ListViewer(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("recMemo"));
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
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
}

void ListViewer::showLines(const QStringList& lines, const QString& count)
{
    m_memo->setPlainText(lines.join(QLatin1Char('\n')));
    m_count->setText(count);
}

QString ListViewer::text() const
{
    return m_memo->toPlainText();
}
