// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A board as a plain array, and the slow, obvious ways to value it that the
// engine is checked against: no bitboards, no table, no move ordering.

#include <algorithm>
#include <random>
#include <string>

namespace oracle {

constexpr int Columns = 7;
constexpr int Rows = 6;

struct Board {
    int cells[Columns][Rows] = {}; // 0 empty, 1 first player, 2 second player; row 0 at the bottom
    int heights[Columns] = {};
    int played = 0;
    std::string moves;             // as digits '1'..'7'

    int toMove() const { return played % 2 == 0 ? 1 : 2; }
    bool canPlay(int c) const { return heights[c] < Rows; }
    void play(int c)
    {
        cells[c][heights[c]++] = toMove();
        ++played;
        moves += static_cast<char>('1' + c);
    }
    void undo(int c)
    {
        cells[c][--heights[c]] = 0;
        --played;
        moves.pop_back();
    }
    int discsOf(int player) const { return (played + (player == 1 ? 1 : 0)) / 2; }

    // Whether the disc at (c, r) is in a line of four of its colour.
    bool inFour(int c, int r) const
    {
        const int who = cells[c][r];
        const int steps[4][2] = { { 1, 0 }, { 0, 1 }, { 1, 1 }, { 1, -1 } };
        for (const auto& s : steps) {
            int run = 1;
            for (int sign : { 1, -1 })
                for (int k = 1; k < 4; ++k) {
                    const int x = c + sign * k * s[0], y = r + sign * k * s[1];
                    if (x < 0 || x >= Columns || y < 0 || y >= Rows || cells[x][y] != who)
                        break;
                    ++run;
                }
            if (run >= 4)
                return true;
        }
        return false;
    }
    // Whether the side to move completes a line by playing column c.
    bool winsAt(int c)
    {
        if (!canPlay(c))
            return false;
        play(c);
        const bool won = inFour(c, heights[c] - 1);
        undo(c);
        return won;
    }
};

// What the side to move scores by playing column c: 22 minus its discs on
// the board when it wins, 0 for a draw, negative when it loses.
int minimax(Board& b);

inline int moveScore(Board& b, int c)
{
    const int mover = b.toMove();
    b.play(c);
    int score;
    if (b.inFour(c, b.heights[c] - 1))
        score = 22 - b.discsOf(mover);
    else if (b.played == Columns * Rows)
        score = 0;
    else
        score = -minimax(b);
    b.undo(c);
    return score;
}

// The score of the side to move, by trying every move to the end.
inline int minimax(Board& b)
{
    int best = -100;
    for (int c = 0; c < Columns; ++c)
        if (b.canPlay(c))
            best = std::max(best, moveScore(b, c));
    return best;
}

// The same score by plain alpha-beta over the array (fail-hard), for
// positions too deep for minimax.
inline int alphaBeta(Board& b, int alpha, int beta)
{
    const int mover = b.toMove();
    for (int c = 0; c < Columns; ++c)
        if (b.winsAt(c))
            return 22 - (b.discsOf(mover) + 1);
    if (b.played >= Columns * Rows - 1)
        return 0;
    for (int c : { 3, 2, 4, 1, 5, 0, 6 }) {
        if (!b.canPlay(c))
            continue;
        b.play(c);
        const int score = -alphaBeta(b, -beta, -alpha);
        b.undo(c);
        if (score >= beta)
            return beta;
        alpha = std::max(alpha, score);
    }
    return alpha;
}

inline int alphaBeta(Board& b)
{
    return alphaBeta(b, -100, 100);
}

// A game of random moves stopped with `empty` cells left, where no move
// has ended the game: each move is drawn among those that do not win, and a
// game with no such move left starts again.
inline Board randomBoard(std::mt19937_64& random, int empty)
{
    Board b;
    while (b.played < Columns * Rows - empty) {
        int quiet[Columns];
        int count = 0;
        for (int c = 0; c < Columns; ++c)
            if (b.canPlay(c) && !b.winsAt(c))
                quiet[count++] = c;
        if (count == 0) {
            b = Board{};
            continue;
        }
        b.play(quiet[std::uniform_int_distribution<int>(0, count - 1)(random)]);
    }
    return b;
}

} // namespace oracle
