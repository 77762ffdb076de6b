#pragma once

#include <QRandomGenerator>

// Uniform integers 0 .. n-1. The program draws from one source seeded once from the clock;
// tests pass a source of their own.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual int below(int n) = 0;
};

// A source backed by a seeded QRandomGenerator.
class SeededRandom : public RandomSource
{
public:
    explicit SeededRandom(quint32 seed) : m_generator(seed) {}
    int below(int n) override { return n > 0 ? int(m_generator.bounded(quint32(n))) : 0; }

private:
    QRandomGenerator m_generator;
};

// The program-wide source, seeded from the clock the first time it is asked for.
RandomSource& programRandom();
