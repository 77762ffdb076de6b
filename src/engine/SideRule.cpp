#include "engine/SideRule.h"

#include "cards/CardLine.h"
#include "cards/RandomSource.h"
#include "engine/SettingChoices.h"
#include "settings/SettingsRecord.h"

namespace {

bool randomlyQuestion(const TSettings& settings, RandomSource& random)
{
    const int weights = settings.WhenRememberQuestions + settings.WhenRememberAnswers;
    return randomIndex(random, weights) < settings.WhenRememberQuestions;
}

} // namespace

int randomIndex(RandomSource& random, int n)
{
    return n > 0 ? random.below(n) : 0;
}

bool AskQuestionManually(const TVocabula& card, const TSettings& settings, RandomSource& random)
{
    bool question = false;
    switch (orderOf(settings)) {
    case SideOrder::QuestionsFirst:
        question = card.YesQ < settings.WhenRememberQuestions &&
                   card.ShownQ < settings.MaximumForQuestions;
        break;
    case SideOrder::AnswersFirst:
        question =
            card.YesA >= settings.WhenRememberAnswers && card.ShownA >= settings.MaximumForAnswers;
        break;
    case SideOrder::Randomly:
    case SideOrder::Simultaneously:
        question = randomlyQuestion(settings, random);
        break;
    }
    if (card.DoneQ)
        question = false;
    if (card.DoneA)
        question = true;
    return question;
}

bool AskQuestionAutomatically(const TVocabula& card, const TSettings& settings,
                              RandomSource& random)
{
    bool question = false;
    switch (orderOf(settings)) {
    case SideOrder::QuestionsFirst:
        question = card.ShownQ < settings.TimesForQuestions;
        break;
    case SideOrder::AnswersFirst:
        question = card.ShownA >= settings.TimesForAnswers;
        break;
    case SideOrder::Randomly:
    case SideOrder::Simultaneously:
        question = randomlyQuestion(settings, random);
        break;
    }
    if (card.DoneQ)
        question = false;
    else
        question = question && card.ShownQ < settings.TimesForQuestions;
    if (card.DoneA || card.ShownA >= settings.TimesForAnswers)
        question = true;
    return question;
}
