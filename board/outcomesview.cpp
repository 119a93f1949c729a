// SPDX-License-Identifier: GPL-3.0-or-later
#include "outcomesview.h"

#include "board/layout.h"
#include "board/speech.h"
#include "runtime/clickarea.h"
#include "runtime/shape.h"

#include <utility>

namespace {

// Besides its sign, each kind has a colour that reads on a black hole.
const QColor winColour{ 0x66, 0xEE, 0x66 };
const QColor drawColour{ 0xE0, 0xE0, 0xE0 };
const QColor lossColour{ 0xFF, 0x70, 0x70 };

// The sign alone until the moves are counted.
QString mark(const Outcome& outcome)
{
    const QString moves = outcome.moves > 0 ? QString::number(outcome.moves) : QString();
    switch (outcome.kind) {
    case Outcome::Kind::win:
        return u'+' + moves;
    case Outcome::Kind::loss:
        return u'\u2212' + moves;
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

OutcomesView::Caption OutcomesView::captionOf(const Outcome& outcome)
{
    return { mark(outcome), colourOf(outcome) };
}

OutcomesView::OutcomesView(const game::BoardState& state, const game::Holes& holes,
                           const game::ClickAreas& areas, QObject* parent)
    : QObject(parent)
    , m_state(state)
    , m_holes(holes)
    , m_areas(areas)
{
}

void OutcomesView::setOn(bool on)
{
    m_on = on;
    refresh();
}

// Whatever showed is for a position gone by: the view starts again, and a
// hint waiting for it is forgotten.
void OutcomesView::refresh()
{
    m_thinker.stop();
    m_best = nullptr;
    m_scores = {};
    clear();
    if (!isShowing())
        return;
    for (int c = 1; c <= game::columns; ++c)
        if (!m_state.isColumnFull(c))
            showUnknown(c);
    m_thinker.scoreColumns(m_state.moves(), [this](int column, score::Bounds bounds) { report(column, bounds); });
}

// A column's sign shows until its exact score comes; a sign never takes
// the place of the count.
void OutcomesView::report(int column, score::Bounds bounds)
{
    if (bounds.isExact()) {
        m_scores[column] = bounds.low;
        show(column, outcomeOf(bounds.low, static_cast<int>(m_state.moves().size())));
        callBestIfKnown();
        if (isComplete())
            emit completed();
    } else if (const std::optional<Outcome> sign = signOf(bounds); sign && !m_scores[column]) {
        show(column, *sign);
    }
}

void OutcomesView::show(int column, const Outcome& outcome)
{
    const int row = m_state.height[column];
    const Caption caption = captionOf(outcome);
    m_holes[column][row]->setCaption(caption.text, caption.colour);
    m_areas[column][row]->setToolTip(Speech::outcome(outcome));
    m_areas[column][0]->setAccessibleDescription(Speech::outcome(outcome));
}

// Nothing shows in the hole yet; only the words say so.
void OutcomesView::showUnknown(int column)
{
    const int row = m_state.height[column];
    m_areas[column][row]->setToolTip(Speech::outcomeUnknown());
    m_areas[column][0]->setAccessibleDescription(Speech::outcomeUnknown());
}

void OutcomesView::whenBestKnown(std::function<void(int column)> found)
{
    m_best = std::move(found);
    callBestIfKnown();
}

void OutcomesView::callBestIfKnown()
{
    if (!m_best || !isShowing())
        return;
    // The book's choice is the view's best column, known before its counts.
    if (const std::optional<int> column = Thinker::bookColumn(m_state.moves()))
        return std::exchange(m_best, nullptr)(*column);
    for (int c = 1; c <= game::columns; ++c)
        if (!m_state.isColumnFull(c) && !m_scores[c])
            return;
    // A game that goes on has an open column, so some score is known here.
    const int best = Thinker::preferredColumn(m_state.moves(), m_scores);
    // Called once: whatever it does, the view is done with it.
    const std::function<void(int column)> found = std::exchange(m_best, nullptr);
    found(best);
}

bool OutcomesView::isComplete() const
{
    for (int c = 1; c <= game::columns; ++c)
        if (isShowing() && !m_state.isColumnFull(c) && !m_scores[c])
            return false;
    return true;
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
