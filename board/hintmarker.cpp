// SPDX-License-Identifier: GPL-3.0-or-later
#include "hintmarker.h"

#include "board/layout.h"
#include "runtime/halo.h"
#include "runtime/services.h"

#include <QWidget>

HintMarker::HintMarker(QWidget& board)
    : QObject(&board)
    , m_board(board)
    , m_halo(new runtime::Halo(&board))
{
    m_halo->setObjectName(QStringLiteral("hint"));
}

void HintMarker::waitForHint()
{
    m_board.setCursor(Qt::BusyCursor);
}

void HintMarker::mark(const QRect& hole, const QColor& colour)
{
    clear();
    m_halo->surround(hole, runtime::pixelsFromTwips(game::hintRingTwips), colour);
    runtime::runAfter(game::hintShownFor, this, [this, mark = m_marks] {
        if (mark == m_marks)
            clear();
    });
}

void HintMarker::clear()
{
    ++m_marks;
    m_board.unsetCursor();
    m_halo->clear();
}
