#include "cardscreen/CardScreen.h"

#include "cardscreen/TextFit.h"
#include "engine/CardDisplay.h"
#include "settings/Backgrounds.h"
#include "settings/SettingsRecord.h"
#include "widgets/CardTextLabel.h"
#include "widgets/TiledPanel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
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

// The room a half has for its texts: inside its layout's margins.
QSize roomIn(const QWidget* half)
{
    return half->contentsRect().marginsRemoved(half->layout()->contentsMargins()).size();
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
    m_textQuestion = cardText("TextQuestion", Qt::AlignHCenter | Qt::AlignBottom, m_question);
    top->addWidget(m_textQuestion.area);

    m_answer = new TiledPanel(this);
    m_answer->setObjectName(QStringLiteral("recAnswer"));
    auto* bottom = new QVBoxLayout(m_answer);
    m_textAnswer = cardText("TextAnswer", Qt::AlignHCenter | Qt::AlignTop, m_answer);
    bottom->addWidget(m_textAnswer.area, 1);
    auto* lowest = new QHBoxLayout;
    m_indicator = cardTextLabel("TextIndicator", Qt::AlignLeft | Qt::AlignBottom, m_answer);
    m_indicator->setWordWrap(false);
    m_indicator->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    m_indicator->hide();
    lowest->addWidget(m_indicator);
    lowest->addStretch();
    m_textPhonetic = cardText("TextPhonetic", Qt::AlignRight | Qt::AlignBottom, m_answer);
    lowest->addWidget(m_textPhonetic.area, 1);
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
    m_question->installEventFilter(this);
    m_answer->installEventFilter(this);
}

// A text fills its scroll area, which is see-through and has no frame; fitText says whether it
// may show its vertical scroll bar.
CardScreen::TextLook CardScreen::cardText(const char* name, Qt::Alignment alignment, QWidget* half)
{
    TextLook text;
    text.area = new QScrollArea(half);
    text.area->setFrameShape(QFrame::NoFrame);
    text.area->setFocusPolicy(Qt::NoFocus);
    text.area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text.area->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    text.area->setWidgetResizable(true);
    text.label = cardTextLabel(name, alignment, half);
    text.area->setWidget(text.label);
    text.area->viewport()->setAutoFillBackground(false);
    text.label->setAutoFillBackground(false);
    return text;
}

QList<QWidget*> CardScreen::textScrollBars() const
{
    return {m_textQuestion.area->verticalScrollBar(), m_textAnswer.area->verticalScrollBar(),
            m_textPhonetic.area->verticalScrollBar()};
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
    fitTexts();
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
    fitTexts();
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
    if (factor < 1) {
        for (const TextLook* text : {&m_textQuestion, &m_textAnswer, &m_textPhonetic})
            if (text->size * factor < SmallestTextPixels)
                return false;
        return true;
    }
    return lineHeight(m_textQuestion) <= roomIn(m_question).height() &&
           lineHeight(m_textAnswer) + lineHeight(m_textPhonetic) <= roomIn(m_answer).height();
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
    fitTexts();
}

// The question has the upper half to itself. The answer shares the lower half with the
// transcription and the counters beside it: it fits above them as they are at the view's
// size, and the transcription then has what the answer leaves.
void CardScreen::fitTexts()
{
    m_question->layout()->activate();
    m_answer->layout()->activate();
    fitText(m_textQuestion, m_textQuestion.area->size());

    // The layout's spacing lies between the answer and the line under it.
    const int room = roomIn(m_answer).height() - m_answer->layout()->spacing();
    const QLabel& phonetic = *m_textPhonetic.label;
    const int width = m_textPhonetic.area->width();
    const int below = qMax(m_indicator->isHidden() ? 0 : m_indicator->sizeHint().height(),
                           wrappedTextSize(phonetic.font(), qMax(1, qRound(m_textPhonetic.size)),
                                           phonetic.text(), phonetic.alignment(), width)
                               .height());
    const int answer = fitText(m_textAnswer, {m_textAnswer.area->width(), room - below});
    m_textPhonetic.area->setFixedHeight(fitText(m_textPhonetic, {width, room - answer}));
    m_answer->layout()->activate();
}

// The text is drawn at the largest size that fits the room, from the view's size down to
// SmallestTextPixels; only a text that does not fit even then has a scroll bar. Returns the
// height the text takes, at most the room's.
int CardScreen::fitText(TextLook& text, QSize room)
{
    room = room.expandedTo({0, 0});
    const QString shown = text.label->text();
    const Qt::Alignment alignment = text.label->alignment();
    QFont font = text.label->font();
    const int pixels = fittingPixelSize(font, shown, alignment, room, qMax(1, qRound(text.size)),
                                        int(SmallestTextPixels));
    if (font.pixelSize() != pixels) {
        font.setPixelSize(pixels);
        text.label->setFont(font);
    }
    const QSize wrapped = wrappedTextSize(font, pixels, shown, alignment, room.width());
    const bool fits = wrapped.boundedTo(room) == wrapped;
    text.area->setVerticalScrollBarPolicy(fits ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    return qMin(room.height(), wrapped.height());
}

bool CardScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && (watched == m_question || watched == m_answer))
        fitTexts();
    return QWidget::eventFilter(watched, event);
}

void CardScreen::applyFont(TextLook& text, double size, quint32 colour, quint8 styles)
{
    // The size is kept as the single-precision number it was handed as; the label draws it
    // in whole pixels, or fewer where the text would not fit (fitTexts).
    text.size = float(size);
    QFont font = text.label->font();
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
