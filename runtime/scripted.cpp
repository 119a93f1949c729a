// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/scripted.h"

#include <QTimer>

ScriptedPrompt::ScriptedPrompt(QStringList answers, QStringList* log)
    : m_answers(std::move(answers))
    , m_log(log)
{
}

QString ScriptedPrompt::ask(const QString& prompt, const QString& title, const QString& defaultText)
{
    if (m_log)
        m_log->append(QStringLiteral("ask %1|%2|%3").arg(prompt, title, defaultText));
    return m_answers.isEmpty() ? defaultText : m_answers.takeFirst();
}

ScriptedRandom::ScriptedRandom(QList<double> numbers, QStringList* log)
    : m_numbers(std::move(numbers))
    , m_log(log)
{
}

void ScriptedRandom::seedFromTimer()
{
    if (m_log)
        m_log->append(QStringLiteral("seed"));
}

double ScriptedRandom::next()
{
    if (m_log)
        m_log->append(QStringLiteral("next"));
    const double number = m_numbers.at(m_next);
    m_next = (m_next + 1) % m_numbers.size();
    return number;
}

void ScriptedDelays::after(std::chrono::milliseconds, QObject* context, std::function<void()> action)
{
    if (m_mode == Mode::atOnce)
        QTimer::singleShot(0, context, std::move(action));
    else
        m_held.append({ context, std::move(action) });
}

void ScriptedDelays::release()
{
    const auto held = std::exchange(m_held, {});
    for (const auto& [context, action] : held)
        if (context)
            action();
}
