#include "engine/LearntTest.h"

#include "cards/CardLine.h"
#include "engine/SettingChoices.h"
#include "settings/SettingsRecord.h"

bool IsLearnt(const TVocabula& card, const TSettings& settings, bool automatic)
{
    const bool simultaneous = orderOf(settings) == SideOrder::Simultaneously;
    if (automatic) {
        if (simultaneous)
            return card.ShownQA >= settings.WhenSimultaneously00;
        return (card.ShownQ >= settings.TimesForQuestions || card.DoneQ) &&
               (card.ShownA >= settings.TimesForAnswers || card.DoneA);
    }
    if (simultaneous)
        return card.ShownQA >= settings.WhenSimultaneously0;
    const bool shownEnough = (card.ShownQ >= settings.MaximumForQuestions || card.DoneQ) &&
                             (card.ShownA >= settings.MaximumForAnswers || card.DoneA);
    const bool rememberedEnough = (card.YesQ >= settings.WhenRememberQuestions || card.DoneQ) &&
                                  (card.YesA >= settings.WhenRememberAnswers || card.DoneA);
    return shownEnough || rememberedEnough;
}
