// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/outcome.h"
#include "board/verdict.h"

#include <QCoreApplication>
#include <QString>

// What screen readers hear of the board: pure functions of the game. The
// texts keep the board window's translation context ("Form1").
class Speech {
    Q_DECLARE_TR_FUNCTIONS(Form1)

public:
    // Column c's button: the column and how full it is.
    static QString column(int c, int discs);
    // One hole, rows counted from 1 at the bottom, and what fills it (0
    // nothing, 1 red, 2 blue).
    static QString cell(int c, int r, int player);
    static QString playsRed();
    static QString playsBlue();
    // What the board's description always says: the keys.
    static QString keys();
    // The board's tooltip: where the keys are listed.
    static QString helpTip();
    // A move, a take-back, a hint, a column's outcome: in so many moves,
    // or only a win, a draw or a loss while the moves are not counted yet.
    static QString moved(const QString& name, int c);
    static QString takenBack(int moves);
    static QString hint(int c);
    static QString outcome(const Outcome& outcome);
    // A column whose outcome the engine is still working out.
    static QString outcomeUnknown();
    // A hole where red, blue or both would complete four; empty for neither.
    static QString threat(bool red, bool blue);
    static QString movesCopied();
    // A disc's marks: the last played, a mistake, both, or neither (empty).
    static QString disc(bool lastMove, bool mistake);
    // A move that gave up a win or a draw, and the column that kept it.
    static QString mistake(const Verdict& verdict);
    // The threats are shown, and no hole completes four for either player.
    static QString noThreats();
    // What that sign below the board means, as the help says.
    static QString noThreatsMeaning();
    static QString replayed(int moves);
    // What the board shows that a screen reader cannot see: the outcomes,
    // and that no hole completes four.
    static QString outcomesShown();
    static QString noThreatsShown();
    // The board's description: the keys, what just happened, whether the
    // computer is thinking, and what the board shows.
    static QString boardDescription(const QString& news, bool computerThinking, const QStringList& shown);
};
