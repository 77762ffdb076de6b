#include "shell/HelpScreen.h"

#include "cards/FileError.h"
#include "cards/TextFile.h"
#include "shell/InterfaceLanguage.h"
#include "widgets/ClickableText.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QScroller>
#include <QVBoxLayout>

namespace {

ClickableText* makeText(const char* name, QWidget* parent, qreal pointSize = 14)
{
    auto* text = new ClickableText(parent);
    text->setObjectName(QString::fromLatin1(name));
    text->setCursor(Qt::PointingHandCursor);
    QFont font = text->font();
    font.setPointSizeF(pointSize);
    text->setFont(font);
    return text;
}

} // namespace

HelpScreen::HelpScreen(QWidget* parent)
    : QWidget(parent), m_title(makeText("TextVocadrill", this, 16)),
      m_back(makeText("TextHelpBack", this)), m_bottomBack(makeText("Text1", this)),
      m_site(makeText("TextHelpSite", this)), m_memo(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("recHelp"));
    setAutoFillBackground(true);

    ClickableText* english = makeText("TextEn", this);
    ClickableText* russian = makeText("TextRu", this);
    english->setText(InterfaceLanguage::English);
    russian->setText(InterfaceLanguage::Russian);

    m_memo->setObjectName(QStringLiteral("MemoHelp"));
    m_memo->setReadOnly(true);
    m_memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont memoFont = m_memo->font();
    memoFont.setPointSizeF(12);
    m_memo->setFont(memoFont);
    QScroller::grabGesture(m_memo->viewport(), QScroller::TouchGesture);

    auto* top = new QHBoxLayout;
    top->addWidget(m_title);
    top->addSpacing(24);
    top->addWidget(english);
    top->addSpacing(12);
    top->addWidget(russian);
    top->addStretch();
    top->addWidget(m_back);

    auto* memo = new QHBoxLayout;
    memo->setContentsMargins(9, 0, 9, 0);
    memo->addWidget(m_memo);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_site);
    bottom->addStretch();
    bottom->addWidget(m_bottomBack);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(memo, 1);
    layout->addLayout(bottom);

    connect(english, &ClickableText::clicked, this,
            [this] { emit languageChosen(InterfaceLanguage::English); });
    connect(russian, &ClickableText::clicked, this,
            [this] { emit languageChosen(InterfaceLanguage::Russian); });
    connect(m_title, &ClickableText::clicked, this, &HelpScreen::siteClicked);
    connect(m_site, &ClickableText::clicked, this, &HelpScreen::siteClicked);
    for (ClickableText* back : {m_back, m_bottomBack}) {
        connect(back, &ClickableText::released, this, [this] {
            hide();
            emit backClicked();
        });
    }

    retranslate();
    hide();
}

void HelpScreen::setTitle(const QString& title)
{
    m_title->setText(title);
}

void HelpScreen::setHelpFiles(const QString& russianPath, const QString& englishPath)
{
    m_russianPath = russianPath;
    m_englishPath = englishPath;
}

void HelpScreen::showHelp(bool russian)
{
    show();
    raise();
    loadHelp(russian);
}

void HelpScreen::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void HelpScreen::retranslate()
{
    m_back->setText(tr("Back"));
    m_bottomBack->setText(tr("Back"));
    m_site->setText(tr("Site"));
}

void HelpScreen::loadHelp(bool russian)
{
    const QString& path = russian ? m_russianPath : m_englishPath;
    try {
        m_memo->setPlainText(TextFile::readLines(path).join(u'\n'));
    } catch (const FileError& error) {
        // Said in the language of the help that was asked for, like the help text itself.
        const QString note = russian ? QStringLiteral("Файл справки не найден или не читается:")
                                     : QStringLiteral("The help file is missing or unreadable:");
        m_memo->setPlainText(note + u'\n' + error.message());
    }
}
