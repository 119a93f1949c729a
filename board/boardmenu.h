// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/heldkeys.h"

#include <QObject>

class QAction;
class QKeyEvent;
class QPoint;
class QWidget;

// The board's commands beyond dropping discs, on their keys and in its
// menu, which the right button, the Menu key and Shift+F10 open: the moves
// first (Undo, Redo, Copy Moves), then what the board can show (Hint, Show
// Outcomes, Show Threats, Mark Last Move, Mark Mistakes), then Keys and
// Views, the help.
// Each says what it does in its whatsThis, which the help lists. A key
// held down takes back or replays one move after another, but does any
// other command once. A finished board, being disabled, takes no key; its
// menu still opens, for what can still act on it.
class BoardMenu : public QObject {
    Q_OBJECT

public:
    explicit BoardMenu(QWidget& board);

    QAction* const undo;
    QAction* const redo;
    QAction* const copy;
    QAction* const hint;
    QAction* const outcomes;
    QAction* const threats;
    QAction* const lastMove;
    QAction* const mistakes;
    QAction* const help;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void popUp(const QPoint& where);
    bool isRepeatOfOneShotKey(QKeyEvent& event);

    QWidget& m_board;
    HeldKeys m_heldKeys;
};
