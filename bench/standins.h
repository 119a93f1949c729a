#pragma once

#include "runtime/services.h"

// Stand-ins for the runtime's prompt and random source, for the benchmarks
// that start the board without anyone to answer its prompts.

// Answers every prompt with its default text, as OK pressed at once would.
class DefaultAnswers final : public runtime::InputPrompt {
public:
    QString ask(const QString&, const QString&, const QString& defaultText) override
    {
        return defaultText;
    }
};

// Always the same number, so that the same player moves first every time.
class FixedRandom final : public runtime::RandomSource {
public:
    explicit FixedRandom(double number)
        : m_number(number)
    {
    }
    void seedFromTimer() override { }
    double next() override { return m_number; }

private:
    double m_number;
};
