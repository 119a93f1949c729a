// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/grid.h"
#include "runtime/twips.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <chrono>

namespace runtime {
class ClickArea;
class Shape;
} // namespace runtime

// The board window's layout, in twips, its colours and its caption.
namespace game {

// The board's circles and the click areas above them, [column][row].
using Holes = PerHole<runtime::Shape*>;
using ClickAreas = PerHole<runtime::ClickArea*>;

inline constexpr QRect clientArea = runtime::rectFromTwips(0, 0, 7260, 6240);
inline constexpr QRect titleArea = runtime::rectFromTwips(2040, 240, 3135, 735);
inline constexpr QRect player1Area = runtime::rectFromTwips(360, 240, 1335, 495);
inline constexpr QRect player2Area = runtime::rectFromTwips(5400, 240, 1335, 495);

// Below the grid: what a view has to say when the board shows nothing of it.
inline constexpr QRect noThreatsArea = runtime::rectFromTwips(360, 5925, 6495, 285);

// Column c runs from 1 to 7 left to right, row r from 0 (bottom) to 5 (top).
constexpr QRect cellArea(int c, int r)
{
    return runtime::rectFromTwips(360 + 960 * (c - 1), 5160 - 840 * r, 735, 735);
}

// The width of the hint's ring around a hole: within the narrowest gap
// between holes, 105 twips, clear of the next hole.
inline constexpr int hintRingTwips = 45;

// How long a hint stays marked.
inline constexpr std::chrono::milliseconds hintShownFor{ 2000 };

inline constexpr double titlePoints = 20.25;
inline constexpr double turnPoints = 9.75;

inline const QColor yellow{ 0xFF, 0xFF, 0x00 };
inline const QColor red{ 0xFF, 0x00, 0x00 };
inline const QColor blue{ 0x00, 0x00, 0xFF };
inline const QColor emptyHole{ 0x00, 0x00, 0x00 };

inline const QString caption = QStringLiteral("Vantrel");

} // namespace game
