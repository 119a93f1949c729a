// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/advisor.h"
#include "board/boardmenu.h"
#include "board/boardstate.h"
#include "board/columnkeys.h"
#include "board/keyswindow.h"
#include "board/discmarks.h"
#include "board/layout.h"
#include "board/moverecord.h"
#include "rules/grid.h"
#include "gameover/gameover.h"
#include "runtime/windowinstance.h"

#include <QList>
#include <QWidget>

#include <memory>
#include <optional>

namespace runtime {
class ClickArea;
class Label;
class Shape;
} // namespace runtime

// The board window. It holds the whole state of the one game a run plays,
// lays out the board, drops a disc for every column click and decides,
// after each drop, whether the game is over. Moves can be taken back and
// played again, and copied as digits; its menu offers these, and the
// advisor a hint, what each column leads to, and the threats.
class Form1 : public QWidget {
    Q_OBJECT

public:
    // Who plays blue, player 2: a second person, asked for a name, or the
    // computer, named "Computer" without asking. While the computer is to
    // move, the board drops no disc for the person: the computer plays
    // by clicking a column's click area itself.
    enum class Blue { person, computer };

    // With `opening`, the Load handler sets the board up by playing those
    // columns in order.
    explicit Form1(Blue bluePlays = Blue::person, std::optional<QList<int>> opening = {});
    ~Form1() override;

    // The Load handler: the runtime calls it once, before the window is first shown.
    void load();

    // What anyone looking at the board can tell: the columns (1 to 7)
    // played so far in order, whose turn it is, and whether the game is over.
    const QList<int>& moves() const { return state.moves(); }
    int playerToMove() const { return turn; }
    bool isOver() const { return state.isOver(); }

    // Takes back the last move, and against the computer its reply too, so
    // that the person is to move again; does nothing when there is no such
    // move or the game is over.
    void undo();
    // Plays again what the last take-back took, in order: one move, and
    // against the computer its reply with it; nothing while the computer is
    // to move. Any other move forgets what was taken back.
    void redo();
    // Puts the moves on the board on the clipboard, as digits.
    void copyMoves();
    // Marks the hole where the engine's best move for the player to move
    // would land, for a while; against the computer, only on the person's turn.
    // While the outcomes are shown, it is the best of theirs, marked once
    // they are all known.
    void hint() { advisor.hint(); }
    // Shows or hides what each column leads to.
    void showOutcomes(bool shown);
    bool outcomesShown() const { return advisor.outcomesShown(); }
    // Shows or hides the holes where a player would complete four.
    void showThreats(bool shown);
    // Marks the last disc played, or stops marking it.
    void markLastMove(bool marked);
    // Marks the moves that gave up a win or a draw, or stops marking them.
    void markMistakes(bool marked);
    // Opens the list of keys and marks, or brings it to the front.
    void showKeys();
    // Drops a disc in column c (1 to 7) by clicking its click area, the road
    // a person's click takes; how the computer plays.
    void clickColumn(int c);
    // Whether the engine is at work for the board: a hint, or outcomes.
    bool isThinking() const { return advisor.isThinking(); }
    // Whether the engine still thinks ahead for the board, at the lowest
    // priority (see Advisor::wantScores).
    bool isThinkingAhead() const { return advisor.isThinkingAhead(); }

protected:
    bool event(QEvent* event) override;

signals:
    // The player to move changed, after a move or a take-back, or was first
    // drawn by the Load handler.
    void turnChanged(int player);

private:
    void createControls();
    void connectMenuAndKeys();
    quint8 firstPlayer() const;
    void drop(int c);
    void play(int c);
    void takeBackLastMove();
    void describeColumn(int c);
    void win();
    void endWithWinner(const QString& name, QWidget* loserTurnLabel);
    void endWithTie();
    void showGameover();
    void markLines();
    void showTurnOf(int player);
    void showColumnOpen(int c);
    void turnPassed();
    void announce(const QString& happened);
    void describeBoard();
    qsizetype firstToTakeBack() const;

    // The game.
    quint8 turn = 0;
    QString name1;
    QString name2;
    game::Heights height{};
    game::Cells board{};
    game::Flags winner{};
    MoveRecord record;
    const Blue bluePlayer;
    const std::optional<QList<int>> opening;
    // The game as the board's helpers read it, and what follows from it.
    const game::BoardState state{ turn, height, board, winner, record, bluePlayer == Blue::computer };

    // The controls, indexed [column][element] like the board; column 0 is unused.
    runtime::Label* lblTitle = nullptr;
    runtime::Label* lblplayer1 = nullptr;
    runtime::Label* lblplayer2 = nullptr;
    game::Holes Shp{};
    game::ClickAreas lblcover{};

    ColumnKeys columnKeys{ *this };
    BoardMenu menu{ *this };
    Advisor advisor{ *this, state, Shp, lblcover };
    DiscMarks discMarks{ state, advisor.mistakes(), Shp };
    QString news; // what just happened, as the board's description says it
    runtime::WindowInstance<Gameover> gameover;
    std::unique_ptr<KeysWindow> keysWindow;
};
