#include "cardscreen/CardScreen.h"

#include "engine/CardDisplay.h"
#include "settings/Backgrounds.h"
#include "settings/SettingsRecord.h"
#include "widgets/CardTextLabel.h"
#include "widgets/TiledPanel.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QColor colourOf(quint32 argb)
{
    return QColor::fromRgba(argb);
}

QPixmap presetPicture(int tile)
{
    return QPixmap::fromImage(decodePicture(presetPicturePath(tile)).image);
}

} // namespace

CardScreen::CardScreen(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("gplMain"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);

    m_question = new TiledPanel(this);
    m_question->setObjectName(QStringLiteral("recQuestion"));
    auto* top = new QVBoxLayout(m_question);
    top->addStretch();
    m_textQuestion.label =
        cardTextLabel("TextQuestion", Qt::AlignHCenter | Qt::AlignBottom, m_question);
    top->addWidget(m_textQuestion.label);

    m_answer = new TiledPanel(this);
    m_answer->setObjectName(QStringLiteral("recAnswer"));
    auto* bottom = new QVBoxLayout(m_answer);
    m_textAnswer.label = cardTextLabel("TextAnswer", Qt::AlignHCenter | Qt::AlignTop, m_answer);
    bottom->addWidget(m_textAnswer.label);
    bottom->addStretch();
    auto* lowest = new QHBoxLayout;
    m_indicator = cardTextLabel("TextIndicator", Qt::AlignLeft | Qt::AlignBottom, m_answer);
    m_indicator->setWordWrap(false);
    m_indicator->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    m_indicator->hide();
    lowest->addWidget(m_indicator);
    lowest->addStretch();
    m_textPhonetic.label =
        cardTextLabel("TextPhonetic", Qt::AlignRight | Qt::AlignBottom, m_answer);
    lowest->addWidget(m_textPhonetic.label, 1);
    bottom->addLayout(lowest);

    grid->addWidget(m_question, 0, 0);
    grid->addWidget(m_answer, 1, 0);
    grid->setRowStretch(0, 1);
    grid->setRowStretch(1, 1);

    m_guide = new QLabel(this);
    m_guide->setObjectName(QStringLiteral("lbGuide"));
    m_guide->setWordWrap(true);
    m_guide->setAlignment(Qt::AlignCenter);
    m_guide->setMaximumWidth(520);
    m_guide->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_guide->setStyleSheet(
        QStringLiteral("#lbGuide { color: white; background: rgba(0, 0, 0, 150);"
                       " border-radius: 10px; padding: 14px; font-size: 14pt; }"));
    m_guide->hide();
    grid->addWidget(m_guide, 0, 0, 2, 1, Qt::AlignCenter);

    // The designed look: the first-run view of the first mode over the first mode's presets.
    m_question->setPicture(presetPicture(presetTileFor(0, ScreenHalf::Top)));
    m_answer->setPicture(presetPicture(presetTileFor(0, ScreenHalf::Bottom)));
    SetView(defaultDataRecord().Views[0]);
}

void CardScreen::showCard(const CardView& view)
{
    m_textQuestion.label->setText(view.TextQuestion);
    m_textAnswer.label->setText(view.TextAnswer);
    m_textPhonetic.label->setText(view.TextPhonetic);
    m_indicator->setText(view.TextIndicator);
    m_indicator->setVisible(view.indicatorVisible);
    QPalette palette = m_indicator->palette();
    palette.setColor(QPalette::WindowText, colourOf(view.indicatorColor));
    m_indicator->setPalette(palette);
}

void CardScreen::setGuide(const QString& text)
{
    m_guide->setText(text);
    m_guide->setVisible(!text.isEmpty());
    m_guide->raise();
}

void CardScreen::SetView(const TView& view)
{
    m_question->setColour(colourOf(view.TopColor));
    m_answer->setColour(colourOf(view.BottomColor));
    m_question->setFill(view.TopTexture ? TiledPanel::Fill::Picture : TiledPanel::Fill::Colour);
    m_answer->setFill(view.BottomTexture ? TiledPanel::Fill::Picture : TiledPanel::Fill::Colour);
    applyFont(m_textQuestion, view.QSize, view.QColor, view.QStyles);
    applyFont(m_textAnswer, view.ASize, view.AColor, view.AStyles);
    applyFont(m_textPhonetic, view.PSize, view.PColor, view.PStyles);
}

void CardScreen::GetView(TView& view) const
{
    view.TopColor = m_question->colour().rgba();
    view.BottomColor = m_answer->colour().rgba();
    view.TopTexture = m_question->fill() == TiledPanel::Fill::Picture;
    view.BottomTexture = m_answer->fill() == TiledPanel::Fill::Picture;
    const auto read = [](const TextLook& text, double& size, quint32& colour, quint8& styles) {
        size = text.size;
        colour = text.label->palette().color(QPalette::WindowText).rgba();
        styles = stylesOf(text.label->font());
    };
    read(m_textQuestion, view.QSize, view.QColor, view.QStyles);
    read(m_textAnswer, view.ASize, view.AColor, view.AStyles);
    read(m_textPhonetic, view.PSize, view.PColor, view.PStyles);
}

// A step is taken only while every text stays readable and each half still holds its texts:
// the question's line in the upper half, the answer's and the transcription's lines in the
// lower one.
bool CardScreen::zoomKeepsTextsReadable(double factor) const
{
    const auto lineHeight = [factor](const TextLook& text) {
        QFont font = text.label->font();
        font.setPixelSize(qMax(1, qRound(text.size * factor)));
        return QFontMetrics(font).height();
    };
    const auto room = [](const TiledPanel* half) {
        return half->contentsRect().marginsRemoved(half->layout()->contentsMargins()).height();
    };
    if (factor < 1) {
        for (const TextLook* text : {&m_textQuestion, &m_textAnswer, &m_textPhonetic})
            if (text->size * factor < SmallestTextPixels)
                return false;
        return true;
    }
    return lineHeight(m_textQuestion) <= room(m_question) &&
           lineHeight(m_textAnswer) + lineHeight(m_textPhonetic) <= room(m_answer);
}

void CardScreen::scaleFonts(double factor)
{
    if (!zoomKeepsTextsReadable(factor))
        return;
    for (TextLook* text : {&m_textQuestion, &m_textAnswer, &m_textPhonetic}) {
        const QPalette palette = text->label->palette();
        applyFont(*text, text->size * factor, palette.color(QPalette::WindowText).rgba(),
                  stylesOf(text->label->font()));
    }
}

void CardScreen::applyFont(TextLook& text, double size, quint32 colour, quint8 styles)
{
    // The size is kept as the single-precision number it was handed as; the label draws it
    // in whole pixels.
    text.size = float(size);
    QFont font = text.label->font();
    font.setPixelSize(qMax(1, qRound(text.size)));
    font.setBold(styles & StyleBold);
    font.setItalic(styles & StyleItalic);
    font.setUnderline(styles & StyleUnderline);
    font.setStrikeOut(styles & StyleStrikeOut);
    text.label->setFont(font);
    QPalette palette = text.label->palette();
    palette.setColor(QPalette::WindowText, colourOf(colour));
    text.label->setPalette(palette);
}

quint8 CardScreen::stylesOf(const QFont& font)
{
    return quint8((font.bold() ? StyleBold : 0) | (font.italic() ? StyleItalic : 0) |
                  (font.underline() ? StyleUnderline : 0) |
                  (font.strikeOut() ? StyleStrikeOut : 0));
}
