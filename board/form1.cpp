// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "board/layout.h"
#include "rules/drop.h"
#include "rules/lines.h"
#include "rules/movestring.h"
#include "board/speech.h"
#include "runtime/assistive.h"
#include "runtime/clickarea.h"
#include "runtime/infront.h"
#include "runtime/label.h"
#include "runtime/look.h"
#include "runtime/services.h"
#include "runtime/shape.h"

#include <QAction>
#include <QHelpEvent>
#include <QToolTip>
#include <QWindow>

#include <algorithm>

using namespace game;

Form1::Form1(Blue bluePlays, std::optional<QList<int>> openingMoves)
    : bluePlayer(bluePlays)
    , opening(std::move(openingMoves))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(caption);
    resize(clientArea.size());
    // Larger is fine, but smaller would cut off columns.
    setMinimumSize(clientArea.size());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, yellow);
    setPalette(palette);
    setAutoFillBackground(true);
    // The board takes the keys; nothing on it draws a focus frame.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleDescription(Speech::keys());
    setToolTip(Speech::helpTip());
    createControls();
    connectMenuAndKeys();
    runtime::keepLookWhenDisabled(this);
}

Form1::~Form1() = default;

void Form1::createControls()
{
    lblTitle = new runtime::Label(this, titleArea, Qt::AlignHCenter);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setFont(runtime::fontFromPoints(runtime::serifFaces, titlePoints));
    lblTitle->setText(caption);

    const QFont turnFont = runtime::fontFromPoints(runtime::sansFaces, turnPoints);
    lblplayer1 = new runtime::Label(this, player1Area, Qt::AlignLeft);
    lblplayer1->setObjectName(QStringLiteral("lblplayer1"));
    lblplayer1->setFont(turnFont);
    lblplayer1->setTextColor(red);
    lblplayer1->setAccessibleDescription(Speech::playsRed());
    lblplayer2 = new runtime::Label(this, player2Area, Qt::AlignLeft);
    lblplayer2->setObjectName(QStringLiteral("lblplayer2"));
    lblplayer2->setFont(turnFont);
    lblplayer2->setTextColor(blue);
    lblplayer2->setAccessibleDescription(Speech::playsBlue());

    // Discs first, so that the click areas lie above them.
    for (int c = 1; c <= columns; ++c)
        for (int r = 0; r < rows; ++r) {
            auto* disc = new runtime::Shape(this, cellArea(c, r), emptyHole);
            disc->setObjectName(QStringLiteral("Shp%1(%2)").arg(c).arg(r));
            Shp[c][r] = disc;
        }
    for (int c = 1; c <= columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            auto* area = new runtime::ClickArea(this, cellArea(c, r));
            area->setObjectName(QStringLiteral("lblcover%1(%2)").arg(c).arg(r));
            connect(area, &runtime::ClickArea::clicked, this, [this, c] { drop(c); });
            area->setTakesPlayerInputWhen([this] { return !state.isComputersTurn(); });
            // One button per column for screen readers: the bottom area speaks for its column.
            if (r > 0)
                runtime::hideFromAssistiveTechnology(area);
            lblcover[c][r] = area;
        }
    }
    for (int c = 1; c <= columns; ++c)
        describeColumn(c);
}

void Form1::connectMenuAndKeys()
{
    connect(menu.undo, &QAction::triggered, this, &Form1::undo);
    connect(menu.redo, &QAction::triggered, this, &Form1::redo);
    connect(menu.copy, &QAction::triggered, this, &Form1::copyMoves);
    connect(menu.hint, &QAction::triggered, this, &Form1::hint);
    connect(menu.outcomes, &QAction::triggered, this, &Form1::showOutcomes);
    connect(menu.threats, &QAction::triggered, this, &Form1::showThreats);
    connect(menu.lastMove, &QAction::triggered, this, &Form1::markLastMove);
    connect(menu.mistakes, &QAction::triggered, this, &Form1::markMistakes);
    connect(menu.help, &QAction::triggered, this, &Form1::showKeys);
    connect(&advisor, &Advisor::hinted, this, [this](int c) { announce(Speech::hint(c)); });
    connect(&advisor, &Advisor::mistakesChanged, this, [this] {
        discMarks.boardChanged();
        describeBoard();
    });
    // A key takes the road of a mouse click: the column's click area is
    // clicked, so its clicked signal reaches drop and then win.
    connect(&columnKeys, &ColumnKeys::pressed, this, [this](int c) {
        if (!state.isColumnFull(c) && lblcover[c][0]->takesPlayerInput())
            clickColumn(c);
    });
}

