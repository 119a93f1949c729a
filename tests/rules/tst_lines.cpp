// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/lines.h"

#include <QPoint>
#include <QRandomGenerator>
#include <QTest>

using game::Cells;
using game::Flags;

namespace {

struct Segment {
    int c, r, dc, dr;
};

// Every four-cell line on a 7 x 6 board, found by trying every start and
// direction rather than from the scan's own table.
QList<Segment> allSegments()
{
    QList<Segment> segments;
    const int steps[4][2] = { { 0, 1 }, { 1, 0 }, { 1, 1 }, { 1, -1 } };
    for (const auto& step : steps)
        for (int c = 1; c <= 7; ++c)
            for (int r = 0; r < 6; ++r) {
                const int endC = c + 3 * step[0];
                const int endR = r + 3 * step[1];
                if (endC >= 1 && endC <= 7 && endR >= 0 && endR <= 5)
                    segments.append({ c, r, step[0], step[1] });
            }
    return segments;
}

QString describe(const Segment& s)
{
    return QStringLiteral("(%1,%2) step (%3,%4)").arg(s.c).arg(s.r).arg(s.dc).arg(s.dr);
}

Flags scan(const Cells& cells)
{
    Flags winner{};
    game::scanLines(cells, winner);
    return winner;
}

} // namespace

// The line scan on its own, over hand-made boards.
class TestLines : public QObject {
    Q_OBJECT

private slots:
    void findsEveryLineForEitherPlayer();
    void threeInALineIsNoWin();
    void fiveInALineIsAWin();
    void bothPlayersCanBeFound();
    void flagsAreOnlyEverSet();
    void cellsOutsideTheBoardAreIgnored();
    void holesCompletingFourAreTheOnesMissingFromAnAlmostFullSegment();
};

void TestLines::findsEveryLineForEitherPlayer()
{
    const QList<Segment> segments = allSegments();
    QCOMPARE(segments.size(), 69);
    QCOMPARE(game::segmentCount(), 69);
    for (int player = 1; player <= 2; ++player)
        for (const Segment& s : segments) {
            Cells cells{};
            for (int i = 0; i < 4; ++i)
                cells[s.c + i * s.dc][s.r + i * s.dr] = static_cast<qint16>(player);
            const Flags winner = scan(cells);
            QVERIFY2(winner[player], qPrintable(describe(s)));
            QVERIFY2(!winner[3 - player], qPrintable(describe(s)));
            QVERIFY(!winner[0] && !winner[3]);
        }
}

void TestLines::threeInALineIsNoWin()
{
    for (const Segment& s : allSegments())
        for (int gap = 0; gap < 4; ++gap)
            for (qint16 fill : { qint16(0), qint16(2) }) {
                Cells cells{};
                for (int i = 0; i < 4; ++i)
                    cells[s.c + i * s.dc][s.r + i * s.dr] = i == gap ? fill : 1;
                QVERIFY2(!scan(cells)[1], qPrintable(describe(s) + " gap " + QString::number(gap)));
            }
}

void TestLines::fiveInALineIsAWin()
{
    Cells cells{};
    for (int c = 2; c <= 6; ++c)
        cells[c][3] = 2;
    QVERIFY(scan(cells)[2]);
}

void TestLines::bothPlayersCanBeFound()
{
    Cells cells{};
    for (int r = 0; r < 4; ++r) {
        cells[1][r] = 1;
        cells[7][r] = 2;
    }
    const Flags winner = scan(cells);
    QVERIFY(winner[1] && winner[2]);
}

void TestLines::flagsAreOnlyEverSet()
{
    Flags winner{ false, true, false, true };
    game::scanLines(Cells{}, winner);
    QCOMPARE(winner, (Flags{ false, true, false, true }));
}

void TestLines::cellsOutsideTheBoardAreIgnored()
{
    // Column 0 and row 6 are never part of a line, whatever they hold.
    Cells cells{};
    for (int r = 0; r < 7; ++r)
        cells[0][r] = 1;
    for (int c = 0; c < 8; ++c)
        cells[c][6] = 2;
    for (int r = 3; r < 6; ++r)
        cells[1][r] = 2; // three in column 1 under the row-6 disc
    const Flags winner = scan(cells);
    QVERIFY(!winner[1] && !winner[2]);
}

// The threats, against a slow, obvious count: a hole completes four for a
// player exactly when it is the one empty cell of a segment whose other
// three are theirs. Random boards, gravity ignored, with no four yet.
void TestLines::holesCompletingFourAreTheOnesMissingFromAnAlmostFullSegment()
{
    QRandomGenerator random(33);
    const QList<Segment> segments = allSegments();
    for (int checked = 0; checked < 2000;) {
        Cells cells{};
        for (int c = 1; c <= 7; ++c)
            for (int r = 0; r < 6; ++r)
                cells[c][r] = static_cast<qint16>(random.bounded(3));
        const Flags winner = scan(cells);
        if (winner[1] || winner[2])
            continue;
        ++checked;
        for (int player = 1; player <= 2; ++player) {
            game::Marks expected{};
            for (const Segment& s : segments) {
                int own = 0;
                QPoint empty;
                for (int i = 0; i < 4; ++i) {
                    const int cell = cells[s.c + i * s.dc][s.r + i * s.dr];
                    own += cell == player;
                    if (cell == 0)
                        empty = QPoint(s.c + i * s.dc, s.r + i * s.dr);
                }
                if (own == 3 && !empty.isNull())
                    expected[empty.x()][empty.y()] = true;
            }
            QCOMPARE(game::holesCompletingFour(cells, player), expected);
        }
    }
}

QTEST_APPLESS_MAIN(TestLines)
#include "tst_lines.moc"
