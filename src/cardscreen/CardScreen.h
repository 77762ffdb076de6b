#pragma once

#include <QWidget>

class QLabel;
class QScrollArea;
class TiledPanel;
struct CardView;
struct TView;

// The card screen: the question half over the answer half, each with its fill, and the texts
// in the current mode's fonts and colours.
class CardScreen : public QWidget
{
    Q_OBJECT

public:
    explicit CardScreen(QWidget* parent);

    TiledPanel* recQuestion() const { return m_question; }
    TiledPanel* recAnswer() const { return m_answer; }
    QLabel* TextIndicator() const { return m_indicator; }
    // The vertical scroll bars of the three texts, each shown only while its text does not fit
    // its room even at SmallestTextPixels.
    QList<QWidget*> textScrollBars() const;

    void showCard(const CardView& view);
    // A line of guidance in the middle of the screen while no card is on it; empty hides it.
    void setGuide(const QString& text);
    void SetView(const TView& view);
    // The halves' fills and the texts' fonts into view, at the sizes the view set or the zoom
    // made, not the smaller ones a long text is drawn at; other fields keep their values.
    void GetView(TView& view) const;
    // Zooms the three texts by a factor, as a pinch does; a step that would make a text
    // smaller than SmallestTextPixels or too large for its half is not taken.
    void scaleFonts(double factor);

    static constexpr double SmallestTextPixels = 12;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A text of the card: its label, in a scroll area that fills the text's room, and the
    // view's size for it, which the label draws at unless the text needs less to fit.
    struct TextLook
    {
        QLabel* label = nullptr;
        QScrollArea* area = nullptr;
        float size = 0;
    };
    static TextLook cardText(const char* name, Qt::Alignment alignment, QWidget* half);
    void fitTexts();
    static int fitText(TextLook& text, QSize room);
    bool zoomKeepsTextsReadable(double factor) const;
    void applyFont(TextLook& text, double size, quint32 colour, quint8 styles);
    static quint8 stylesOf(const QFont& font);

    TiledPanel* m_question;
    TiledPanel* m_answer;
    TextLook m_textQuestion;
    TextLook m_textAnswer;
    TextLook m_textPhonetic;
    QLabel* m_indicator;
    QLabel* m_guide;
};
