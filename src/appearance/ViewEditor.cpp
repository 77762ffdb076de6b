#include "appearance/ViewEditor.h"

#include "appearance/ColorPanel.h"
#include "appearance/PresetTile.h"
#include "appearance/PreviewZoom.h"
#include "settings/SettingsRecord.h"
#include "widgets/ActionList.h"
#include "widgets/CardTextLabel.h"
#include "widgets/TiledPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

namespace {

QLabel* previewText(const char* name, const char* text, Qt::Alignment alignment, QWidget* parent)
{
    QLabel* label = cardTextLabel(name, alignment, parent);
    label->setText(QString::fromLatin1(text));
    return label;
}

QCheckBox* styleBox(const char* name, const char* text, bool bold, QWidget* parent)
{
    auto* box = new QCheckBox(QString::fromLatin1(text), parent);
    box->setObjectName(QLatin1String(name));
    QFont font = box->font();
    font.setBold(bold);
    font.setItalic(!bold);
    box->setFont(font);
    return box;
}

QSlider* sizeBar(const char* name, QWidget* parent)
{
    auto* bar = new QSlider(Qt::Vertical, parent);
    bar->setObjectName(QLatin1String(name));
    bar->setRange(ViewEditor::MinTextSize, ViewEditor::MaxTextSize);
    return bar;
}

ColorPanel* colourPanel(const char* name, QWidget* parent)
{
    auto* panel = new ColorPanel(parent);
    panel->setObjectName(QLatin1String(name));
    return panel;
}

// A button that executes an action by name and carries the action's caption.
QPushButton* actionButton(ActionList& actions, const char* name, const char* actionName,
                          QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    const QString action = QString::fromLatin1(actionName);
    const auto caption = [&actions, button, action] {
        if (QAction* target = actions.action(action))
            button->setText(target->text());
    };
    caption();
    QObject::connect(&actions, &ActionList::retranslated, button, caption);
    QObject::connect(button, &QPushButton::clicked, button,
                     [&actions, action] { actions.execute(action); });
    return button;
}

quint8 withStyle(quint8 styles, quint8 flag, bool on)
{
    return on ? quint8(styles | flag) : quint8(styles & ~flag);
}

} // namespace

ViewEditor::ViewEditor(ActionList& actions, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("recViewMain"));
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);

    m_preview = new TiledPanel(this);
    m_preview->setObjectName(QStringLiteral("recView"));
    auto* previewLayout = new QVBoxLayout(m_preview);
    m_question.label =
        previewText("TextQuestion2", "Question", Qt::AlignHCenter | Qt::AlignBottom, m_preview);
    m_answer.label =
        previewText("TextAnswer2", "Answer", Qt::AlignHCenter | Qt::AlignTop, m_preview);
    m_phonetic.label =
        previewText("TextPhonetic2", "Phonetic", Qt::AlignRight | Qt::AlignBottom, m_preview);
    previewLayout->addWidget(m_question.label, 1);
    previewLayout->addWidget(m_answer.label, 1);
    previewLayout->addWidget(m_phonetic.label);
    layout->addWidget(m_preview);

    m_zoom = new PreviewZoom(this);
    for (PreviewText* text : {&m_question, &m_answer, &m_phonetic})
        m_zoom->watch(text->label);
    connect(m_zoom, &PreviewZoom::step, this, &ViewEditor::TextAnswer2Gesture);

    auto* controls = new QHBoxLayout;
    controls->addWidget(buildFontControls());
    controls->addWidget(buildBackgroundControls(actions), 1);
    layout->addLayout(controls, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(actionButton(actions, "btViewOK", "ViewOK0", this));
    buttons->addWidget(actionButton(actions, "btViewCancel", "ViewCancel0", this));
    layout->addLayout(buttons);

    setHalf(ScreenHalf::Top);
    retranslate();
}

