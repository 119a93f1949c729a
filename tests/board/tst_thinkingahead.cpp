// SPDX-License-Identifier: GPL-3.0-or-later
// Thinking ahead as the board does it: only in a game that has shown a
// position's scores, only while a person is to move, done and then idle,
// and never the cause of an answer shown for a position gone by.
#include "board/outcome.h"
#include "board/speech.h"
#include "engine/search.h"
#include "runtime/shape.h"
#include "support/game.h"
#include "support/threads.h"
#include "thinker/thinker.h"

#include <QAction>
#include <QTest>

#include <map>
#include <random>

namespace {

// Nineteen discs, red to move: every answer around it takes the engine a
// moment, none of them the book's.
const QList<int> Study{ 2, 6, 5, 2, 3, 7, 5, 5, 3, 6, 2, 1, 7, 1, 1, 3, 3, 5, 7 };

// A sanitizer's or a busy machine's slow search.
constexpr int LongWaitMs = 120000;

engine::Position positionAfter(const QList<int>& moves)
{
    std::string digits;
    for (int c : moves)
        digits += char('0' + c);
    return engine::Position(digits);
}

// Each column's score after these moves, [column], by a search from
// nothing: kept, since the storm comes back to the same positions.
const score::ColumnScores& coldScores(const QList<int>& moves)
{
    static std::map<QList<int>, score::ColumnScores> known;
    if (!known.contains(moves)) {
        engine::TranspositionTable table(4);
        engine::Search search(table);
        const auto scores = *search.moveScores(positionAfter(moves));
        std::copy(scores.begin(), scores.end(), known[moves].begin() + 1);
    }
    return known[moves];
}

// The columns after which every column's position is known at once.
int positionsKnownAfterEachColumn(const QList<int>& moves)
{
    int known = 0;
    for (int c = 1; c <= 7; ++c) {
        QList<int> next = moves;
        next << c;
        if (!positionAfter(moves).canPlay(c - 1) || Thinker::knownScores(next))
            ++known;
    }
    return known;
}

QString descriptionOf(const Game& game, int c)
{
    return game.window().findChild<QWidget*>(QStringLiteral("lblcover%1(0)").arg(c))->accessibleDescription();
}

// The column whose landing hole a hint rings; 0 for none.
int hinted(const Game& game)
{
    for (int c = 1; c <= 7; ++c)
        for (int r = 0; r < 6; ++r)
            if (game.window().findChild<runtime::Shape*>(QStringLiteral("Shp%1(%2)").arg(c).arg(r))->ring().isValid())
                return c;
    return 0;
}

} // namespace

class TestThinkingAhead : public QObject {
    Q_OBJECT

private slots:
    void noProcessorTimeWhereNoAnswerWasAsked();
    void aShownAnswerStartsIt_data();
    void aShownAnswerStartsIt();
    void theComputersTurnStopsIt();
    void aStormOfMovesNeverShowsAStaleAnswer();
};

// A game that never asks for an answer never thinks ahead.
void TestThinkingAhead::noProcessorTimeWhereNoAnswerWasAsked()
{
    Game game(1);
    game.play(Study);
    game.play({ 4, 4 });
    game.settle();
    QVERIFY(!game.window().isThinkingAhead());
    QVERIFY2(processorSecondsInASecond() < 0.01, "nothing should run in a game where no answer was asked");
}

// Once a hint or the outcomes have shown, the board thinks ahead while the
// person chooses: then every column's position is known, and the
// processors rest. It goes on doing so after the next move.
void TestThinkingAhead::aShownAnswerStartsIt_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("a hint") << int(Qt::Key_H);
    QTest::newRow("the outcomes") << int(Qt::Key_A);
}

