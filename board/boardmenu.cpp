// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardmenu.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

namespace {

// The texts keep the board window's translation context ("Form1").
class MenuText {
    Q_DECLARE_TR_FUNCTIONS(Form1)

public:
    static QString undo() { return tr("Undo"); }
    static QString redo() { return tr("Redo"); }
    static QString copyMoves() { return tr("Copy Moves"); }
    static QString hint() { return tr("Hint"); }
    static QString showOutcomes() { return tr("Show Outcomes"); }
    static QString showThreats() { return tr("Show Threats"); }
    static QString markLastMove() { return tr("Mark Last Move"); }
    static QString markMistakes() { return tr("Mark Mistakes"); }
    static QString keysAndViews() { return tr("Keys and Views"); }

    // What each does, as the help lists it.
    static QString undoDoes() { return tr("Take back the last move; against the computer, with its reply."); }
    static QString redoDoes() { return tr("Play again the last move taken back."); }
    static QString copyMovesDoes()
    {
        return tr("Copy the moves to the clipboard as digits, to start from them again with --moves.");
    }
    static QString hintDoes() { return tr("Ring the hole where the best move for the player to move lands."); }
    static QString showOutcomesDoes() { return tr("Show or hide what each column leads to under perfect play."); }
    static QString showThreatsDoes() { return tr("Show or hide the holes where a disc would complete four."); }
    static QString markLastMoveDoes() { return tr("Mark the last disc played, or stop marking it."); }
    static QString markMistakesDoes()
    {
        return tr("Mark every move that gave up a win or a draw, or stop marking them.");
    }
    static QString keysAndViewsDoes() { return tr("Show this list of keys and marks."); }
};

// The platform's keys for Redo, and both that Linux desktops use.
QList<QKeySequence> redoKeys()
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence& key : { QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) })
        if (!keys.contains(key))
            keys << key;
    return keys;
}

enum class Checkable { no, yes };

QAction* addAction(QWidget& board, const QString& text, const QList<QKeySequence>& keys, const QString& does,
                   Checkable checkable = Checkable::no)
{
    auto* action = new QAction(text, &board);
    action->setShortcuts(keys);
    action->setCheckable(checkable == Checkable::yes);
    action->setWhatsThis(does);
    board.addAction(action);
    return action;
}

bool isShiftF10(const QKeyEvent& event)
{
    return event.key() == Qt::Key_F10 && event.modifiers() == Qt::ShiftModifier;
}

} // namespace

BoardMenu::BoardMenu(QWidget& board)
    : QObject(&board)
    , undo(addAction(board, MenuText::undo(), { QKeySequence::Undo, QKeySequence(Qt::Key_Backspace) },
                     MenuText::undoDoes()))
    , redo(addAction(board, MenuText::redo(), redoKeys(), MenuText::redoDoes()))
    , copy(addAction(board, MenuText::copyMoves(), QKeySequence::keyBindings(QKeySequence::Copy),
                     MenuText::copyMovesDoes()))
    , hint(addAction(board, MenuText::hint(), { Qt::Key_H }, MenuText::hintDoes()))
    , outcomes(addAction(board, MenuText::showOutcomes(), { Qt::Key_A }, MenuText::showOutcomesDoes(),
                         Checkable::yes))
    , threats(addAction(board, MenuText::showThreats(), { Qt::Key_T }, MenuText::showThreatsDoes(),
                        Checkable::yes))
    , lastMove(addAction(board, MenuText::markLastMove(), { Qt::Key_L }, MenuText::markLastMoveDoes(),
                         Checkable::yes))
    , mistakes(addAction(board, MenuText::markMistakes(), { Qt::Key_M }, MenuText::markMistakesDoes(),
                         Checkable::yes))
    , help(addAction(board, MenuText::keysAndViews(), QKeySequence::keyBindings(QKeySequence::HelpContents),
                     MenuText::keysAndViewsDoes()))
    , m_board(board)
{
    lastMove->setChecked(true);
    board.installEventFilter(this);
}

// The menu opens where the mouse is, or for a key in the middle of the
// board; a held key's repeats are taken before they reach their action.
bool BoardMenu::eventFilter(QObject* watched, QEvent* event)
{
    m_heldKeys.follow(*event);
    switch (event->type()) {
    case QEvent::ContextMenu: {
        const auto* request = static_cast<QContextMenuEvent*>(event);
        popUp(request->reason() == QContextMenuEvent::Mouse ? request->globalPos()
                                                            : m_board.mapToGlobal(m_board.rect().center()));
        return true;
    }
    case QEvent::KeyPress:
        if (!isShiftF10(*static_cast<QKeyEvent*>(event)))
            break;
        popUp(m_board.mapToGlobal(m_board.rect().center()));
        return true;
    case QEvent::ShortcutOverride:
        if (!isRepeatOfOneShotKey(*static_cast<QKeyEvent*>(event)))
            break;
        event->accept();
        return true;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void BoardMenu::popUp(const QPoint& where)
{
    QMenu menu(&m_board);
    menu.addActions({ undo, redo, copy });
    menu.addSeparator();
    menu.addActions({ hint, outcomes, threats, lastMove, mistakes });
    menu.addSeparator();
    menu.addAction(help);
    menu.exec(where);
}

bool BoardMenu::isRepeatOfOneShotKey(QKeyEvent& event)
{
    const QKeySequence key(event.keyCombination());
    for (const QAction* once : { copy, hint, outcomes, threats, lastMove, mistakes, help })
        if (once->shortcuts().contains(key))
            return !m_heldKeys.pressStartsHold(event);
    return false;
}
