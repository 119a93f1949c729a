// SPDX-License-Identifier: GPL-3.0-or-later
#include "mistakesview.h"

#include "board/layout.h"

MistakesView::MistakesView(const game::BoardState& state, QObject* parent)
    : QObject(parent)
    , m_state(state)
{
}

void MistakesView::setOn(bool on)
{
    m_on = on;
    boardChanged();
    emit changed();
}

void MistakesView::boardChanged()
{
    m_thinker.stop();
    m_judging.clear();
    judgeNext();
}

std::optional<Verdict> MistakesView::verdictOn(qsizetype move) const
{
    const auto verdict = m_verdicts.constFind(m_state.moves().first(move + 1));
    if (!m_on || verdict == m_verdicts.cend())
        return std::nullopt;
    return *verdict;
}

// The last move not judged yet, of a player whose moves are judged.
void MistakesView::judgeNext()
{
    if (!m_on)
        return;
    const QList<int>& moves = m_state.moves();
    for (qsizetype move = moves.size() - 1; move >= 0; --move) {
        if (!m_state.isPersonsMove(move) || m_verdicts.contains(moves.first(move + 1)))
            continue;
        m_judging = moves.first(move + 1);
        m_scores = {};
        m_thinker.scoreColumns(moves.first(move), [this](int column, score::Bounds bounds) { report(column, bounds); });
        return;
    }
}

// Once every column of the position is known exactly, the move is judged.
void MistakesView::report(int column, score::Bounds bounds)
{
    if (!bounds.isExact())
        return;
    m_scores[column] = bounds.low;
    const QList<int> before = m_judging.first(m_judging.size() - 1);
    game::Heights height{};
    for (const int c : before)
        ++height[c];
    for (int c = 1; c <= game::columns; ++c)
        if (!game::isColumnFull(height, c) && !m_scores[c])
            return;
    m_verdicts.insert(m_judging, judgeMove(m_scores, m_judging.last(), Thinker::preferredColumn(before, m_scores)));
    m_judging.clear();
    emit changed();
    judgeNext();
}
