// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/levels.h"
#include "engine/search.h"
#include "oracle.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <atomic>
#include <random>
#include <thread>

using engine::Position;

namespace {

// Random positions with `low` to `high` empty cells where the game is on.
std::vector<oracle::Board> sample(std::uint64_t seed, int count, int low, int high)
{
    std::mt19937_64 random(seed);
    std::vector<oracle::Board> boards;
    while (static_cast<int>(boards.size()) < count)
        boards.push_back(oracle::randomBoard(random, std::uniform_int_distribution<int>(low, high)(random)));
    return boards;
}

QByteArray describe(const oracle::Board& b)
{
    return QByteArray("moves \"") + b.moves.c_str() + '"';
}

// Every column's score by minimax, -100 for a full one.
std::array<int, oracle::Columns> minimaxScores(oracle::Board& b)
{
    std::array<int, oracle::Columns> scores;
    for (int c = 0; c < oracle::Columns; ++c)
        scores[c] = b.canPlay(c) ? oracle::moveScore(b, c) : -100;
    return scores;
}

} // namespace

// The exact search against the slow, obvious ways to value a position:
// minimax over an array near the end of the game, plain alpha-beta a little
// earlier. Every speed-up of the search (the table, its mirror images, the
// move order, the pruning) has to keep these.
class TestSearch : public QObject {
    Q_OBJECT

private slots:
    void scoresAndChoicesAgreeWithMinimax();
    void scoresAgreeWithPlainAlphaBeta();
    void aTinyTableGivesTheSameScores();
    void tactics_data();
    void tactics();
    void aStopSetBeforehandStopsAtOnce();
    void aStopFromAnotherThreadEndsTheSearch();
};

// The position's score, each column's score and perfect play's column:
// the best score, and among the columns that have it, the one nearest the
// centre, the left one first, on whichever of the board and its mirror
// image has the smaller key.
void TestSearch::scoresAndChoicesAgreeWithMinimax()
{
    engine::TranspositionTable table(16);
    engine::Search search(table);
    for (oracle::Board& b : sample(10, 1500, 3, 9)) {
        const Position p(b.moves);
        const std::array<int, oracle::Columns> expected = minimaxScores(b);
        const int best = *std::max_element(expected.begin(), expected.end());
        QVERIFY2(search.solve(p) == best, describe(b));

        const auto scores = search.moveScores(p);
        QVERIFY(scores);
        for (int c = 0; c < oracle::Columns; ++c) {
            QCOMPARE((*scores)[c].has_value(), b.canPlay(c));
            if (b.canPlay(c))
                QVERIFY2(*(*scores)[c] == expected[c], describe(b) + " column " + QByteArray::number(c));
        }

        const std::optional<engine::Choice> choice = search.bestChoice(p);
        QVERIFY(choice);
        QVERIFY2(choice->score == best, describe(b));
        const bool flip = p.mirrorKey() < p.key();
        int preferred = -1;
        for (const int c : engine::CentreFirst) {
            const int seen = flip ? oracle::Columns - 1 - c : c;
            if (expected[seen] == best) {
                preferred = seen;
                break;
            }
        }
        QVERIFY2(choice->column == preferred, describe(b));
        QVERIFY2(engine::preferredChoice(p, *scores) == preferred, describe(b));
    }
}

void TestSearch::scoresAgreeWithPlainAlphaBeta()
{
    engine::TranspositionTable table(16);
    engine::Search search(table);
    for (oracle::Board& b : sample(12, 150, 11, 16))
        QVERIFY2(search.solve(Position(b.moves)) == oracle::alphaBeta(b), describe(b));
}

// A table far too small keeps overwriting its words: scores must not change.
void TestSearch::aTinyTableGivesTheSameScores()
{
    engine::TranspositionTable big(64), tiny(1);
    engine::Search roomy(big), cramped(tiny);
    for (const oracle::Board& b : sample(13, 40, 18, 24)) {
        const Position p(b.moves);
        QVERIFY2(roomy.solve(p) == cramped.solve(p), describe(b));
    }
}

void TestSearch::tactics_data()
{
    QTest::addColumn<QString>("moves");
    QTest::addColumn<QString>("columns"); // perfect play's column is one of these, 1 to 7
    QTest::addColumn<int>("score");       // its score, when this is not 99
    // Three side by side along the bottom with both ends open: the side to move
    // wins at once, with its fourth disc.
    QTest::newRow("win in one") << "445566" << "37" << 18;
    // The opponent has three along the bottom, one end free: block it.
    QTest::newRow("forced block") << "21334" << "5" << 99;
    QTest::newRow("vertical block") << "121212" << "1" << 99;
    // The opponent's three with both ends open: every move loses to its
    // fourth disc.
    QTest::newRow("double threat") << "33445" << "1234567" << -18;
    // The opponent has three in the second row with both ends over empty
    // holes: dropping into either hole hands it the win.
    QTest::newRow("hole above") << "322447377" << "23467" << 99;
}

void TestSearch::tactics()
{
    QFETCH(QString, moves);
    QFETCH(QString, columns);
    QFETCH(int, score);
    engine::TranspositionTable table(16);
    engine::Search search(table);
    const Position p(moves.toStdString());
    const std::optional<engine::Choice> choice = search.bestChoice(p);
    QVERIFY(choice);
    QVERIFY2(columns.contains(QChar('1' + choice->column)), qPrintable(QString::number(choice->column + 1)));
    if (score != 99)
        QCOMPARE(choice->score, score);
    QCOMPARE(search.solve(p), std::optional<int>(choice->score));
}

void TestSearch::aStopSetBeforehandStopsAtOnce()
{
    engine::TranspositionTable table(1);
    const std::atomic<bool> stop{ true };
    engine::Search search(table, &stop);
    const Position opening("4");
    QVERIFY(!search.solve(opening).has_value());
    QVERIFY(!search.scoresAbove(opening, 0).has_value());
    QVERIFY(!search.moveScores(opening).has_value());
    QVERIFY(!search.bestChoice(opening).has_value());
    QCOMPARE(search.nodes(), std::uint64_t{0});
}

// A search of the whole game from the second move takes minutes: stopped
// from another thread it ends with no score, and what it stored before
// stopping leaves later scores right.
void TestSearch::aStopFromAnotherThreadEndsTheSearch()
{
    engine::TranspositionTable table(1);
    std::atomic<bool> stop{ false };
    engine::Search search(table, &stop);
    std::thread stopper([&stop] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        stop = true;
    });
    const std::optional<int> score = search.solve(Position("4"));
    stopper.join();
    QVERIFY(!score.has_value());
    QVERIFY(search.nodes() > 0);

    stop = false;
    for (oracle::Board& b : sample(14, 200, 3, 10))
        QVERIFY2(search.solve(Position(b.moves)) == oracle::minimax(b), describe(b));
}

QTEST_APPLESS_MAIN(TestSearch)
#include "tst_search.moc"
