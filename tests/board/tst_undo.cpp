// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/clickarea.h"
#include "runtime/shape.h"
#include "support/game.h"

#include <QAction>
#include <QApplication>
#include <QRandomGenerator>
#include <QTest>

namespace {

// Everything a player or a screen reader can tell of a board: the discs and
// their rings, which columns are open and what their buttons say, what
// each hole says, the turn labels, the record and what the actions offer.
QString observed(const Game& game)
{
    const Form1& board = game.window();
    QStringList seen{ game.discs(), QString::number(game.visibleTurnLabel()), game.turnText(1), game.turnText(2) };
    for (int c = 1; c <= 7; ++c) {
        seen << (game.isColumnOpen(c) ? "open" : "closed")
             << board.findChild<QWidget*>(QStringLiteral("lblcover%1(0)").arg(c))->accessibleName();
        for (int r = 0; r < 6; ++r) {
            const auto* disc = board.findChild<runtime::Shape*>(QStringLiteral("Shp%1(%2)").arg(c).arg(r));
            seen << disc->accessibleName() << disc->ring().name();
        }
    }
    // Redo, which a take-back makes possible, is the one thing it adds.
    for (QAction* action : board.actions())
        if (action != &game.action(QKeySequence::Redo))
            seen << action->text() + (action->isEnabled() ? " on" : " off");
    for (int c : board.moves())
        seen << QString::number(c);
    seen << QString::number(board.playerToMove()) << (board.isOver() ? "over" : "playing");
    return seen.join(u'|');
}

int randomOpenColumn(const Game& game, QRandomGenerator& random)
{
    int c = 0;
    do
        c = random.bounded(1, 8);
    while (!game.isColumnOpen(c));
    return c;
}

} // namespace

// Taking moves back.
class TestUndo : public QObject {
    Q_OBJECT

private slots:
    void takingBackReturnsToTheShorterGame();
    void keysTakeBackTheLastMove_data();
    void keysTakeBackTheLastMove();
    void nothingToTakeBack();
    void againstTheComputerTheReplyGoesToo();
};

// After any prefix of a random game, taking back k moves leaves exactly what
// the prefix k moves shorter showed; playing on from there is the same as
// playing those moves on a fresh board.
void TestUndo::takingBackReturnsToTheShorterGame()
{
    QRandomGenerator random(12);
    for (int checked = 0, round = 0; checked < 60; ++round) {
        // A game of random moves to a random length, started again should a move end it.
        Game game(1 + round % 2);
        QStringList shown{ observed(game) };
        QList<int> played;
        const int length = random.bounded(1, 30);
        while (played.size() < length && !game.window().isOver()) {
            const int c = randomOpenColumn(game, random);
            game.play({ c });
            played << c;
            shown << observed(game);
        }
        if (game.window().isOver())
            continue;
        ++checked;
        const int back = random.bounded(1, int(played.size()) + 1);
        for (int k = 1; k <= back; ++k) {
            game.window().undo();
            QCOMPARE(observed(game), shown[played.size() - k]);
        }
        played.resize(played.size() - back);
        Game fresh(1 + round % 2);
        fresh.play(played);
        for (int move = 0; move < 8 && !game.window().isOver(); ++move) {
            const int c = randomOpenColumn(game, random);
            game.play({ c });
            fresh.play({ c });
            QCOMPARE(observed(game), observed(fresh));
        }
        QCOMPARE(game.outcomeText(), fresh.outcomeText());
    }
}

void TestUndo::keysTakeBackTheLastMove_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << int(Qt::ControlModifier);
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << int(Qt::NoModifier);
}

void TestUndo::keysTakeBackTheLastMove()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    Game game(2);
    game.play({ 4, 4, 4, 4, 4, 4 });
    QVERIFY(!game.isColumnOpen(4));
    QVERIFY(QTest::qWaitForWindowActive(&game.window()));
    QTest::keyClick(&game.window(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(game.isColumnOpen(4));
    QCOMPARE(game.discColor(4, 5), QColor(Qt::black));
    QCOMPARE(game.discColor(4, 4), QColor(Qt::blue));
    QCOMPARE(game.visibleTurnLabel(), 1);
    QVERIFY(game.window().accessibleDescription().endsWith("1 move taken back."));
}

void TestUndo::nothingToTakeBack()
{
    Game game(1);
    const QString start = observed(game);
    game.window().undo();
    QCOMPARE(observed(game), start);

    game.play({ 1, 2, 1, 2, 1, 2, 1 });
    const QString over = observed(game);
    game.window().undo();
    QTest::keyClick(game.window().windowHandle(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(observed(game), over);
}

// The computer's reply is taken back with the person's move; while it is
// still thinking, or pausing, only the person's move is there to take back.
void TestUndo::againstTheComputerTheReplyGoesToo()
{
    ScriptedDelays delays(ScriptedDelays::Mode::held);
    const runtime::StandIn delaysStandIn(&delays);
    Game game(1, "Ann", engine::Level::medium);
    game.play({ 4 });
    QTRY_VERIFY(delays.heldCount() > 0);
    game.window().undo();
    QCOMPARE(game.window().moves(), QList<int>());
    QCOMPARE(game.window().playerToMove(), 1);
    delays.release();
    game.settle();
    QCOMPARE(game.window().moves(), QList<int>());

    game.play({ 3 });
    QTRY_VERIFY(delays.heldCount() > 0);
    delays.release();
    QTRY_COMPARE(game.window().moves().size(), 2);
    game.window().undo();
    QCOMPARE(game.window().moves(), QList<int>());
    QCOMPARE(game.visibleTurnLabel(), 1);
}

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
