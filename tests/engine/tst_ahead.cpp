// SPDX-License-Identifier: GPL-3.0-or-later
// Thinking ahead and the answers it keeps: every answer from the cache is
// the one a search from nothing gives, hard's choice among them; the
// list is worked through and then nothing more; a stop ends it at once.
#include "engine/engine.h"
#include "engine/scorecache.h"
#include "oracle.h"
#include "support/threads.h"

#include <QTest>

#include <algorithm>
#include <array>

#include <chrono>
#include <cstdlib>
#include <random>
#include <thread>
#include <vector>

using engine::ColumnScores;
using engine::Engine;
using engine::Position;

namespace {

ColumnScores mirrored(const ColumnScores& scores)
{
    ColumnScores m;
    for (int column = 0; column < engine::Width; ++column)
        m[static_cast<std::size_t>(engine::mirroredColumn(column))] = scores[static_cast<std::size_t>(column)];
    return m;
}

// The slow, sure way: a search from nothing, on a table of its own.
ColumnScores coldScores(const Position& p)
{
    engine::TranspositionTable table(4);
    engine::Search search(table);
    return *search.moveScores(p);
}

// The positions one and two moves on, where the game goes on.
std::vector<Position> positionsAround(const Position& p)
{
    std::vector<Position> around{ p };
    for (std::size_t i = 0; i < around.size() && around[i].moves() < p.moves() + 2; ++i)
        for (int column = 0; column < engine::Width; ++column)
            if (around[i].canPlay(column)) {
                const engine::AfterColumn after = engine::afterColumn(around[i], column);
                if (!after.settled)
                    around.push_back(after.next);
            }
    return around;
}

// Random positions where thinking ahead takes a search; fewer discs take
// longer, too long for a sanitizer's build.
std::vector<oracle::Board> sample(int count, std::uint64_t seed)
{
    std::mt19937_64 random(seed);
    std::vector<oracle::Board> boards;
    for (int i = 0; i < count; ++i)
        boards.push_back(oracle::randomBoard(random, 22 - (i % 5)));
    return boards;
}

const std::atomic<bool> neverStop = false;

} // namespace

class TestAhead : public QObject {
    Q_OBJECT

private slots:
    void theCacheKeepsAPositionAndItsMirrorImage_data();
    void theCacheKeepsAPositionAndItsMirrorImage();
    void theCacheIsNeverTornBetweenThreads();
    void cachedAnswersEqualColdSearches_data();
    void cachedAnswersEqualColdSearches();
    void thinkingAheadDoesItsListAndNoMore();
    void aStopEndsThinkingAheadWithinItsBound();
};

// Scores kept are found again, seen from the position asked about, a full
// column's as none; a position that took another's slot is not mistaken
// for it.
void TestAhead::theCacheKeepsAPositionAndItsMirrorImage_data()
{
    QTest::addColumn<QString>("moves");
    QTest::newRow("lopsided") << "1122334";
    QTest::newRow("its mirror image") << "7766554";
    QTest::newRow("a full column") << "111111223";
    QTest::newRow("symmetric") << "4444";
    QTest::newRow("the empty board, key 0") << "";
}

void TestAhead::theCacheKeepsAPositionAndItsMirrorImage()
{
    QFETCH(const QString, moves);
    const Position p(moves.toStdString());
    // Each column's own score, but a symmetric position's are symmetric too.
    const bool symmetric = p.key() == p.mirrorKey();
    ColumnScores scores;
    for (int column = 0; column < engine::Width; ++column)
        if (p.canPlay(column))
            scores[static_cast<std::size_t>(column)] = symmetric ? std::abs(column - 3) * 4 : column * 5 - 15;
    engine::ScoreCache cache;
    QVERIFY(!cache.find(p));
    cache.store(p, scores);
    QCOMPARE(cache.find(p), scores);
    QCOMPARE(cache.find(p.mirrored()), mirrored(scores));
    // A position never stored misses.
    for (int column = 0; column < engine::Width; ++column) {
        Position other = p;
        if (!other.canPlay(column))
            continue;
        other.play(column);
        QVERIFY(!cache.find(other));
    }
    cache.clear();
    QVERIFY(!cache.find(p));
}

// Threads writing and reading two positions that share a slot, all at
// once: a read finds the scores stored for its own position, or nothing,
// never the other's nor a mix of the two.
void TestAhead::theCacheIsNeverTornBetweenThreads()
{
    // Each open column's score made of the position's key, so that any two
    // positions' scores differ.
    const auto scoresOf = [](const Position& p) {
        ColumnScores scores;
        for (int column = 0; column < engine::Width; ++column)
            if (p.canPlay(column))
                scores[static_cast<std::size_t>(column)] = static_cast<int>((p.key() >> (3 * column)) % 37) - 18;
        return scores;
    };
    // Two positions in one slot: the first that a later one pushes out.
    engine::ScoreCache cache;
    std::vector<Position> stored;
    std::array<Position, 2> pair;
    for (const oracle::Board& b : sample(1000, 38)) {
        const Position p(b.moves);
        cache.store(p, scoresOf(p));
        const auto pushedOut = std::find_if(stored.begin(), stored.end(), [&](const Position& q) {
            return q.canonicalKey() != p.canonicalKey() && !cache.find(q);
        });
        if (pushedOut != stored.end()) {
            pair = { *pushedOut, p };
            break;
        }
        stored.push_back(p);
    }
    QVERIFY2(pair[0].canonicalKey() != pair[1].canonicalKey(), "no two of the positions share a slot");

    std::atomic<int> torn = 0;
    std::atomic<int> ready = 0;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            // All at once, so that reads fall between a write's words.
            for (++ready; ready < 4;)
                std::this_thread::yield();
            for (int i = 0; i < 300000; ++i) {
                const Position& p = pair[static_cast<std::size_t>((i + t) % 2)];
                if ((i / 2 + t) % 2 == 0)
                    cache.store(p, scoresOf(p));
                else if (const std::optional<ColumnScores> found = cache.find(p); found && *found != scoresOf(p))
                    ++torn;
            }
        });
    for (std::thread& thread : threads)
        thread.join();
    QCOMPARE(torn.load(), 0);
}

