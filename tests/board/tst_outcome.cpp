// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/layout.h"
#include "runtime/label.h"
#include "runtime/shape.h"
#include "support/game.h"

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

const QList<int> tieGame{ 4, 5, 5, 7, 1, 4, 6, 3, 7, 6, 1, 7, 6, 1, 4, 7, 6, 7, 2, 4, 2,
                          4, 7, 6, 3, 1, 6, 4, 5, 5, 1, 2, 2, 2, 1, 2, 5, 3, 5, 3, 3, 3 };
// The 42nd disc, the second player's, fills the board and completes a line.
const QList<int> lineOnTheLastDisc{ 2, 3, 5, 7, 6, 3, 2, 1, 3, 6, 5, 1, 7, 6, 5, 2, 6, 3, 2, 7, 4,
                                    5, 1, 5, 6, 3, 6, 5, 7, 3, 7, 4, 7, 1, 2, 2, 1, 1, 4, 4, 4, 4 };

// The texts of the board's actions that can act now.
QStringList actionsThatCanAct(const Form1& board)
{
    QStringList enabled;
    for (const QAction* action : board.actions())
        if (action->isEnabled())
            enabled << action->text();
    return enabled;
}

} // namespace

// The end of the game, reached by playing to it: who wins, a tie, and what
// the board and the dialog show then.
class TestOutcome : public QObject {
    Q_OBJECT

private slots:
    void aLineEndsTheGame_data();
    void aLineEndsTheGame();
    void threeInALinePlaysOn();
    void aFullBoardWithoutALineIsATie();
    void aLineOnTheLastDiscIsAWin();
    void theBoardKeepsItsLookWhenDisabled();
    void aFinishedBoardTakesNoClicks();
    void theWinningLinesAreRinged_data();
    void theWinningLinesAreRinged();
    void theDialogStaysInFrontAndKeepsTheKeyboard();
    void closingTheBoardDuringPlayEndsTheRun();
};

void TestOutcome::aLineEndsTheGame_data()
{
    QTest::addColumn<int>("firstPlayer");
    QTest::addColumn<QList<int>>("moves");
    const QList<std::pair<const char*, QList<int>>> lines{
        { "vertical, column 1", { 1, 2, 1, 2, 1, 2, 1 } },
        { "vertical, top of column 7", { 1, 7, 2, 7, 7, 1, 7, 2, 7, 1, 7 } },
        { "horizontal, row 0 from column 1", { 1, 1, 2, 2, 3, 3, 4 } },
        { "horizontal, row 0 to column 7", { 4, 4, 5, 5, 6, 6, 7 } },
        { "rising diagonal", { 1, 2, 2, 3, 3, 4, 3, 4, 4, 7, 4 } },
        { "falling diagonal to column 7", { 7, 6, 6, 5, 5, 4, 5, 4, 4, 1, 4 } },
    };
    for (const auto& [name, moves] : lines) {
        QTest::addRow("player 1, %s", name) << 1 << moves;
        QTest::addRow("player 2, %s", name) << 2 << moves;
    }
}

void TestOutcome::aLineEndsTheGame()
{
    QFETCH(int, firstPlayer);
    QFETCH(QList<int>, moves);
    Game game(firstPlayer, { "Ann", "Bea" });
    game.play(moves.first(moves.size() - 1));
    QCOMPARE(game.gameover(), nullptr);
    QVERIFY(game.window().isEnabled());
    QVERIFY(actionsThatCanAct(game.window()).contains("Show Outcomes"));

    game.play({ moves.last() });
    QVERIFY(!game.window().isEnabled());
    // Once the game is over, the moves can still be copied, the last move's
    // mark turned off and the keys looked up; nothing else acts.
    QCOMPARE(actionsThatCanAct(game.window()), QStringList({ "Copy Moves", "Mark Last Move", "Mark Mistakes", "Keys and Views" }));
    QVERIFY(game.window().isVisible());
    QVERIFY(game.gameover() && game.gameover()->isVisible());
    QCOMPARE(game.outcomeText(), firstPlayer == 1 ? "Ann Wins" : "Bea Wins");
    QCOMPARE(game.visibleTurnLabel(), 0);
}

void TestOutcome::threeInALinePlaysOn()
{
    Game game;
    game.play({ 1, 2, 1, 2, 1 });
    QVERIFY(game.window().isEnabled());
    QCOMPARE(game.gameover(), nullptr);
}

void TestOutcome::aFullBoardWithoutALineIsATie()
{
    Game game(2, { "Ann", "Bea" });
    game.play(tieGame);
    QCOMPARE(game.outcomeText(), "Tie");
    QVERIFY(!game.window().isEnabled());
    QCOMPARE(actionsThatCanAct(game.window()), QStringList({ "Copy Moves", "Mark Last Move", "Mark Mistakes", "Keys and Views" }));
    // The player who would have moved next keeps the turn label.
    QCOMPARE(game.visibleTurnLabel(), 2);
}

void TestOutcome::aLineOnTheLastDiscIsAWin()
{
    Game game(1);
    game.play(lineOnTheLastDisc);
    for (int c = 1; c <= 7; ++c)
        QVERIFY(!game.isColumnOpen(c));
    QCOMPARE(game.outcomeText(), "Player2 Wins");
    QCOMPARE(game.visibleTurnLabel(), 0);
}

