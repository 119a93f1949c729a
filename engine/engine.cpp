// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/engine.h"

namespace engine {

Engine::Engine(std::size_t tableMiB)
    : m_table(tableMiB)
{
}

std::optional<int> Engine::chooseMove(const Position& position, Level level, Random& random,
                                      const std::atomic<bool>& stop)
{
    switch (level) {
    case Level::easy:
        return easyMove(position, random);
    case Level::medium:
        return mediumMove(position, random);
    case Level::hard:
        break;
    }
    const std::optional<Choice> choice = perfectChoice(position, stop);
    if (!choice)
        return std::nullopt;
    return choice->column;
}

std::optional<Choice> Engine::perfectChoice(const Position& position, const std::atomic<bool>& stop)
{
    if (const std::optional<Choice> known = m_book.lookup(position))
        return known;
    Search search(m_table, &stop);
    const std::optional<Choice> choice = search.bestChoice(position);
    m_nodes += search.nodes();
    return choice;
}

std::optional<int> Engine::columnScore(const Position& position, int column, const std::atomic<bool>& stop)
{
    if (position.isWinningMove(column))
        return winNowScore(position.moves());
    Position next = position;
    next.play(column);
    if (next.isFull())
        return 0;
    if (const std::optional<Choice> known = m_book.lookup(next))
        return -known->score;
    Search search(m_table, &stop);
    const std::optional<int> score = search.solve(next);
    m_nodes += search.nodes();
    if (!score)
        return std::nullopt;
    return -*score;
}

} // namespace engine
