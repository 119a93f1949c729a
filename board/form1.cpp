// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "board/layout.h"
#include "board/movestring.h"
#include "board/speech.h"
#include "runtime/assistive.h"
#include "runtime/clickarea.h"
#include "runtime/infront.h"
#include "runtime/label.h"
#include "runtime/look.h"
#include "runtime/services.h"
#include "runtime/shape.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>

using namespace game;

namespace {

// The column a key names: 1 to 7 on the main row or the keypad, else 0.
// With Ctrl, Alt or Meta it is some other command, not a move.
int columnOfKey(const QKeyEvent& event)
{
    constexpr Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event.modifiers() & commands)
        return 0;
    const int c = event.key() - Qt::Key_1 + 1;
    return c >= 1 && c <= columns ? c : 0;
}

// The platform's keys for Redo, and both that Linux desktops use.
QList<QKeySequence> redoKeys()
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence& key : { QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) })
        if (!keys.contains(key))
            keys << key;
    return keys;
}

int opponentOf(int player)
{
    return player == 1 ? 2 : 1;
}

} // namespace

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
    createControls();
    createActions();
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
            area->setTakesPlayerInputWhen([this] { return !isComputersTurn(); });
            // One button per column for screen readers: the bottom area speaks for its column.
            if (r > 0)
                runtime::hideFromAssistiveTechnology(area);
            lblcover[c][r] = area;
        }
    }
    for (int c = 1; c <= columns; ++c)
        describeColumn(c);
}

// What the keys and the context menu do beyond dropping discs: the moves,
// then what the board can show.
void Form1::createActions()
{
    const auto action = [this](const QString& text, const QList<QKeySequence>& keys, auto slot) {
        auto* added = new QAction(text, this);
        added->setShortcuts(keys);
        connect(added, &QAction::triggered, this, slot);
        addAction(added);
        return added;
    };
    undoAction = action(tr("Undo"), { QKeySequence::Undo, QKeySequence(Qt::Key_Backspace) }, &Form1::undo);
    redoAction = action(tr("Redo"), redoKeys(), &Form1::redo);
    copyAction = action(tr("Copy Moves"), QKeySequence::keyBindings(QKeySequence::Copy), &Form1::copyMoves);
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    addAction(separator);
    hintAction = action(tr("Hint"), { Qt::Key_H }, &Form1::hint);
    outcomesAction = action(tr("Show Outcomes"), { Qt::Key_A }, &Form1::showOutcomes);
    threatsAction = action(tr("Show Threats"), { Qt::Key_T }, &Form1::showThreats);
    for (QAction* view : { outcomesAction, threatsAction })
        view->setCheckable(true);
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
    announce({});
    turnPassed();
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
    if (isColumnFull(c) || isOver())
        return;
    takenBack.clear();
    play(c);
}

void Form1::play(int c)
{
    const int h = height[c];
    hintThinker.stop();
    hintMarker.clear();
    const quint8 mover = turn;
    Shp[c][h]->setFill(mover == 1 ? red : blue);
    turn = mover == 1 ? 2 : 1;
    board[c][h] = mover;
    height[c] = static_cast<qint16>(h + 1);
    record.append(c);
    describeColumn(c);
    showTurnOf(turn);
    showColumnOpen(c);
    win();
    announce(Speech::moved(mover == 1 ? name1 : name2, c));
    turnPassed();
}

// A key held down takes back or replays one move after another, but copies,
// hints, or shows and hides what the board shows, once: its repeats,
// however the system sends them, are taken here, before they reach their
// action, and go on to keyPressEvent, which has no use for them.
bool Form1::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && isRepeatOfOneShotKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

bool Form1::isRepeatOfOneShotKey(QKeyEvent& event)
{
    const QKeySequence key(event.keyCombination());
    for (const QAction* once : { copyAction, hintAction, outcomesAction, threatsAction })
        if (once->shortcuts().contains(key))
            return !heldKeys.pressStartsHold(event);
    return false;
}

// A key takes the road of a mouse click: the column's click area is clicked,
// so its clicked signal reaches drop and then win, as for the mouse. Held
// down, a key drops one disc, not a stream of them.
void Form1::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        QContextMenuEvent menuRequest(QContextMenuEvent::Keyboard, rect().center(), mapToGlobal(rect().center()));
        contextMenuEvent(&menuRequest);
        return;
    }
    const int c = columnOfKey(*event);
    if (c == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (heldKeys.pressStartsHold(*event) && !isColumnFull(c) && lblcover[c][0]->takesPlayerInput())
        lblcover[c][0]->click();
}

void Form1::keyReleaseEvent(QKeyEvent* event)
{
    heldKeys.release(*event);
    QWidget::keyReleaseEvent(event);
}

void Form1::focusOutEvent(QFocusEvent* event)
{
    heldKeys.releaseAll();
    QWidget::focusOutEvent(event);
}