void TestOutcome::theBoardKeepsItsLookWhenDisabled()
{
    Game game(1);
    game.play(tieGame);
    QVERIFY(!game.window().isEnabled());
    const QImage image = game.window().grab().toImage();
    QCOMPARE(image.pixelColor(game::cellArea(4, 0).center()), QColor(Qt::red));
    QCOMPARE(image.pixelColor(game::cellArea(5, 0).center()), QColor(Qt::blue));
    QCOMPARE(image.pixelColor(2, 2), QColor(Qt::yellow));
    auto* title = game.window().findChild<runtime::Label*>("lblTitle");
    auto* turn = game.window().findChild<runtime::Label*>("lblplayer1");
    QCOMPARE(title->palette().color(QPalette::Disabled, QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(turn->palette().color(QPalette::Disabled, QPalette::WindowText), QColor(Qt::red));
}

void TestOutcome::aFinishedBoardTakesNoClicks()
{
    Game game(1);
    game.play({ 1, 2, 1, 2, 1, 2, 1 });
    game.play({ 5 });
    QCOMPARE(game.discColor(5, 0), QColor(Qt::black));
}

void TestOutcome::theWinningLinesAreRinged_data()
{
    using Cells = QList<QPoint>;
    QTest::addColumn<QList<int>>("moves");
    QTest::addColumn<Cells>("ringed");
    QTest::newRow("vertical") << QList<int>{ 1, 2, 1, 2, 1, 2, 1 } << Cells{ { 1, 0 }, { 1, 1 }, { 1, 2 }, { 1, 3 } };
    QTest::newRow("horizontal") << QList<int>{ 1, 1, 2, 2, 3, 3, 4 }
                                << Cells{ { 1, 0 }, { 2, 0 }, { 3, 0 }, { 4, 0 } };
    QTest::newRow("rising") << QList<int>{ 1, 2, 2, 3, 3, 4, 3, 4, 4, 6, 4 }
                            << Cells{ { 1, 0 }, { 2, 1 }, { 3, 2 }, { 4, 3 } };
    QTest::newRow("falling") << QList<int>{ 7, 6, 6, 5, 5, 4, 5, 4, 4, 2, 4 }
                             << Cells{ { 7, 0 }, { 6, 1 }, { 5, 2 }, { 4, 3 } };
    QTest::newRow("five in a line") << QList<int>{ 1, 1, 2, 2, 4, 4, 5, 5, 3 }
                                    << Cells{ { 1, 0 }, { 2, 0 }, { 3, 0 }, { 4, 0 }, { 5, 0 } };
    QTest::newRow("two lines at once") << QList<int>{ 5, 4, 2, 4, 5, 3, 3, 7, 4, 4, 5, 6, 5 }
                                       << Cells{ { 2, 0 }, { 3, 1 }, { 4, 2 }, { 5, 3 }, { 5, 0 }, { 5, 1 }, { 5, 2 } };
}

// Each disc keeps its colour; a ring in the board's colour marks the line.
void TestOutcome::theWinningLinesAreRinged()
{
    QFETCH(QList<int>, moves);
    QFETCH(QList<QPoint>, ringed);
    Game game(1);
    game.play(moves);
    QCOMPARE(game.outcomeText(), "Player1 Wins");
    for (int c = 1; c <= 7; ++c)
        for (int r = 0; r < 6; ++r) {
            const auto* disc = game.window().findChild<runtime::Shape*>(QStringLiteral("Shp%1(%2)").arg(c).arg(r));
            const QColor expected = ringed.contains(QPoint(c, r)) ? QColor(Qt::yellow) : QColor();
            QVERIFY2(disc->ring() == expected, qPrintable(disc->objectName()));
            if (expected.isValid())
                QCOMPARE(disc->fill(), QColor(Qt::red));
        }
}

// A click on the finished board activates it (the window manager's doing,
// which offscreen is a request to activate); the dialog, stacked above the
// board, takes the keyboard straight back so that Enter still quits.
void TestOutcome::theDialogStaysInFrontAndKeepsTheKeyboard()
{
    Game game(1);
    game.play({ 1, 2, 1, 2, 1, 2, 1 });
    QWidget* dialog = game.gameover();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QCOMPARE(dialog->windowHandle()->transientParent(), game.window().windowHandle());

    struct ActivationWatch : QObject {
        bool boardWasActive = false;
        bool eventFilter(QObject* board, QEvent* event) override
        {
            if (event->type() == QEvent::ActivationChange)
                boardWasActive = boardWasActive || static_cast<QWidget*>(board)->isActiveWindow();
            return false;
        }
    } watch;
    game.window().installEventFilter(&watch);
    game.window().windowHandle()->requestActivate();
    QTRY_VERIFY(watch.boardWasActive);
    QTRY_VERIFY(dialog->isActiveWindow());
    QCOMPARE(QApplication::focusWidget(), dialog->findChild<QPushButton*>("cmdquit"));
}

void TestOutcome::closingTheBoardDuringPlayEndsTheRun()
{
    Game game;
    game.play({ 3 });
    QTimer::singleShot(0, &game.window(), &QWidget::close);
    QTimer::singleShot(10000, [] { QCoreApplication::exit(-1); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

QTEST_MAIN(TestOutcome)
#include "tst_outcome.moc"
