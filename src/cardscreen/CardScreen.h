#pragma once

#include <QWidget>

class QLabel;
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

    void showCard(const CardView& view);
    // A line of guidance in the middle of the screen while no card is on it; empty hides it.
    void setGuide(const QString& text);
    void SetView(const TView& view);
    // The halves' fills and the texts' fonts into view; other fields keep their values.
    void GetView(TView& view) const;
    // Zooms the three texts by a factor, as a pinch does; a step that would make a text
    // smaller than SmallestTextPixels or too large for its half is not taken.
    void scaleFonts(double factor);

    static constexpr double SmallestTextPixels = 12;

private:
    struct TextLook
    {
        QLabel* label = nullptr;
        float size = 0;
    };
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
