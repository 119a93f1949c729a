// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/boardstate.h"
#include "board/layout.h"
#include "board/outcome.h"
#include "thinker/thinker.h"

#include <QObject>

#include <functional>
#include <optional>

// What each column leads to, shown while a player asks for it: in the hole
// where the column's next disc would land, "+N" for a win with the mover's
// N-th disc from now, "=" for a draw, "−N" for a loss after N of the
// mover's discs; in words, in the tooltip of that hole's click area and in
// the accessible description of the column's button (its bottom click
// area). Outcomes appear one column at a time, as the engine knows them:
// first whether the column wins, draws or loses ("+", "=", "−"), then in
// how many moves. Until then, the words say it is not known yet. A full
// column shows none.
class OutcomesView : public QObject {
    Q_OBJECT

public:
    // Shows the outcomes on these holes and click areas, for the game
    // `state` reads.
    OutcomesView(const game::BoardState& state, const game::Holes& holes, const game::ClickAreas& areas,
                 QObject* parent);

    bool isOn() const { return m_on; }
    void setOn(bool on);
    // The board shows another position now. Its outcomes show while the
    // view is on, the game goes on and a person is to move.
    void boardChanged() { refresh(); }
    // Whether the engine is still working out an outcome.
    bool isWorking() const { return !m_thinker.isIdle(); }
    // Calls `found` with the column (1 to 7) perfect play chooses here once
    // every open column's exact outcome is known: at once if they all are or
    // the opening book holds the position, or when the last one comes.
    // Whatever starts the view again (a move, a take-back, the view turned
    // off or on) forgets it, uncalled.
    void whenBestKnown(std::function<void(int column)> found);
    bool isAwaitingBest() const { return static_cast<bool>(m_best); }
    // Whether what it shows is all there: every column's count, or nothing
    // to show.
    bool isComplete() const;

    // What a hole shows for an outcome: its sign and count, in a colour
    // that reads on a black hole.
    struct Caption {
        QString text;
        QColor colour;
    };
    static Caption captionOf(const Outcome& outcome);

signals:
    // Every column's count is shown now.
    void completed();

private:
    void refresh();
    void report(int column, score::Bounds bounds);
    void show(int column, const Outcome& outcome);
    void showUnknown(int column);
    void callBestIfKnown();
    bool isShowing() const { return m_on && m_state.isPersonToMove(); }
    void clear();

    const game::BoardState& m_state;
    const game::Holes& m_holes;
    const game::ClickAreas& m_areas;
    Thinker m_thinker;
    bool m_on = false;
    // Each column's exact score as it comes.
    score::ColumnScores m_scores{};
    std::function<void(int column)> m_best;
};