void TestThinkingAhead::aShownAnswerStartsIt()
{
    QFETCH(const int, key);
    const qsizetype threads = threadCount();
    {
        Game game(1);
        game.play(Study);
        game.action(QKeySequence(key)).trigger();
        game.settle();
        QTRY_VERIFY_WITH_TIMEOUT(!game.window().isThinkingAhead(), LongWaitMs);
        QCOMPARE(positionsKnownAfterEachColumn(Study), 7);
        QVERIFY2(processorSecondsInASecond() < 0.01, "thinking ahead should use no processor time once done");

        QList<int> moves = Study;
        moves << 4; // red's best
        game.play({ 4 });
        game.settle();
        QTRY_VERIFY_WITH_TIMEOUT(!game.window().isThinkingAhead(), LongWaitMs);
        QCOMPARE(positionsKnownAfterEachColumn(moves), 7);
    }
    QTRY_COMPARE_WITH_TIMEOUT(threadCount(), threads, ThreadExitMs);
}

// Against the computer, the person's move stops it, and it waits for the
// person's turn to start again.
void TestThinkingAhead::theComputersTurnStopsIt()
{
    Game game(1, Study, engine::Level::hard);
    game.action(Qt::Key_H).trigger();
    game.settle();
    game.play({ 4 });
    // Its threads, at the idle priority, see the stop when the machine
    // lets them run: at once on an idle one, later on a busy one.
    QTRY_VERIFY_WITH_TIMEOUT(!game.window().isThinkingAhead(), LongWaitMs);
    while (game.window().playerToMove() == 2) {
        QVERIFY(!game.window().isThinkingAhead());
        QTest::qWait(10);
    }
    QList<int> moves = game.window().moves();
    QTRY_VERIFY_WITH_TIMEOUT(!game.window().isThinkingAhead(), LongWaitMs);
    QVERIFY(Thinker::knownScores(moves));
}

// Moves, take-backs, replays, hints and the outcomes turned off and on,
// one after the other with hardly a pause, while the engine thinks ahead:
// whatever the board shows is for the position on it.
void TestThinkingAhead::aStormOfMovesNeverShowsAStaleAnswer()
{
    const qsizetype threads = threadCount();
    {
        Game game(1);
        game.play(Study);
        game.action(Qt::Key_A).trigger();
        std::mt19937_64 random(39);
        const auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
        for (int step = 0; step < 200; ++step) {
            const QList<int> moves = game.window().moves();
            switch (pick(5)) {
            case 0:
            case 1: {
                const int c = pick(7) + 1;
                // Never a move that ends the game, nor far from the study.
                const std::optional<int> score = coldScores(moves)[c];
                const bool endsTheGame = score && *score == engine::winNowScore(static_cast<int>(moves.size()));
                if (score && !endsTheGame && moves.size() < Study.size() + 6)
                    game.play({ c });
                break;
            }
            case 2:
                game.action(Qt::CTRL | Qt::Key_Z).trigger();
                break;
            case 3:
                game.action(Qt::CTRL | Qt::Key_Y).trigger();
                break;
            default:
                game.action(pick(2) == 0 ? Qt::Key_H : Qt::Key_A).trigger();
            }
            QTest::qWait(pick(25));
            const QList<int> now = game.window().moves();
            const auto& scores = coldScores(now);
            const int discs = static_cast<int>(now.size());
            for (int c = 1; c <= 7; ++c) {
                const QString said = descriptionOf(game, c);
                if (said.isEmpty() || said == Speech::outcomeUnknown())
                    continue;
                const Outcome outcome = outcomeOf(*scores[c], discs);
                QVERIFY2(said == Speech::outcome(outcome) || said == Speech::outcome({ outcome.kind, 0 }),
                         qPrintable(QStringLiteral("step %1, column %2: %3").arg(step).arg(c).arg(said)));
            }
            if (const int c = hinted(game))
                QCOMPARE(c, Thinker::preferredColumn(now, scores));
        }
        game.settle();
    }
    QTRY_COMPARE_WITH_TIMEOUT(threadCount(), threads, ThreadExitMs);
}

QTEST_MAIN(TestThinkingAhead)
#include "tst_thinkingahead.moc"