// After thinking ahead from random positions, every position the cache
// holds around them has the scores a cold search finds, and the column
// hard plays there is the cold search's choice: the cache's tie rule is
// the search's.
void TestAhead::cachedAnswersEqualColdSearches_data()
{
    QTest::addColumn<bool>("againstComputer");
    QTest::addColumn<int>("threads");
    QTest::newRow("between two people") << false << 2;
    QTest::newRow("against the computer") << true << 2;
    QTest::newRow("on one thread, as VANTREL_THREADS=1 asks") << false << 1;
}

void TestAhead::cachedAnswersEqualColdSearches()
{
    QFETCH(const bool, againstComputer);
    QFETCH(const int, threads);
    const auto opponent = againstComputer ? Engine::Opponent::computer : Engine::Opponent::person;
    for (const oracle::Board& b : sample(10, againstComputer ? 39 : 40 + threads)) {
        const Position shown(b.moves);
        Engine engine(4);
        engine.setThreads(threads);
        QVERIFY(engine.thinkAhead(shown, opponent, neverStop));
        int cached = 0;
        for (const Position& p : positionsAround(shown)) {
            const std::optional<ColumnScores> kept = engine.knownScores(p);
            if (!kept)
                continue;
            ++cached;
            const QByteArray where = QByteArray("after \"") + b.moves.c_str() + "\", a position of "
                                     + QByteArray::number(p.moves()) + " discs";
            const ColumnScores cold = coldScores(p);
            QVERIFY2(*kept == cold, where);
            QVERIFY2(engine.knownScores(p.mirrored()) == mirrored(cold), where);
            Engine fresh(4);
            engine::Random random;
            const std::optional<engine::Choice> choice = fresh.perfectChoice(p, neverStop);
            QVERIFY2(choice->column == engine::preferredChoice(p, cold), where);
            QVERIFY2(engine.chooseMove(p, engine::Level::hard, random, neverStop) == choice->column, where);
        }
        QVERIFY2(cached > 1, b.moves.c_str());
    }
}

// The list: the position shown, every position a column leads to, and
// every answer to the best column, or against the computer to any column;
// then it stops, and asked again, finds nothing left to do.
void TestAhead::thinkingAheadDoesItsListAndNoMore()
{
    for (const bool againstComputer : { false, true }) {
        const Position shown(sample(1, 41).front().moves);
        Engine engine(8);
        engine.setThreads(2);
        const auto opponent = againstComputer ? Engine::Opponent::computer : Engine::Opponent::person;
        QVERIFY(engine.thinkAhead(shown, opponent, neverStop));
        const ColumnScores now = *engine.knownScores(shown);
        for (int column = 0; column < engine::Width; ++column) {
            if (!shown.canPlay(column))
                continue;
            const engine::AfterColumn after = engine::afterColumn(shown, column);
            if (after.settled)
                continue;
            const std::optional<ColumnScores> next = engine.knownScores(after.next);
            QVERIFY(next);
            if (!againstComputer && column != engine::preferredChoice(shown, now))
                continue;
            for (int answer = 0; answer < engine::Width; ++answer) {
                if (!after.next.canPlay(answer))
                    continue;
                const engine::AfterColumn reply = engine::afterColumn(after.next, answer);
                QVERIFY(reply.settled || engine.knownScores(reply.next));
            }
        }
        const std::uint64_t nodes = engine.nodes();
        QVERIFY(engine.thinkAhead(shown, opponent, neverStop));
        QCOMPARE(engine.nodes(), nodes);
    }
}

// Thinking ahead from a position without the book takes minutes; a stop
// while every thread is at work ends the call after a few milliseconds of
// their processor time: the stop flag is read often. (How soon in wall
// time depends on what else the machine runs: the threads run at the
// lowest priority, which is why a question never waits for them.) The
// one bound the tests check.
void TestAhead::aStopEndsThinkingAheadWithinItsBound()
{
    constexpr double boundSeconds = 0.025;
    Engine engine(8);
    engine.setThreads(2);
    std::atomic<bool> stop = false;
    bool done = true;
    std::thread thinking([&] { done = engine.thinkAhead(Position("4433"), Engine::Opponent::person, stop); });
    QTest::qWait(300);
    const double before = processorSeconds();
    stop = true;
    thinking.join();
    const double took = processorSeconds() - before;
    QVERIFY(!done);
    QVERIFY2(took < boundSeconds, qPrintable(QString::number(1000 * took) + " ms of processor time"));
}

QTEST_GUILESS_MAIN(TestAhead)
#include "tst_ahead.moc"
