#include "shell/ViewEditing.h"

#include "appearance/FormOpenPictureDialog.h"
#include "appearance/ViewEditor.h"
#include "cardscreen/CardScreen.h"
#include "save/SaveScheduler.h"
#include "settings/BackgroundPictureFile.h"
#include "settings/Backgrounds.h"
#include "shell/WindowParts.h"
#include "widgets/ErrorBoundary.h"
#include "widgets/TiledPanel.h"

#include <QMainWindow>

void ViewEditing::ShowBackgrounds()
{
    const int mode = m_parts.LearningMode();
    const ShownBackgrounds shown =
        ::ShowBackgrounds(m_parts.paths.BackgroundsDir, mode, m_parts.record.Views[mode]);
    const auto apply = [](TiledPanel* half, const ShownHalf& shownHalf) {
        if (shownHalf.choice.source == BackgroundChoice::Source::Colour)
            half->setColour(shownHalf.choice.colour);
        else if (!shownHalf.picture.isNull())
            half->setPicture(QPixmap::fromImage(shownHalf.picture));
    };
    apply(m_parts.card->recQuestion(), shown.top);
    apply(m_parts.card->recAnswer(), shown.bottom);
    if (!shown.errors().isEmpty())
        showError(&m_parts.window, shown.errors().join(QLatin1Char('\n')));
}

void ViewEditing::TopBottom0Execute()
{
    TView look = m_parts.record.Views[m_parts.LearningMode()];
    m_parts.card->GetView(look);
    ViewEditor* editor = m_parts.viewEditor;
    editor->TopBottom(
        *(editor->ItsAboutTop() ? m_parts.card->recQuestion() : m_parts.card->recAnswer()), look);
    m_parts.showPanel(editor);
}

void ViewEditing::FromFile00Execute()
{
    m_parts.openPictureDialog->MyShow(&m_parts.window, [this](const QImage& picture) {
        m_parts.viewEditor->takePicture(QPixmap::fromImage(picture));
    });
}

// The half's picture file is written or deleted first: when that fails, the play screen and
// the stored view are unchanged and the editor stays open.
void ViewEditing::ViewOK0Execute()
{
    ViewEditor* editor = m_parts.viewEditor;
    const int mode = m_parts.LearningMode();
    const ScreenHalf half = editor->half();
    const bool top = half == ScreenHalf::Top;
    const TiledPanel* preview = editor->recView();
    const bool picture = preview->fill() == TiledPanel::Fill::Picture;
    const QString file = BackGroundFile(m_parts.paths.BackgroundsDir, mode, half);
    if (picture)
        BackgroundPictureFile::write(file, preview->picture().toImage());
    else
        BackgroundPictureFile::remove(file);

    CardScreen* card = m_parts.card;
    TiledPanel* target = top ? card->recQuestion() : card->recAnswer();
    TView& stored = m_parts.record.Views[mode];
    (top ? stored.TopTexture : stored.BottomTexture) = picture;
    if (picture) {
        target->setPicture(preview->picture());
    } else {
        target->setColour(preview->colour());
        (top ? stored.TopColor : stored.BottomColor) = preview->colour().rgba();
    }
    target->setFill(preview->fill());
    TView look = stored;
    card->GetView(look);
    editor->previewTexts(look);
    card->SetView(look);
    editor->hide();
    m_parts.saveScheduler->changed();
}
