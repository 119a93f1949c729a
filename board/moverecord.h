// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

// The columns (1 to 7) played so far, in order, and the moves taken back
// that can be played again, the next one last.
class MoveRecord {
public:
    const QList<int>& played() const { return m_played; }
    void add(int column) { m_played.append(column); }

    // The last move goes, kept to be played again; returns its column.
    int takeBack();
    bool canReplay() const { return !m_takenBack.isEmpty(); }
    // The column of the move taken back last, no longer kept.
    int takeNextToReplay() { return m_takenBack.takeLast(); }
    // A move of another line of play: what was taken back is gone.
    void forgetTakenBack() { m_takenBack.clear(); }

    // The first move a take-back takes back, with player `turn` to move:
    // the last, or, where the computer plays blue, the person's last with
    // the computer's reply; -1 when there is none.
    qsizetype firstToTakeBack(int turn, bool computerPlaysBlue) const;

    // The player (1 or 2) who made move `move` (from 0) of those played,
    // with player `turn` to move now.
    int moverOf(qsizetype move, int turn) const;

private:

    QList<int> m_played;
    QList<int> m_takenBack;
};
