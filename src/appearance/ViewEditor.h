#pragma once

#include "settings/Backgrounds.h"

#include <QWidget>

class ActionList;
class ColorPanel;
class PreviewZoom;
class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;
class TiledPanel;
struct TView;

// The view editor "recViewMain": a preview of one half of the play screen with the controls
// for its background (a colour, a preset tile or a picture file) and for the fonts of its
// texts. Every change shows on the preview at once; the window applies the preview to the play
// screen on OK and drops it on Cancel.
class ViewEditor : public QWidget
{
    Q_OBJECT

public:
    // The range of both size bars.
    static constexpr int MinTextSize = 20;
    static constexpr int MaxTextSize = 140;

    ViewEditor(ActionList& actions, QWidget* parent);

    // Which half the editor works on; set before TopBottom.
    void setHalf(ScreenHalf half);
    ScreenHalf half() const { return m_half; }
    bool ItsAboutTop() const { return m_half == ScreenHalf::Top; }
    bool ItsAboutBottom() const { return m_half == ScreenHalf::Bottom; }

    // Fills the preview from the edited half of the play screen: its fill, and the fonts of
    // the three texts as look holds them. A picture fill without a picture shows, and is taken
    // as, its colour. The size bars show the sizes within their range; a size outside it stays
    // as it is until a bar is moved.
    void TopBottom(const TiledPanel& halfPanel, const TView& look);

    // The preview of the half's background.
    TiledPanel* recView() const { return m_preview; }
    // Makes the picture the preview's background; a null picture changes nothing.
    void takePicture(const QPixmap& picture);
    // The preview's texts of the edited half into view: the question's fields for the top
    // half, the answer's and the phonetic line's for the bottom half.
    void previewTexts(TView& view) const;

    // A zoom step on the preview texts: the shown texts grow or shrink by 5 %, and the size
    // bars follow them.
    void TextAnswer2Gesture(bool grew);

signals:
    // A zoom step happened.
    void zoomed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct PreviewText
    {
        QLabel* label = nullptr;
        double size = 0;
        quint32 colour = 0;
        quint8 styles = 0;
    };

    QWidget* buildFontControls();
    QWidget* buildBackgroundControls(ActionList& actions);
    void applyLook(PreviewText& text);
    void showSizesOnBars();
    void retranslate();

    void cbQABoldChange();
    void TrackBarQAChange(int value);
    void TrackBarTChange(int value);
    void ColorPanelQAFontChange(const QColor& colour);
    void ColorPanelTFontChange(const QColor& colour);
    void ColorPanelBackgroundChange(const QColor& colour);

    ScreenHalf m_half = ScreenHalf::Top;
    TiledPanel* m_preview;
    PreviewText m_question;
    PreviewText m_answer;
    PreviewText m_phonetic;
    PreviewZoom* m_zoom;

    QLabel* m_fontHeading = nullptr;
    QLabel* m_backgroundHeading = nullptr;
    QCheckBox* m_qaBold = nullptr;
    QCheckBox* m_qaItalic = nullptr;
    QSlider* m_qaSize = nullptr;
    ColorPanel* m_qaColour = nullptr;
    QWidget* m_phoneticFont = nullptr;
    QCheckBox* m_tBold = nullptr;
    QCheckBox* m_tItalic = nullptr;
    QSlider* m_tSize = nullptr;
    ColorPanel* m_tColour = nullptr;
    ColorPanel* m_backgroundColour = nullptr;
};
