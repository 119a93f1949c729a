// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/services.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

// Stand-ins for the runtime's prompt and random source, so that a test
// scripts the start of a game instead of answering modal dialogs.

// Answers each prompt with the next scripted answer, or with the prompt's
// default text once the script runs out. Every call is written to the log.
class ScriptedPrompt : public runtime::InputPrompt {
public:
    explicit ScriptedPrompt(QStringList answers = {}, QStringList* log = nullptr);
    QString ask(const QString& prompt, const QString& title, const QString& defaultText) override;

private:
    QStringList m_answers;
    QStringList* m_log;
};

// Returns the scripted numbers in turn, then starts over.
class ScriptedRandom : public runtime::RandomSource {
public:
    explicit ScriptedRandom(QList<double> numbers, QStringList* log = nullptr);
    void seedFromTimer() override;
    double next() override;

private:
    QList<double> m_numbers;
    qsizetype m_next = 0;
    QStringList* m_log;
};

// A random number that makes the given player (1 or 2) move first.
inline double firstMoveBy(int player)
{
    return player == 1 ? 0.25 : 0.75;
}

// Pauses that take no time: each action runs as soon as the event loop
// comes round, or, when held, only once the test releases it.
class ScriptedDelays : public runtime::Delays {
public:
    enum class Mode { atOnce, held };
    explicit ScriptedDelays(Mode mode = Mode::atOnce) : m_mode(mode) {}
    void after(std::chrono::milliseconds delay, QObject* context, std::function<void()> action) override;
    // Runs every held action whose context still exists.
    void release();
    qsizetype heldCount() const { return m_held.size(); }

private:
    Mode m_mode;
    QList<std::pair<QPointer<QObject>, std::function<void()>>> m_held;
};