QWidget* ViewEditor::buildFontControls()
{
    auto* group = new QWidget(this);
    auto* layout = new QVBoxLayout(group);
    m_fontHeading = new QLabel(group);
    m_fontHeading->setObjectName(QStringLiteral("lbFont"));
    layout->addWidget(m_fontHeading);

    auto* rows = new QHBoxLayout;
    const auto fontColumn = [&](QWidget* host, QCheckBox* bold, QCheckBox* italic, QSlider* size,
                                ColorPanel* colour) {
        auto* column = new QVBoxLayout(host);
        column->setContentsMargins(0, 0, 0, 0);
        column->addWidget(bold);
        column->addWidget(italic);
        column->addWidget(size, 1, Qt::AlignHCenter);
        column->addWidget(colour);
    };

    auto* qa = new QWidget(group);
    m_qaBold = styleBox("cbQABold", "B", true, qa);
    m_qaItalic = styleBox("cbQAItalic", "I", false, qa);
    m_qaSize = sizeBar("TrackBarQA", qa);
    m_qaColour = colourPanel("ColorPanelQAFont", qa);
    fontColumn(qa, m_qaBold, m_qaItalic, m_qaSize, m_qaColour);
    rows->addWidget(qa);

    m_phoneticFont = new QWidget(group);
    m_phoneticFont->setObjectName(QStringLiteral("recFontT"));
    m_tBold = styleBox("cbTBold", "B", true, m_phoneticFont);
    m_tItalic = styleBox("cbTItalic", "I", false, m_phoneticFont);
    m_tSize = sizeBar("TrackBarT", m_phoneticFont);
    m_tColour = colourPanel("ColorPanelTFont", m_phoneticFont);
    fontColumn(m_phoneticFont, m_tBold, m_tItalic, m_tSize, m_tColour);
    rows->addWidget(m_phoneticFont);
    layout->addLayout(rows, 1);

    for (QCheckBox* box : {m_qaBold, m_qaItalic, m_tBold, m_tItalic})
        connect(box, &QCheckBox::toggled, this, &ViewEditor::cbQABoldChange);
    connect(m_qaSize, &QSlider::valueChanged, this, &ViewEditor::TrackBarQAChange);
    connect(m_tSize, &QSlider::valueChanged, this, &ViewEditor::TrackBarTChange);
    connect(m_qaColour, &ColorPanel::colorChanged, this, &ViewEditor::ColorPanelQAFontChange);
    connect(m_tColour, &ColorPanel::colorChanged, this, &ViewEditor::ColorPanelTFontChange);
    return group;
}

QWidget* ViewEditor::buildBackgroundControls(ActionList& actions)
{
    auto* group = new QWidget(this);
    auto* layout = new QVBoxLayout(group);
    m_backgroundHeading = new QLabel(group);
    m_backgroundHeading->setObjectName(QStringLiteral("lbBackground"));
    layout->addWidget(m_backgroundHeading);

    auto* row = new QHBoxLayout;
    m_backgroundColour = colourPanel("ColorPanelBackground", group);
    row->addWidget(m_backgroundColour);
    row->addWidget(actionButton(actions, "recFromFile", "FromFile00", group));
    row->addStretch();
    layout->addLayout(row);
    connect(m_backgroundColour, &ColorPanel::colorChanged, this,
            &ViewEditor::ColorPanelBackgroundChange);

    auto* tiles = new QGridLayout;
    for (int tile = 1; tile <= PresetCount; ++tile) {
        auto* presetTile = new PresetTile(tile, group);
        presetTile->setMinimumSize(64, 64);
        connect(presetTile, &PresetTile::pressed, this, &ViewEditor::takePicture);
        tiles->addWidget(presetTile, (tile - 1) / 3, (tile - 1) % 3);
    }
    layout->addLayout(tiles, 1);
    return group;
}

void ViewEditor::setHalf(ScreenHalf half)
{
    m_half = half;
    m_phoneticFont->setVisible(ItsAboutBottom());
    m_answer.label->setVisible(ItsAboutBottom());
    m_phonetic.label->setVisible(ItsAboutBottom());
    m_question.label->setVisible(ItsAboutTop());
}

void ViewEditor::TopBottom(const TiledPanel& halfPanel, const TView& look)
{
    if (halfPanel.fill() == TiledPanel::Fill::Picture && !halfPanel.picture().isNull()) {
        m_preview->setPicture(halfPanel.picture());
        m_preview->setFill(TiledPanel::Fill::Picture);
    } else {
        m_backgroundColour->showColor(halfPanel.colour());
        m_preview->setColour(m_backgroundColour->color());
        m_preview->setFill(TiledPanel::Fill::Colour);
    }

    m_question = {m_question.label, look.QSize, look.QColor, look.QStyles};
    m_answer = {m_answer.label, look.ASize, look.AColor, look.AStyles};
    m_phonetic = {m_phonetic.label, look.PSize, look.PColor, look.PStyles};
    for (PreviewText* text : {&m_question, &m_answer, &m_phonetic})
        applyLook(*text);

    const PreviewText& qa = ItsAboutTop() ? m_question : m_answer;
    const QSignalBlocker boldBlocker(m_qaBold);
    const QSignalBlocker italicBlocker(m_qaItalic);
    const QSignalBlocker tBoldBlocker(m_tBold);
    const QSignalBlocker tItalicBlocker(m_tItalic);
    m_qaBold->setChecked(qa.styles & StyleBold);
    m_qaItalic->setChecked(qa.styles & StyleItalic);
    m_tBold->setChecked(m_phonetic.styles & StyleBold);
    m_tItalic->setChecked(m_phonetic.styles & StyleItalic);
    showSizesOnBars();
}

