// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/engine.h"
#include "engine/levels.h"
#include "oracle.h"

#include <QTest>

#include <atomic>
#include <random>
#include <thread>

using engine::Bitboard;
using engine::Level;
using engine::Position;

namespace {

bool inColumn(Bitboard cells, int column)
{
    return (cells & Position::columnCells(column)) != 0;
}

} // namespace

// What the levels promise, move by move: the weaker levels by what they
// always do (their strength is measured by `vantrel-engine tournament`, not
// here), hard through the Engine the game holds.
class TestLevels : public QObject {
    Q_OBJECT

private slots:
    void tactics_data();
    void tactics();
    void weakerLevelsKeepTheirRulesInRandomPositions();
    void easyBlocksOnlySometimes();
    void hardThroughTheEngine();
    void hardIsStopped();
};

void TestLevels::tactics_data()
{
    QTest::addColumn<QString>("moves");
    QTest::addColumn<QString>("medium"); // columns medium always plays one of, 1 to 7
    QTest::addColumn<QString>("easy");   // the same for easy, or empty
    QTest::newRow("win in one") << "445566" << "37" << "37";
    QTest::newRow("forced block") << "21334" << "5" << "";
    QTest::newRow("vertical block") << "121212" << "1" << "";
    QTest::newRow("hole above") << "322447377" << "23467" << "";
    QTest::newRow("win rather than block") << "1122334" << "1234567" << "";
}

void TestLevels::tactics()
{
    QFETCH(QString, moves);
    QFETCH(QString, medium);
    QFETCH(QString, easy);
    const Position p(moves.toStdString());
    for (std::uint64_t seed = 0; seed < 200; ++seed) {
        engine::Random random(seed);
        const int m = engine::mediumMove(p, random);
        QVERIFY2(medium.contains(QChar('1' + m)), qPrintable(QString::number(m + 1)));
        if (!easy.isEmpty()) {
            const int e = engine::easyMove(p, random);
            QVERIFY2(easy.contains(QChar('1' + e)), qPrintable(QString::number(e + 1)));
        }
    }
}

// Medium takes a win at once, else blocks the opponent's, else keeps out of
// the cell under the opponent's winning cells; easy takes a win at once;
// every level plays a column that is not full.
void TestLevels::weakerLevelsKeepTheirRulesInRandomPositions()
{
    std::mt19937_64 positions(7);
    engine::Random random(8);
    for (int i = 0; i < 5000; ++i) {
        const oracle::Board b = oracle::randomBoard(positions, std::uniform_int_distribution<int>(1, 40)(positions));
        const Position p(b.moves);
        const Bitboard wins = p.possibleMoves() & p.winningCells();
        const Bitboard blocks = p.possibleMoves() & p.opponentWinningCells();
        const int m = engine::mediumMove(p, random);
        const int e = engine::easyMove(p, random);
        const int r = engine::randomMove(p, random);
        QVERIFY(p.canPlay(m) && p.canPlay(e) && p.canPlay(r));
        const QByteArray where = QByteArray("moves ") + b.moves.c_str();
        if (wins != 0) {
            QVERIFY2(inColumn(wins, m), where);
            QVERIFY2(inColumn(wins, e), where);
        } else if (blocks != 0) {
            QVERIFY2(inColumn(blocks, m), where);
        } else if (p.nonLosingMoves() != 0) {
            QVERIFY2(inColumn(p.nonLosingMoves(), m), where);
        }
    }
}

void TestLevels::easyBlocksOnlySometimes()
{
    const Position p("21334");
    int blocked = 0;
    for (std::uint64_t seed = 0; seed < 400; ++seed) {
        engine::Random random(seed);
        blocked += engine::easyMove(p, random) == 4 ? 1 : 0;
    }
    QVERIFY(blocked > 100);
    QVERIFY(blocked < 390);
}

// With the book or without, the engine plays perfect play's column, the
// same again on asking again and mirrored for the mirror image.
void TestLevels::hardThroughTheEngine()
{
    std::mt19937_64 positions(9);
    engine::Engine engine(8);
    engine::TranspositionTable table(16);
    engine::Search search(table);
    const std::atomic<bool> stop{ false };
    engine::Random random(10);
    for (int i = 0; i < 300; ++i) {
        const oracle::Board b = oracle::randomBoard(positions, std::uniform_int_distribution<int>(6, 22)(positions));
        const Position p(b.moves);
        const std::optional<int> column = engine.chooseMove(p, Level::hard, random, stop);
        QVERIFY(column);
        QCOMPARE(*column, search.bestChoice(p)->column);
        QCOMPARE(engine.chooseMove(p, Level::hard, random, stop), column);
        QCOMPARE(engine.chooseMove(p.mirrored(), Level::hard, random, stop), engine::Width - 1 - *column);
    }
    const engine::Book book = engine::Book::fromEntries({ { Position("4").key(), { 2, -1 } } });
    engine.setBook(book);
    QCOMPARE(engine.chooseMove(Position("4"), Level::hard, random, stop), 2);
}

void TestLevels::hardIsStopped()
{
    engine::Engine engine(1);
    engine::Random random(11);
    const std::atomic<bool> stopped{ true };
    QVERIFY(!engine.chooseMove(Position("4"), Level::hard, random, stopped));
    // The weaker levels answer at once and need no stopping.
    QVERIFY(engine.chooseMove(Position("4"), Level::medium, random, stopped));

    std::atomic<bool> stop{ false };
    std::thread stopper([&stop] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        stop = true;
    });
    QVERIFY(!engine.perfectChoice(Position(""), stop));
    stopper.join();
    stop = false;
    // What the stopped search stored leaves the engine's answers right.
    std::mt19937_64 positions(12);
    for (int i = 0; i < 100; ++i) {
        oracle::Board b = oracle::randomBoard(positions, 9);
        QCOMPARE(engine.perfectChoice(Position(b.moves), stop)->score, oracle::minimax(b));
    }
}

QTEST_APPLESS_MAIN(TestLevels)
#include "tst_levels.moc"
