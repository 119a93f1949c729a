// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/engine.h"
#include "runtime/shape.h"
#include "support/game.h"
#include "thinker/thinker.h"

#include <QAction>
#include <QTest>

namespace {

// Games cut short, with the player to move and the engine's answer unknown
// to the test: it asks the engine itself.
const QList<QList<int>> positions{
    { 4, 4, 4, 4, 3, 5, 3, 3, 5, 2, 2, 6, 6, 6, 7, 1 },
    { 1, 2, 3, 4, 5, 6, 7, 7, 6, 5, 4, 3, 2, 1, 4, 4, 3 },
    { 4, 3, 4, 3, 3, 4, 5, 5, 2, 6, 6, 6, 5, 2, 2, 1, 1, 7 },
};

int hardColumn(const QList<int>& moves)
{
    std::string digits;
    for (int c : moves)
        digits += char('0' + c);
    engine::Engine engine(1);
    engine::Random random;
    const std::atomic<bool> stop = false;
    return *engine.chooseMove(engine::Position(digits), engine::Level::hard, random, stop) + 1;
}

// Rings around a hole: the hint's, or none; inside the holes, none until
// the game is won.
int ringedHoles(const Game& game)
{
    const auto holes = game.window().findChildren<runtime::Shape*>();
    return int(std::count_if(holes.cbegin(), holes.cend(),
                             [](const runtime::Shape* shape) { return shape->ring().isValid(); }))
           + (game.hintedHole().isNull() ? 0 : 1);
}

} // namespace

// Hints: the engine's best column for the player to move, marked on the board.
class TestHint : public QObject {
    Q_OBJECT

private slots:
    void aHintMarksTheEnginesColumnAndChangesNothingElse();
    void aHintGoesWithTheNextMoveOrAfterAWhile();
    void againstTheComputerHintsAreForThePersonOnly();
    void aHintWaitingForTheEngineStopsAtOnce();
};

void TestHint::aHintMarksTheEnginesColumnAndChangesNothingElse()
{
    for (const QList<int>& moves : positions) {
        Game game(1);
        game.play(moves);
        const QString discs = game.discs();
        const int expected = hardColumn(moves);
        int row = 0;
        while (game.discColor(expected, row) != Qt::black)
            ++row;
        QVERIFY(QTest::qWaitForWindowActive(&game.window()));
        QTest::keyClick(&game.window(), Qt::Key_H);
        QTRY_COMPARE(game.hintedHole(), QPoint(expected, row));
        QCOMPARE(ringedHoles(game), 1);
        const int mover = game.window().playerToMove();
        QCOMPARE(game.hintColour(), QColor(mover == 1 ? Qt::red : Qt::blue));
        QVERIFY(game.window().accessibleDescription().endsWith(QStringLiteral("Hint: column %1").arg(expected)));
        QCOMPARE(game.discs(), discs);
        QCOMPARE(game.window().moves(), moves);
        QCOMPARE(game.window().playerToMove(), mover);
    }
}

void TestHint::aHintGoesWithTheNextMoveOrAfterAWhile()
{
    ScriptedDelays delays(ScriptedDelays::Mode::held);
    const runtime::StandIn delaysStandIn(&delays);
    Game game(1);
    game.play(positions[0]);
    game.window().hint();
    QCOMPARE(game.window().cursor().shape(), Qt::BusyCursor); // the answer comes through the event loop
    QTRY_COMPARE(ringedHoles(game), 1);
    QCOMPARE(game.window().cursor().shape(), Qt::ArrowCursor);
    delays.release(); // the while is over
    QCOMPARE(ringedHoles(game), 0);

    game.window().hint();
    QTRY_COMPARE(ringedHoles(game), 1);
    game.play({ 1 });
    QCOMPARE(ringedHoles(game), 0);
    game.window().hint();
    QTRY_COMPARE(ringedHoles(game), 1);
    game.window().undo();
    QCOMPARE(ringedHoles(game), 0);
    // A hint asked for and then overtaken by a move never shows.
    game.window().hint();
    game.play({ 7 });
    game.settle();
    QCOMPARE(ringedHoles(game), 0);
}

void TestHint::againstTheComputerHintsAreForThePersonOnly()
{
    ScriptedDelays delays(ScriptedDelays::Mode::held);
    const runtime::StandIn delaysStandIn(&delays);
    Game game(2, "Ann", engine::Level::easy);
    QVERIFY(!game.action(Qt::Key_H).isEnabled());
    game.window().hint();
    QTRY_VERIFY(delays.heldCount() > 0);
    game.settle();
    QCOMPARE(ringedHoles(game), 0);
    delays.release();
    QTRY_COMPARE(game.window().moves().size(), 1);
    QVERIFY(game.action(Qt::Key_H).isEnabled());
}

// Hints and outcomes ask one engine in turn. A hint asked while the outcomes
// are still being worked out must stop at once all the same: the board waits
// for it to stop before it drops the next disc.
void TestHint::aHintWaitingForTheEngineStopsAtOnce()
{
    const QList<int> moves{ 1, 6, 7, 1, 3, 6, 6, 6, 5, 5 }; // past the book, seconds for all seven columns
    Thinker outcomes;
    bool working = false;
    outcomes.scoreColumns(moves, [&working](int, score::Bounds) { working = true; });
    QTRY_VERIFY_WITH_TIMEOUT(working, 60000); // a sanitizer's build searches ten times slower
    Thinker hint;
    hint.think(moves, engine::Level::hard, [](int) {});
    hint.stop();
    QVERIFY(!outcomes.isIdle());
}

QTEST_MAIN(TestHint)
#include "tst_hint.moc"