// The board's tooltip, which says where the keys are, shows on its yellow
// surface, not over the holes, which keep their own or none.
bool Form1::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const QPoint where = static_cast<QHelpEvent*>(event)->pos();
        for (int c = 1; c <= columns; ++c)
            for (int r = 0; r < rows; ++r)
                if (cellArea(c, r).contains(where)) {
                    QToolTip::hideText();
                    event->ignore();
                    return true;
                }
    }
    return QWidget::event(event);
}

void Form1::load()
{
    for (int c = 1; c <= columns; ++c)
        height[c] = 0;
    winner[1] = winner[2] = winner[3] = false;
    runtime::seedRandomFromTimer();
    turn = firstPlayer();
    name1 = runtime::askForText(tr("Player 1's name:"), tr("Player 1"), tr("Player1"));
    if (bluePlayer == Blue::computer)
        name2 = tr("Computer");
    else
        name2 = runtime::askForText(tr("Player 2's name:"), tr("Player 2"), tr("Player2"));
    lblplayer1->setTextWithName(tr("%1's turn"), name1);
    lblplayer2->setTextWithName(tr("%1's turn"), name2);
    for (const int c : opening.value_or(QList<int>{}))
        play(c);
    showTurnOf(turn);
    turnPassed();
    announce({});
}

// Who plays the first disc: drawn at random; but against the computer, a
// board set up from moves is the person's, red, to move after them.
quint8 Form1::firstPlayer() const
{
    if (bluePlayer == Blue::computer && opening)
        return opening->size() % 2 == 0 ? 1 : 2;
    // Clamped so that even a source that strays outside [0, 1) picks a real player.
    const int first = static_cast<int>(2 * runtime::nextRandom() + 1);
    return static_cast<quint8>(std::clamp(first, 1, 2));
}

// The click handler of every column: a new move, after which what was
// taken back can no longer be played again.
void Form1::drop(int c)
{
    // Only a click on an open column of a board in play gets here; the guard
    // keeps any other caller from writing past the top of the column.
    if (state.isColumnFull(c) || isOver())
        return;
    record.forgetTakenBack();
    play(c);
}

void Form1::play(int c)
{
    advisor.forgetHint();
    const quint8 mover = turn;
    const int h = dropDisc(board, height, c, mover);
    Shp[c][h]->setFill(mover == 1 ? red : blue);
    turn = static_cast<quint8>(opponentOf(mover));
    record.add(c);
    describeColumn(c);
    showTurnOf(turn);
    showColumnOpen(c);
    win();
    turnPassed();
    announce(Speech::moved(mover == 1 ? name1 : name2, c));
}

void Form1::clickColumn(int c)
{
    lblcover[c][0]->click();
}

void Form1::undo()
{
    const qsizetype from = firstToTakeBack();
    if (isOver() || from < 0)
        return;
    advisor.forgetHint();
    const qsizetype count = record.played().size() - from;
    while (record.played().size() > from)
        takeBackLastMove();
    turnPassed();
    announce(Speech::takenBack(static_cast<int>(count)));
}

void Form1::redo()
{
    if (!record.canReplay() || !state.isPersonToMove())
        return;
    int count = 0;
    do {
        play(record.takeNextToReplay());
        ++count;
    } while (state.isComputersTurn() && record.canReplay() && !isOver());
    announce(Speech::replayed(count));
}

void Form1::copyMoves()
{
    runtime::copyText(game::moveString(record.played()));
    announce(Speech::movesCopied());
}

// The drop in reverse: the hole empties, the column reopens if it was full,
// and the turn goes back to the player who made the move.
void Form1::takeBackLastMove()
{
    const int c = record.takeBack();
    turn = static_cast<quint8>(liftDisc(board, height, c));
    Shp[c][height[c]]->setFill(emptyHole);
    showColumnOpen(c);
    describeColumn(c);
    showTurnOf(turn);
}