void Form1::clickColumn(int c)
{
    lblcover[c][0]->click();
}

// The right button, the Menu key or Shift+F10; a finished board, being
// disabled, gets none of them.
void Form1::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addActions(actions());
    const QPoint where = event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                                     : mapToGlobal(rect().center());
    menu.exec(where);
}

void Form1::undo()
{
    const qsizetype from = lastMoveToTakeBack();
    if (isOver() || from < 0)
        return;
    hintThinker.stop();
    hintMarker.clear();
    const qsizetype count = record.size() - from;
    while (record.size() > from)
        takeBackLastMove();
    announce(Speech::takenBack(static_cast<int>(count)));
    turnPassed();
}

void Form1::redo()
{
    if (takenBack.isEmpty() || !isPersonToMove())
        return;
    int count = 0;
    do {
        play(takenBack.takeLast());
        ++count;
    } while (isComputersTurn() && !takenBack.isEmpty() && !isOver());
    announce(Speech::replayed(count));
}

void Form1::copyMoves()
{
    runtime::copyText(game::moveString(record));
    announce(Speech::movesCopied());
}

// The drop in reverse: the hole empties, the column reopens if it was full,
// and the turn goes back to the player who made the move.
void Form1::takeBackLastMove()
{
    const int c = record.takeLast();
    takenBack.append(c);
    const int h = height[c] - 1;
    turn = static_cast<quint8>(board[c][h]);
    board[c][h] = 0;
    height[c] = static_cast<qint16>(h);
    Shp[c][h]->setFill(emptyHole);
    showColumnOpen(c);
    describeColumn(c);
    showTurnOf(turn);
}

void Form1::hint()
{
    if (!isPersonToMove())
        return;
    hintMarker.waitForHint();
    seekHint();
}

// While the outcomes are shown, the hint is the column they show best, so
// that the board never gives two answers to one question; otherwise the
// hint's own thinker looks for it.
void Form1::seekHint()
{
    const auto markHint = [this](int c) {
        hintMarker.mark(*Shp[c][height[c]], turn == 1 ? red : blue);
        announce(Speech::hint(c));
    };
    if (outcomes.isOn()) {
        hintThinker.stop();
        outcomes.whenBestKnown(markHint);
    } else {
        hintThinker.think(record, engine::Level::hard, markHint);
    }
}

// A hint still waiting for the outcomes goes on waiting for them, or for
// the hint's own thinker once they are gone.
void Form1::showOutcomes(bool shown)
{
    const bool hintWaits = outcomes.isAwaitingBest();
    outcomesAction->setChecked(shown);
    outcomes.setOn(shown);
    if (hintWaits)
        seekHint();
    announce({});
}

void Form1::showThreats(bool shown)
{
    threatsAction->setChecked(shown);
    threats.setOn(shown);
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
void Form1::announce(const QString& news)
{
    setAccessibleDescription(
        Speech::boardDescription(news, !isOver() && isComputersTurn(), outcomes.isOn() && isPersonToMove()));
}

void Form1::win()
{
    scanLines(board, winner);
    bool full = true;
    for (int c = 1; c <= columns; ++c)
        full = full && isColumnFull(c);
    if (full)
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

void Form1::showGameover()
{
    runtime::keepInFrontOf(&*gameover, this);
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
    undoAction->setEnabled(!isOver() && lastMoveToTakeBack() >= 0);
    redoAction->setEnabled(isPersonToMove() && !takenBack.isEmpty());
    copyAction->setEnabled(!record.isEmpty());
    hintAction->setEnabled(isPersonToMove());
    outcomes.follow(record, height, isPersonToMove());
    threats.follow(board, !isOver());
    emit turnChanged(turn);
}

// A full column's click areas go away, so that its holes take no clicks.
void Form1::showColumnOpen(int c)
{
    for (runtime::ClickArea* area : lblcover[c])
        area->setVisible(!isColumnFull(c));
}

// Who made move i of the record: players alternate, and the last move was
// made by the player not to move now.
int Form1::moverOf(qsizetype move) const
{
    const bool sameAsLast = (record.size() - 1 - move) % 2 == 0;
    return sameAsLast ? opponentOf(turn) : turn;
}

// The first move of the record that undo takes back: the last one, or
// against the computer the person's last, with the computer's reply.
qsizetype Form1::lastMoveToTakeBack() const
{
    qsizetype move = record.size() - 1;
    if (bluePlayer == Blue::computer)
        while (move >= 0 && moverOf(move) == 2)
            --move;
    return move;
}

bool Form1::isComputersTurn() const
{
    return bluePlayer == Blue::computer && turn == 2;
}

// Hints and outcomes are for a person with a move to make.
bool Form1::isPersonToMove() const
{
    return !isOver() && !isComputersTurn();
}
