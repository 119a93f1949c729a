// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/position.h"
#include "oracle.h"

#include <QTest>

#include <map>
#include <random>
#include <stdexcept>

using engine::Position;

namespace {

// The engine's position for an array board, played from the same moves.
Position positionOf(const oracle::Board& b)
{
    return Position(b.moves);
}

oracle::Board mirrorOf(const oracle::Board& b)
{
    oracle::Board m;
    for (const char c : b.moves)
        m.play(oracle::Columns - 1 - (c - '1'));
    return m;
}

// The empty cells where a disc of this player would complete a line.
int winningCellCount(oracle::Board b, int player)
{
    int count = 0;
    for (int c = 0; c < oracle::Columns; ++c)
        for (int r = b.heights[c]; r < oracle::Rows; ++r) {
            b.cells[c][r] = player;
            count += b.inFour(c, r) ? 1 : 0;
            b.cells[c][r] = 0;
        }
    return count;
}

bool opponentCanWinAfter(oracle::Board b, int column)
{
    b.play(column);
    for (int c = 0; c < oracle::Columns; ++c)
        if (b.winsAt(c))
            return true;
    return false;
}

} // namespace

// The bitboard position against the array board of the same moves.
class TestPosition : public QObject {
    Q_OBJECT

private slots:
    void randomGamesAgreeWithTheArray();
    void keysTellPositionsApartAndMirror();
    void fromKeyRebuildsThePosition();
    void nonLosingMovesAreTheMovesThatDoNotLoseAtOnce();
    void moveStrings_data();
    void moveStrings();
};

void TestPosition::randomGamesAgreeWithTheArray()
{
    std::mt19937_64 random(1);
    for (int game = 0; game < 500; ++game) {
        oracle::Board b;
        Position p;
        for (;;) {
            QCOMPARE(p.moves(), b.played);
            bool anyWin = false;
            for (int c = 0; c < oracle::Columns; ++c) {
                QCOMPARE(p.canPlay(c), b.canPlay(c));
                if (b.canPlay(c)) {
                    QVERIFY2(p.isWinningMove(c) == b.winsAt(c), qPrintable(QString::fromStdString(b.moves)));
                    anyWin = anyWin || b.winsAt(c);
                    oracle::Board after = b;
                    after.play(c);
                    QCOMPARE(p.moveScore(Position::columnCells(c) & p.possibleMoves()),
                             winningCellCount(after, b.toMove()));
                }
            }
            QCOMPARE(p.canWinNext(), anyWin);
            QCOMPARE(engine::popcount(p.winningCells()), winningCellCount(b, b.toMove()));
            QCOMPARE(engine::popcount(p.opponentWinningCells()), winningCellCount(b, 3 - b.toMove()));
            int c;
            do
                c = std::uniform_int_distribution<int>(0, oracle::Columns - 1)(random);
            while (!b.canPlay(c));
            const bool wins = b.winsAt(c);
            b.play(c);
            p.play(c);
            QCOMPARE(p.isWon(), wins);
            if (wins || p.isFull())
                break;
        }
    }
}

void TestPosition::keysTellPositionsApartAndMirror()
{
    std::mt19937_64 random(2);
    std::map<std::uint64_t, std::string> seen; // key -> the cells, column by column
    for (int i = 0; i < 20000; ++i) {
        const oracle::Board b = oracle::randomBoard(random, std::uniform_int_distribution<int>(0, 41)(random));
        std::string cells;
        for (const auto& column : b.cells)
            for (const int cell : column)
                cells += static_cast<char>('0' + cell);
        const Position p = positionOf(b);
        QVERIFY(p.key() < (std::uint64_t{1} << 49));
        const auto [it, added] = seen.emplace(p.key(), cells);
        QCOMPARE(it->second, cells);
        const Position m = positionOf(mirrorOf(b));
        QCOMPARE(p.mirrorKey(), m.key());
        QCOMPARE(m.mirrorKey(), p.key());
        QCOMPARE(p.mirrored().key(), m.key());
        QCOMPARE(p.canonicalKey(), m.canonicalKey());
        QCOMPARE(p.canonicalKey(), std::min(p.key(), m.key()));
    }
    QVERIFY(seen.size() > 15000);
}

void TestPosition::fromKeyRebuildsThePosition()
{
    std::mt19937_64 random(3);
    for (int i = 0; i < 5000; ++i) {
        const Position p = positionOf(oracle::randomBoard(random, std::uniform_int_distribution<int>(0, 41)(random)));
        const Position q = Position::fromKey(p.key());
        QCOMPARE(q.current(), p.current());
        QCOMPARE(q.mask(), p.mask());
        QCOMPARE(q.moves(), p.moves());
    }
}

void TestPosition::nonLosingMovesAreTheMovesThatDoNotLoseAtOnce()
{
    std::mt19937_64 random(4);
    int forced = 0, lost = 0;
    for (int i = 0; i < 20000; ++i) {
        const oracle::Board b = oracle::randomBoard(random, std::uniform_int_distribution<int>(2, 36)(random));
        const Position p = positionOf(b);
        if (p.canWinNext())
            continue;
        const engine::Bitboard safe = p.nonLosingMoves();
        forced += engine::popcount(p.possibleMoves() & p.opponentWinningCells()) == 1 ? 1 : 0;
        lost += safe == 0 ? 1 : 0;
        for (int c = 0; c < oracle::Columns; ++c)
            if (b.canPlay(c))
                QVERIFY2(((safe & Position::columnCells(c)) != 0) == !opponentCanWinAfter(b, c),
                         qPrintable(QString::fromStdString(b.moves) + " column " + QString::number(c)));
    }
    // The sample holds forced blocks and lost positions, not only quiet ones.
    QVERIFY(forced > 100);
    QVERIFY(lost > 100);
}

void TestPosition::moveStrings_data()
{
    QTest::addColumn<QString>("moves");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("played");
    QTest::newRow("empty") << "" << true << 0;
    QTest::newRow("centre") << "4" << true << 1;
    QTest::newRow("a full column") << "444444" << true << 6;
    QTest::newRow("a seventh disc in a column") << "4444444" << false << 0;
    QTest::newRow("column 0") << "40" << false << 0;
    QTest::newRow("column 8") << "48" << false << 0;
    QTest::newRow("a letter") << "4a" << false << 0;
    QTest::newRow("a winning last move") << "1212121" << true << 7;
    QTest::newRow("a move after a win") << "12121213" << false << 0;
}

void TestPosition::moveStrings()
{
    QFETCH(QString, moves);
    QFETCH(bool, valid);
    QFETCH(int, played);
    if (!valid) {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, Position(moves.toStdString()));
        return;
    }
    const Position p(moves.toStdString());
    QCOMPARE(p.moves(), played);
}

QTEST_APPLESS_MAIN(TestPosition)
#include "tst_position.moc"