void Form1::showOutcomes(bool shown)
{
    menu.outcomes->setChecked(shown);
    advisor.showOutcomes(shown);
    announce({});
}

void Form1::showThreats(bool shown)
{
    menu.threats->setChecked(shown);
    advisor.showThreats(shown);
    announce({});
}

void Form1::markLastMove(bool marked)
{
    menu.lastMove->setChecked(marked);
    discMarks.markLastMove(marked);
}

void Form1::markMistakes(bool marked)
{
    menu.mistakes->setChecked(marked);
    advisor.showMistakes(marked);
}

// One list, made when first asked for; parentless, so that it stays usable
// once the finished board is disabled, but kept in front of the board, and,
// being the board's transient, left out when closing the board ends the run.
void Form1::showKeys()
{
    if (!keysWindow) {
        keysWindow = std::make_unique<KeysWindow>(actions());
        keysWindow->winId();
        winId();
        keysWindow->windowHandle()->setTransientParent(windowHandle());
    }
    keysWindow->show();
    runtime::bringToFront(keysWindow.get());
}

// Screen readers read the board from the controls' names, which follow the game.
void Form1::describeColumn(int c)
{
    lblcover[c][0]->setAccessibleName(Speech::column(c, height[c]));
    for (int r = 0; r < rows; ++r)
        Shp[c][r]->setAccessibleName(Speech::cell(c, r, board[c][r]));
}

// What just happened, for screen readers: the board's description says it
// after what the keys do, and then what the board shows from now on.
void Form1::announce(const QString& happened)
{
    news = happened;
    describeBoard();
}

void Form1::describeBoard()
{
    setAccessibleDescription(
        Speech::boardDescription(news, !isOver() && state.isComputersTurn(), advisor.shownInWords()));
}

void Form1::win()
{
    scanLines(board, winner);
    if (isBoardFull(height))
        winner[3] = true;

    if (winner[1])
        endWithWinner(name1, lblplayer2);
    else if (winner[2])
        endWithWinner(name2, lblplayer1);
    else if (winner[3])
        endWithTie();
}

void Form1::endWithWinner(const QString& name, QWidget* loserTurnLabel)
{
    setEnabled(false);
    gameover->setWinner(name);
    showGameover();
    loserTurnLabel->hide();
    markLines();
}

// After a tie the turn labels stay as they are.
void Form1::endWithTie()
{
    setEnabled(false);
    gameover->setTie();
    showGameover();
}

// The finished game can still be copied, and the keys looked up, from the
// dialog, which has the keyboard once the board is disabled.
void Form1::showGameover()
{
    runtime::keepInFrontOf(&*gameover, this);
    gameover->addActions({ menu.copy, menu.help });
    gameover->show();
}

// Every winning line's discs get a ring in the board's colour, so that
// nobody has to look for them.
void Form1::markLines()
{
    const Marks marks = cellsInLines(board);
    for (int c = 1; c <= columns; ++c)
        for (int r = 0; r < rows; ++r)
            if (marks[c][r])
                Shp[c][r]->setRing(yellow);
}

void Form1::showTurnOf(int player)
{
    lblplayer1->setVisible(player == 1);
    lblplayer2->setVisible(player != 1);
}

// Whoever is to move now: the actions follow, the outcomes shown, and the
// computer.
void Form1::turnPassed()
{
    menu.undo->setEnabled(!isOver() && firstToTakeBack() >= 0);
    menu.redo->setEnabled(state.isPersonToMove() && record.canReplay());
    menu.copy->setEnabled(!record.played().isEmpty());
    menu.hint->setEnabled(state.isPersonToMove());
    // A finished board shows neither; copying it and the help still act.
    menu.outcomes->setEnabled(!isOver());
    menu.threats->setEnabled(!isOver());
    advisor.boardChanged();
    discMarks.boardChanged();
    emit turnChanged(turn);
}

// A full column's click areas go away, so that its holes take no clicks.
void Form1::showColumnOpen(int c)
{
    for (runtime::ClickArea* area : lblcover[c])
        area->setVisible(!state.isColumnFull(c));
}

qsizetype Form1::firstToTakeBack() const
{
    return record.firstToTakeBack(turn, bluePlayer == Blue::computer);
}
