// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/engine.h"

#include <utility>
#include <vector>

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

// The opposite of the sign of the opponent's score after a column: one
// null-window search at the draw, and a second when the opponent does not win.
std::optional<ScoreBounds> Engine::columnSign(const Position& next, const std::atomic<bool>& stop)
{
    Search search(m_table, &stop);
    std::optional<ScoreBounds> sign;
    if (const std::optional<bool> opponentWins = search.scoresAbove(next, 0); opponentWins && *opponentWins) {
        sign = ScoreBounds{ -MaxScore, -1 };
    } else if (opponentWins) {
        if (const std::optional<bool> opponentDraws = search.scoresAbove(next, -1))
            sign = *opponentDraws ? ScoreBounds{ 0, 0 } : ScoreBounds{ 1, MaxScore };
    }
    m_nodes += search.nodes();
    return sign;
}

bool Engine::scoreColumns(const Position& position, const std::atomic<bool>& stop, const ColumnReport& report)
{
    // The columns whose score needs a search, and the positions after them.
    std::vector<std::pair<int, Position>> searched;
    for (const int column : CentreFirst) {
        if (!position.canPlay(column))
            continue;
        if (position.isWinningMove(column)) {
            const int score = winNowScore(position.moves());
            report(column, { score, score });
            continue;
        }
        Position next = position;
        next.play(column);
        if (next.isFull()) {
            report(column, { 0, 0 });
        } else if (const std::optional<Choice> known = m_book.lookup(next)) {
            report(column, { -known->score, -known->score });
        } else {
            searched.emplace_back(column, next);
        }
    }
    for (const auto& [column, next] : searched) {
        const std::optional<ScoreBounds> sign = columnSign(next, stop);
        if (!sign)
            return false;
        report(column, *sign);
    }
    for (const auto& [column, next] : searched) {
        Search search(m_table, &stop);
        const std::optional<int> score = search.solve(next);
        m_nodes += search.nodes();
        if (!score)
            return false;
        report(column, { -*score, -*score });
    }
    return true;
}

} // namespace engine