// The bars show the sizes of the shown texts without changing them: a bar cannot show a size
// outside its range, and the text keeps such a size until the bar is moved.
void ViewEditor::showSizesOnBars()
{
    const QSignalBlocker qaBlocker(m_qaSize);
    const QSignalBlocker tBlocker(m_tSize);
    m_qaSize->setValue(qRound((ItsAboutTop() ? m_question : m_answer).size));
    m_tSize->setValue(qRound(m_phonetic.size));
}

void ViewEditor::takePicture(const QPixmap& picture)
{
    if (picture.isNull())
        return;
    m_preview->setPicture(picture);
    m_preview->setFill(TiledPanel::Fill::Picture);
}

void ViewEditor::previewTexts(TView& view) const
{
    if (ItsAboutTop()) {
        view.QSize = m_question.size;
        view.QColor = m_question.colour;
        view.QStyles = m_question.styles;
    } else {
        view.ASize = m_answer.size;
        view.AColor = m_answer.colour;
        view.AStyles = m_answer.styles;
        view.PSize = m_phonetic.size;
        view.PColor = m_phonetic.colour;
        view.PStyles = m_phonetic.styles;
    }
}

void ViewEditor::TextAnswer2Gesture(bool grew)
{
    const double factor = PreviewZoom::factor(grew);
    for (PreviewText* text : {&m_question, &m_answer, &m_phonetic}) {
        if (text->label->isHidden())
            continue;
        text->size *= factor;
        applyLook(*text);
    }
    showSizesOnBars();
    emit zoomed();
}

void ViewEditor::cbQABoldChange()
{
    PreviewText& qa = ItsAboutTop() ? m_question : m_answer;
    qa.styles = withStyle(qa.styles, StyleBold, m_qaBold->isChecked());
    qa.styles = withStyle(qa.styles, StyleItalic, m_qaItalic->isChecked());
    applyLook(qa);
    m_phonetic.styles = withStyle(m_phonetic.styles, StyleBold, m_tBold->isChecked());
    m_phonetic.styles = withStyle(m_phonetic.styles, StyleItalic, m_tItalic->isChecked());
    applyLook(m_phonetic);
}

void ViewEditor::TrackBarQAChange(int value)
{
    for (PreviewText* text : {&m_question, &m_answer}) {
        text->size = value;
        applyLook(*text);
    }
}

void ViewEditor::TrackBarTChange(int value)
{
    m_phonetic.size = value;
    applyLook(m_phonetic);
}

void ViewEditor::ColorPanelQAFontChange(const QColor& colour)
{
    PreviewText& qa = ItsAboutTop() ? m_question : m_answer;
    qa.colour = colour.rgba();
    applyLook(qa);
}

void ViewEditor::ColorPanelTFontChange(const QColor& colour)
{
    m_phonetic.colour = colour.rgba();
    applyLook(m_phonetic);
}

void ViewEditor::ColorPanelBackgroundChange(const QColor& colour)
{
    m_preview->setColour(colour);
    m_preview->setFill(TiledPanel::Fill::Colour);
}

void ViewEditor::applyLook(PreviewText& text)
{
    QFont font = text.label->font();
    font.setPixelSize(qMax(1, qRound(text.size)));
    font.setBold(text.styles & StyleBold);
    font.setItalic(text.styles & StyleItalic);
    font.setUnderline(text.styles & StyleUnderline);
    font.setStrikeOut(text.styles & StyleStrikeOut);
    text.label->setFont(font);
    QPalette palette = text.label->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgba(text.colour));
    text.label->setPalette(palette);
}

// The preview takes a quarter of the editor's height.
void ViewEditor::resizeEvent(QResizeEvent* event)
{
    m_preview->setFixedHeight(height() / 4);
    QWidget::resizeEvent(event);
}

void ViewEditor::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ViewEditor::retranslate()
{
    m_fontHeading->setText(tr("Font"));
    m_backgroundHeading->setText(tr("Background"));
}
