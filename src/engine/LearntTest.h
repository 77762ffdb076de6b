#pragma once

struct TSettings;
struct TVocabula;

// Whether a card's counters have reached the thresholds of the settings: in automatic mode the
// show counts (or the Done flags) of both sides, in manual mode either the show counts or the
// runs of successes of both sides; in order Simultaneously the count of double shows.
bool IsLearnt(const TVocabula& card, const TSettings& settings, bool automatic);
