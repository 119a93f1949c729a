// SPDX-License-Identifier: GPL-3.0-or-later
#include "hintmarker.h"

#include "board/layout.h"
#include "runtime/services.h"
#include "runtime/shape.h"

#include <QWidget>

HintMarker::HintMarker(QWidget& board)
    : QObject(&board)
    , m_board(board)
{
}

void HintMarker::waitForHint()
{
    m_board.setCursor(Qt::BusyCursor);
}

void HintMarker::mark(runtime::Shape& hole, const QColor& colour)
{
    clear();
    m_hole = &hole;
    m_hole->setRing(colour);
    runtime::runAfter(game::hintShownFor, this, [this, mark = m_marks] {
        if (mark == m_marks)
            clear();
    });
}

void HintMarker::clear()
{
    ++m_marks;
    m_board.unsetCursor();
    if (m_hole)
        m_hole->setRing({});
    m_hole = nullptr;
}
