// SPDX-License-Identifier: GPL-3.0-or-later
#include "outcomesview.h"

#include "board/layout.h"
#include "board/speech.h"
#include "runtime/clickarea.h"
#include "runtime/shape.h"

namespace {

// Besides its sign, each kind has a colour that reads on a black hole.
const QColor winColour{ 0x66, 0xEE, 0x66 };
const QColor drawColour{ 0xE0, 0xE0, 0xE0 };
const QColor lossColour{ 0xFF, 0x70, 0x70 };

QString mark(const Outcome& outcome)
{
    switch (outcome.kind) {
    case Outcome::Kind::win:
        return QStringLiteral("+%1").arg(outcome.moves);
    case Outcome::Kind::loss:
        return QStringLiteral("\u2212%1").arg(outcome.moves);
    case Outcome::Kind::draw:
        break;
    }
    return QStringLiteral("=");
}

QColor colourOf(const Outcome& outcome)
{
    return outcome.kind == Outcome::Kind::win    ? winColour
           : outcome.kind == Outcome::Kind::loss ? lossColour
                                                 : drawColour;
}

} // namespace

OutcomesView::OutcomesView(const Holes& holes, const Areas& areas, QObject* parent)
    : QObject(parent)
    , m_holes(holes)
    , m_areas(areas)
{
}

void OutcomesView::setOn(bool on)
{
    m_on = on;
    refresh();
}

void OutcomesView::follow(const QList<int>& moves, const std::array<qint16, 8>& height, bool showable)
{
    m_moves = moves;
    m_height = height;
    m_showable = showable;
    refresh();
}

// Whatever showed is for a position gone by: the view starts again.
void OutcomesView::refresh()
{
    m_thinker.stop();
    clear();
    if (m_on && m_showable)
        m_thinker.scoreColumns(m_moves, [this](int column, engine::ScoreBounds bounds) {
            if (bounds.isExact())
                show(column, bounds.low);
        });
}

void OutcomesView::show(int column, int score)
{
    const Outcome outcome = outcomeOf(score, static_cast<int>(m_moves.size()));
    const int row = m_height[column];
    m_holes[column][row]->setCaption(mark(outcome), colourOf(outcome));
    m_areas[column][row]->setToolTip(Speech::outcome(outcome));
    m_areas[column][0]->setAccessibleDescription(Speech::outcome(outcome));
}

void OutcomesView::clear()
{
    for (int c = 1; c <= game::columns; ++c) {
        for (int r = 0; r < game::rows; ++r) {
            m_holes[c][r]->setCaption({}, {});
            m_areas[c][r]->setToolTip({});
        }
        m_areas[c][0]->setAccessibleDescription({});
    }
}
