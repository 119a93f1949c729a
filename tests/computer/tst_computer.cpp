// SPDX-License-Identifier: GPL-3.0-or-later
#include "computer/computerplayer.h"
#include "runtime/clickarea.h"
#include "support/game.h"

#include <QAccessible>
#include <QAction>
#include <QDeadlineTimer>
#include <QTest>
#include <QThread>

namespace {

// The person's move: the leftmost open column, clicked in its top hole.
void personMoves(Game& game)
{
    int c = 1;
    while (!game.isColumnOpen(c))
        ++c;
    game.play({ c });
}

} // namespace

// Playing against the computer through the real board window.
class TestComputer : public QObject {
    Q_OBJECT

private slots:
    void aWholeGame_data();
    void aWholeGame();
    void onlyPlayer1IsAskedForAName();
    void theBoardIgnoresThePersonWhileTheComputerIsToMove();
    void undoOnTheComputersTurnTakesBackThePersonsMove_data();
    void undoOnTheComputersTurnTakesBackThePersonsMove();
};

void TestComputer::aWholeGame_data()
{
    QTest::addColumn<engine::Level>("level");
    QTest::addColumn<int>("firstPlayer");
    for (const auto& [name, level] : { std::pair{ "easy", engine::Level::easy }, { "medium", engine::Level::medium },
                                       { "hard", engine::Level::hard } }) {
        QTest::newRow(qPrintable(QStringLiteral("%1, Ann first").arg(name))) << level << 1;
        QTest::newRow(qPrintable(QStringLiteral("%1, the computer first").arg(name))) << level << 2;
    }
}

// Ann plays the leftmost open column; the computer answers each move by
// clicking, with no pause, until the game ends.
void TestComputer::aWholeGame()
{
    QFETCH(engine::Level, level);
    QFETCH(int, firstPlayer);
    ScriptedDelays delays;
    const runtime::StandIn delaysStandIn(&delays);
    Game game(firstPlayer, "Ann", level);
    QCOMPARE(game.turnText(2), "Computer's turn");
    while (!game.window().isOver()) {
        const qsizetype before = game.window().moves().size();
        if (game.window().playerToMove() == 1)
            personMoves(game);
        else
            QTRY_VERIFY_WITH_TIMEOUT(game.window().moves().size() == before + 1, 20000);
        QCOMPARE(game.window().moves().size(), before + 1);
    }
    // Red and blue alternate, blue the computer's, whoever started.
    const QList<int>& moves = game.window().moves();
    QList<int> heights(8, 0);
    for (qsizetype i = 0; i < moves.size(); ++i) {
        const int mover = (i % 2 == 0) == (firstPlayer == 1) ? 1 : 2;
        QCOMPARE(game.discColor(moves[i], heights[moves[i]]++), QColor(mover == 1 ? Qt::red : Qt::blue));
    }
    QVERIFY(QStringList({ "Ann Wins", "Computer Wins", "Tie" }).contains(game.outcomeText()));
    if (level == engine::Level::hard)
        QCOMPARE(game.outcomeText(), "Computer Wins");
}

void TestComputer::onlyPlayer1IsAskedForAName()
{
    QStringList log;
    ScriptedPrompt prompt({ "Ann" }, &log);
    ScriptedRandom random({ 0.25 });
    const runtime::StandIn promptStandIn(&prompt);
    const runtime::StandIn randomStandIn(&random);
    Form1 board(Form1::Blue::computer);
    board.load();
    QCOMPARE(log, QStringList({ "ask Player 1's name:|Player 1|Player1" }));
}

// While the computer is to move, neither a click, nor a key, nor a screen
// reader's press drops a disc; once its pause is over, it plays.
void TestComputer::theBoardIgnoresThePersonWhileTheComputerIsToMove()
{
    ScriptedDelays delays(ScriptedDelays::Mode::held);
    const runtime::StandIn delaysStandIn(&delays);
    Game game(2, "Ann", engine::Level::medium);
    QTRY_VERIFY(delays.heldCount() > 0);
    QVERIFY(game.window().accessibleDescription().endsWith("Computer is thinking."));
    game.clickCell(1, 0);
    QVERIFY(QTest::qWaitForWindowActive(&game.window()));
    QTest::keyClick(&game.window(), Qt::Key_2);
    auto* column3 = game.window().findChild<runtime::ClickArea*>("lblcover3(0)");
    QVERIFY(QAccessible::queryAccessibleInterface(column3)->actionInterface()->actionNames().isEmpty());
    game.settle();
    QCOMPARE(game.window().moves(), QList<int>());

    delays.release();
    QTRY_COMPARE(game.window().moves().size(), 1);
    QCOMPARE(game.visibleTurnLabel(), 1);
    QVERIFY(game.window().accessibleDescription().endsWith(
        QStringLiteral("Computer played column %1.").arg(game.window().moves().first())));
    game.clickCell(1, 0);
    QCOMPARE(game.window().moves().size(), 2);
}

void TestComputer::undoOnTheComputersTurnTakesBackThePersonsMove_data()
{
    QTest::addColumn<bool>("inThePause");
    QTest::newRow("in the pause, the column found") << true;
    QTest::newRow("before the column found has arrived") << false;
}

// Undo while the computer is to move takes back the person's disc at once,
// and the column the computer found for the position before never lands,
// whenever its answer and the end of its pause come.
void TestComputer::undoOnTheComputersTurnTakesBackThePersonsMove()
{
    QFETCH(bool, inThePause);
    ScriptedDelays delays(inThePause ? ScriptedDelays::Mode::held : ScriptedDelays::Mode::atOnce);
    const runtime::StandIn delaysStandIn(&delays);
    Game game(1, "Ann", engine::Level::hard);
    game.play({ 1 });
    if (inThePause) {
        QTRY_VERIFY(delays.heldCount() > 0);
        game.settle();
    } else {
        // The search starts, and its answer is posted but not yet delivered.
        QCoreApplication::sendPostedEvents();
        QDeadlineTimer deadline(20000);
        while (game.computer().isThinking() && !deadline.hasExpired())
            QThread::yieldCurrentThread();
        QVERIFY(!game.computer().isThinking());
    }
    QVERIFY(game.action(Qt::CTRL | Qt::Key_Z).isEnabled()); // Undo, in the menu too
    QTest::keyClick(&game.window(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(game.window().moves(), QList<int>());
    QCOMPARE(game.window().playerToMove(), 1);

    delays.release();
    game.settle();
    QCOMPARE(game.window().moves(), QList<int>());
    QCOMPARE(game.discs().count('.'), 42);
    game.play({ 7 });
    delays.release();
    QTRY_COMPARE(game.window().moves().size(), 2);
    QCOMPARE(game.window().moves().first(), 7);
}

QTEST_MAIN(TestComputer)
#include "tst_computer.moc"
