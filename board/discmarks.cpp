// SPDX-License-Identifier: GPL-3.0-or-later
#include "discmarks.h"

#include "board/mistakesview.h"
#include "board/speech.h"
#include "runtime/shape.h"

#include <QHash>
#include <QPoint>

DiscMarks::DiscMarks(const game::BoardState& state, const MistakesView& mistakes, const game::Holes& holes)
    : m_state(state)
    , m_mistakes(mistakes)
    , m_holes(holes)
{
}

void DiscMarks::markLastMove(bool marked)
{
    m_lastMove = marked;
    boardChanged();
}

// The marks speak for the holes that hold discs; the threats, for the
// empty ones. A hole a take-back emptied loses its marks here too.
void DiscMarks::boardChanged()
{
    const QList<int>& moves = m_state.moves();
    game::PerHole<bool> mistaken{};
    game::Heights height{};
    for (qsizetype move = 0; move < moves.size(); ++move) {
        const int c = moves[move];
        const std::optional<Verdict> verdict = m_mistakes.verdictOn(move);
        mistaken[c][height[c]++] = verdict && verdict->isMistake();
    }
    const int lastColumn = m_lastMove && !moves.isEmpty() ? moves.last() : 0;
    for (int c = 1; c <= game::columns; ++c)
        for (int r = 0; r < game::rows; ++r) {
            const bool last = c == lastColumn && r == m_state.height[c] - 1;
            m_holes[c][r]->setDot(last);
            m_holes[c][r]->setDashedEdge(mistaken[c][r]);
            if (r < m_state.height[c])
                m_holes[c][r]->setAccessibleDescription(Speech::disc(last, mistaken[c][r]));
        }
}
