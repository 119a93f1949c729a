// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/boardstate.h"
#include "board/layout.h"
#include "board/threatsview.h"
#include "rules/drop.h"
#include "rules/lines.h"
#include "runtime/shape.h"

#include <QTest>

namespace {

// The view on a board of its own: the holes, and the game's variables as
// the board window keeps them, played here by the rules alone.
struct Board {
    QWidget window;
    quint8 turn = 1;
    game::Heights height{};
    game::Cells cells{};
    game::Flags winner{};
    MoveRecord record;
    const game::BoardState state{ turn, height, cells, winner, record, false };
    game::Holes holes{};
    ThreatsView view{ window, state, holes };

    Board()
    {
        for (int c = 1; c <= game::columns; ++c)
            for (int r = 0; r < game::rows; ++r)
                holes[c][r] = new runtime::Shape(&window, game::cellArea(c, r), game::emptyHole);
    }

    // Red plays the first of these columns.
    void play(const QString& columns)
    {
        for (const QChar column : columns) {
            const int c = column.digitValue();
            game::dropDisc(cells, height, c, turn);
            holes[c][height[c] - 1]->setAccessibleDescription(QStringLiteral("a disc's own words"));
            turn = static_cast<quint8>(game::opponentOf(turn));
            record.add(c);
            game::scanLines(cells, winner);
        }
        view.boardChanged();
    }

    // Every hole with spots, as "c,r:" and R or B for each spot, left to right.
    QString spots() const
    {
        QStringList marked;
        for (int c = 1; c <= game::columns; ++c)
            for (int r = 0; r < game::rows; ++r) {
                QString colours;
                for (const QColor& spot : holes[c][r]->spots())
                    colours += spot == game::red ? 'R' : 'B';
                if (!colours.isEmpty())
                    marked << QStringLiteral("%1,%2:%3").arg(c).arg(r).arg(colours);
            }
        return marked.join(u' ');
    }
};

} // namespace

// The threats view alone: which holes it marks, in which colours and words,
// which it leaves alone, and when it says there are none.
class TestThreatsView : public QObject {
    Q_OBJECT

private slots:
    void marksTheHolesThatCompleteFour_data();
    void marksTheHolesThatCompleteFour();
    void showsNothingWhileOffOrOnceTheGameIsOver();
};

void TestThreatsView::marksTheHolesThatCompleteFour_data()
{
    QTest::addColumn<QString>("moves");
    QTest::addColumn<QString>("spots");
    QTest::addColumn<QString>("described"); // what the first marked hole says
    QTest::newRow("none") << "" << "" << "";
    QTest::newRow("red's row") << "11223" << "4,0:R" << "Red completes four here";
    QTest::newRow("a column each") << "1212125" << "1,3:R 2,3:B" << "Red completes four here";
    QTest::newRow("both in one hole, red on the left") << "152637" << "4,0:RB" << "Both complete four here";
    QTest::newRow("a hole no disc reaches yet") << "1223373" << "4,3:R" << "Red completes four here";
}

void TestThreatsView::marksTheHolesThatCompleteFour()
{
    QFETCH(QString, moves);
    QFETCH(QString, spots);
    QFETCH(QString, described);
    Board board;
    board.view.setOn(true);
    board.play(moves);
    QCOMPARE(board.spots(), spots);
    QCOMPARE(board.view.saysNoThreats(), spots.isEmpty());
    if (!spots.isEmpty()) {
        const QStringList first = spots.section(u':', 0, 0).split(u',');
        QCOMPARE(board.holes[first[0].toInt()][first[1].toInt()]->accessibleDescription(), described);
    }
    // Holes with discs keep what was said of them; empty ones without threats say nothing.
    for (int c = 1; c <= game::columns; ++c)
        for (int r = 0; r < game::rows; ++r)
            if (r < board.height[c])
                QCOMPARE(board.holes[c][r]->accessibleDescription(), "a disc's own words");
            else if (board.holes[c][r]->spots().isEmpty())
                QCOMPARE(board.holes[c][r]->accessibleDescription(), "");
}

void TestThreatsView::showsNothingWhileOffOrOnceTheGameIsOver()
{
    Board board;
    board.play("11223");
    QCOMPARE(board.spots(), "");
    QVERIFY(!board.view.saysNoThreats());
    board.view.setOn(true);
    QCOMPARE(board.spots(), "4,0:R");
    board.play("74");
    QVERIFY(board.state.isOver());
    QCOMPARE(board.spots(), "");
    QVERIFY(!board.view.saysNoThreats());
}

QTEST_MAIN(TestThreatsView)
#include "tst_threatsview.moc"
