// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/layout.h"
#include "support/game.h"

#include <QTest>

// One move: where the disc lands, its colour, the turn label and closing a column.
class TestDrop : public QObject {
    Q_OBJECT

private slots:
    void anyCellOfAColumnDropsIntoItsLowestHole();
    void coloursAlternateFromTheFirstPlayer_data();
    void coloursAlternateFromTheFirstPlayer();
    void theSixthDiscClosesTheColumn();
    void placesThatAreNotClickAreasDoNothing_data();
    void placesThatAreNotClickAreasDoNothing();
    void aPressAndAReleaseInDifferentCellsIsNoClick();
};

void TestDrop::anyCellOfAColumnDropsIntoItsLowestHole()
{
    Game game(1);
    game.clickCell(3, 5);
    QCOMPARE(game.discColor(3, 0), QColor(Qt::red));
    game.clickCell(3, 0);
    QCOMPARE(game.discColor(3, 1), QColor(Qt::blue));
    game.clickCell(3, 3);
    QCOMPARE(game.discColor(3, 2), QColor(Qt::red));
    QCOMPARE(game.discs().count('.'), 39);
}

void TestDrop::coloursAlternateFromTheFirstPlayer_data()
{
    QTest::addColumn<int>("firstPlayer");
    QTest::newRow("player 1 first") << 1;
    QTest::newRow("player 2 first") << 2;
}

void TestDrop::coloursAlternateFromTheFirstPlayer()
{
    QFETCH(int, firstPlayer);
    Game game(firstPlayer);
    const QList<int> columns{ 4, 1, 7, 4, 2 };
    int mover = firstPlayer;
    for (int c : columns) {
        QCOMPARE(game.visibleTurnLabel(), mover);
        game.play({ c });
        mover = 3 - mover;
        QCOMPARE(game.visibleTurnLabel(), mover);
    }
    const QColor first = firstPlayer == 1 ? Qt::red : Qt::blue;
    const QColor second = firstPlayer == 1 ? Qt::blue : Qt::red;
    QCOMPARE(game.discColor(4, 0), first);
    QCOMPARE(game.discColor(1, 0), second);
    QCOMPARE(game.discColor(7, 0), first);
    QCOMPARE(game.discColor(4, 1), second);
    QCOMPARE(game.discColor(2, 0), first);
}

void TestDrop::theSixthDiscClosesTheColumn()
{
    Game game(1);
    game.play({ 2, 2, 2, 2, 2 });
    QVERIFY(game.isColumnOpen(2));
    game.play({ 2 });
    QVERIFY(!game.isColumnOpen(2));
    QCOMPARE(game.discColor(2, 5), QColor(Qt::blue));
    QVERIFY(game.window().isEnabled());

    const QString before = game.discs();
    for (int r = 0; r < 6; ++r)
        game.clickCell(2, r);
    QCOMPARE(game.discs(), before);
    QCOMPARE(game.visibleTurnLabel(), 1);
}

void TestDrop::placesThatAreNotClickAreasDoNothing_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::newRow("title") << game::titleArea.center();
    QTest::newRow("turn label") << game::player1Area.center();
    QTest::newRow("top-left corner") << QPoint(1, 1);
    QTest::newRow("bottom-right corner") << QPoint(482, 414);
    QTest::newRow("between two columns") << QPoint(game::cellArea(3, 2).right() + 7, game::cellArea(3, 2).center().y());
    QTest::newRow("between two rows") << QPoint(game::cellArea(3, 2).center().x(), game::cellArea(3, 2).bottom() + 3);
    QTest::newRow("below the bottom row") << QPoint(game::cellArea(3, 0).center().x(), game::cellArea(3, 0).bottom() + 10);
}

void TestDrop::placesThatAreNotClickAreasDoNothing()
{
    QFETCH(QPoint, point);
    Game game(1);
    game.clickAt(point);
    QCOMPARE(game.discs().count('.'), 42);
    QCOMPARE(game.visibleTurnLabel(), 1);
}

void TestDrop::aPressAndAReleaseInDifferentCellsIsNoClick()
{
    Game game(1);
    QWindow* window = game.window().windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, game::cellArea(2, 2).center());
    QTest::mouseRelease(window, Qt::LeftButton, {}, game::cellArea(5, 2).center());
    QCOMPARE(game.discs().count('.'), 42);
}

QTEST_MAIN(TestDrop)
#include "tst_drop.moc"
