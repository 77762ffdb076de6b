#pragma once

class RandomSource;
struct TSettings;
struct TVocabula;

// The side to ask of a card that is about to be shown; true asks the question. Both read the
// counters as they stand before the show. In order Randomly the question comes with the
// weight WhenRememberQuestions against WhenRememberAnswers, in both modes.

// Manual mode: the question until its run or its show count is complete (QuestionsFirst), the
// answer until both its run and its show count are (AnswersFirst).
bool AskQuestionManually(const TVocabula& card, const TSettings& settings, RandomSource& random);
// Automatic mode: by the show counts against TimesForQuestions and TimesForAnswers.
bool AskQuestionAutomatically(const TVocabula& card, const TSettings& settings,
                              RandomSource& random);

// A uniform index in 0 .. n-1, or 0 when n is not positive.
int randomIndex(RandomSource& random, int n);
