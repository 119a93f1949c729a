// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QObject>

class QWidget;

namespace runtime {
class Halo;
}

// A hint on the board: the busy pointer while the engine looks for it, then
// a ring in the mover's colour around the hole the disc would fill, on the
// board's yellow, where both colours read and nothing in the hole is
// covered, until the hint is cleared or for hintShownFor.
class HintMarker : public QObject {
    Q_OBJECT

public:
    explicit HintMarker(QWidget& board);

    // Most hints come at once from the book or a short search; one far from
    // both can take the engine a while, which the pointer shows.
    void waitForHint();
    void mark(const QRect& hole, const QColor& colour);
    void clear();

private:
    QWidget& m_board;
    runtime::Halo* const m_halo;
    int m_marks = 0; // tells the timer of this mark from one of a mark gone by
};
