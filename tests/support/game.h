// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/form1.h"
#include "runtime/scripted.h"

#include <QColor>
#include <QList>
#include <QPoint>
#include <QStringList>

#include <memory>
#include <optional>

class ComputerPlayer;
class QAction;
class QKeySequence;
class QWidget;

// A board window started the way the program starts it, with scripted names
// and first player, shown and ready for clicks.
class Game {
public:
    explicit Game(int firstPlayer = 1, QStringList names = {});
    // Asks for the names through the given prompt; nullptr means the real
    // prompt dialog, which the test then has to answer.
    Game(int firstPlayer, runtime::InputPrompt* prompt);
    // Player 1, named so, against the computer at this level.
    Game(int firstPlayer, const QString& name, engine::Level level);
    // Set up from these moves, as --moves sets the board up, between two
    // people or against the computer; the random source is then asked
    // only for numbers the game really draws, which `draws` counts.
    Game(int firstPlayer, const QList<int>& opening, std::optional<engine::Level> computer, int* draws = nullptr);
    ~Game();

    Form1& window() const { return *m_window; }
    // The computer playing blue; only in a game against it.
    ComputerPlayer& computer() const { return *m_computer; }

    // Waits until the engine has stopped working for this game (hints,
    // outcomes, the computer's search) and what it answered has arrived:
    // what has not happened by then never will.
    void settle();

    // Clicks the window at a point of its client area, as a player would:
    // whatever lies there receives the click, or nothing does.
    void clickAt(QPoint point);
    // Clicks the middle of cell (c, r).
    void clickCell(int c, int r);
    // Clicks the top cell of each column in turn.
    void play(const QList<int>& columns);

    QColor discColor(int c, int r) const;
    // Every disc on the board, column by column, as 'R', 'B' or '.'.
    QString discs() const;
    bool isColumnOpen(int c) const;
    // The hole a hint rings, as (column, row), and the ring's colour; a
    // null point and an invalid colour while no hint shows.
    QPoint hintedHole() const;
    QColor hintColour() const;
    // 1 or 2 for the visible turn label, 0 for none, 3 for both.
    int visibleTurnLabel() const;
    QString turnText(int player) const;

    // The board's action on this key, as its menu offers it: found by what
    // it does, not by where it stands in the menu.
    QAction& action(const QKeySequence& key) const;

    // The game-over dialog, or nullptr while it has not been created.
    QWidget* gameover() const;
    QString outcomeText() const;

private:
    // Blue is the computer at the given level, or else a second person.
    void start(int firstPlayer, runtime::InputPrompt* prompt, std::optional<engine::Level> computer = {},
               const std::optional<QList<int>>& opening = {}, int* draws = nullptr);

    std::unique_ptr<Form1> m_window;
    std::unique_ptr<ComputerPlayer> m_computer;
};
