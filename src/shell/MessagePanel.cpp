#include "shell/MessagePanel.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

MessagePanel::MessagePanel(QWidget* parent)
    : QWidget(parent), m_text(new QLabel), m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("recMessage"));
    setAttribute(Qt::WA_TransparentForMouseEvents);

    // A white box with a 3-pixel outline; the text stands on a dark fill so that white reads well.
    // The text size of 20 is in pixels, like the size of the box, so that the text fits it.
    auto* box = new QFrame;
    box->setObjectName(QStringLiteral("recMessageBox"));
    box->setFixedSize(204, 163);
    box->setStyleSheet(
        QStringLiteral("#recMessageBox { background: white; border: 3px solid #3c4a63; }"
                       "#TextMessage { background: #1f2b44; color: white; "
                       "font-size: 20px; }"));

    m_text->setObjectName(QStringLiteral("TextMessage"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setWordWrap(true);

    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->setContentsMargins(6, 6, 6, 6);
    boxLayout->addWidget(m_text);

    auto* layout = new QGridLayout(this);
    layout->addWidget(box, 0, 0, Qt::AlignCenter);

    m_timer->setObjectName(QStringLiteral("tmMessage"));
    m_timer->setInterval(DisplayMilliseconds);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &QWidget::hide);

    hide();
}

void MessagePanel::MyMessage(const QString& TheMessage)
{
    QString shown = TheMessage;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    m_text->setText(shown);
    show();
    m_timer->start();
}

QString MessagePanel::text() const
{
    return m_text->text();
}

QTimer* MessagePanel::timer() const
{
    return m_timer;
}
