// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/shape.h"
#include "support/game.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

namespace {

QList<int> movesOf(const QString& digits)
{
    QList<int> moves;
    for (const QChar digit : digits)
        moves << digit.digitValue();
    return moves;
}

// What a player sees of a game: the discs, whose turn the labels say, the
// open columns, and what the board knows it as.
QString seen(const Game& game)
{
    QString open;
    for (int c = 1; c <= 7; ++c)
        open += game.isColumnOpen(c) ? 'o' : 'x';
    QString moves;
    for (int c : game.window().moves())
        moves += QString::number(c);
    return QStringList{ game.discs(), QString::number(game.visibleTurnLabel()), open, moves,
                        QString::number(game.window().playerToMove()) }
        .join(u'|');
}

runtime::Shape& hole(const Game& game, int c, int r)
{
    return *game.window().findChild<runtime::Shape*>(QStringLiteral("Shp%1(%2)").arg(c).arg(r));
}

// Every hole with a threat, as "c,r:" and the spots' colours, R or B, in
// the order they are drawn, and whether its description says the same;
// a disc has none.
QString threatsShown(const Game& game)
{
    QStringList marked;
    for (int c = 1; c <= 7; ++c)
        for (int r = 0; r < 6; ++r) {
            const runtime::Shape& shape = hole(game, c, r);
            QString spots;
            for (const QColor& spot : shape.spots())
                spots += spot == Qt::red ? 'R' : spot == Qt::blue ? 'B' : '?';
            const QString said = shape.accessibleDescription();
            const QString expected = spots == "RB" ? "Both complete four here"
                                     : spots == "R" ? "Red completes four here"
                                     : spots == "B" ? "Blue completes four here"
                                                    : "";
            // A disc's description is the last move's to give.
            const bool empty = shape.fill() == QColor(Qt::black);
            if ((empty && said != expected) || (!empty && !spots.isEmpty()))
                return QStringLiteral("hole %1,%2 says '%3'").arg(c).arg(r).arg(said);
            if (!spots.isEmpty())
                marked << QStringLiteral("%1,%2:%3").arg(c).arg(r).arg(spots);
        }
    return marked.join(u' ');
}

QString describedNews(const Game& game)
{
    return game.window().accessibleDescription();
}

} // namespace

// Studying a position: a board set up from moves, the moves copied and
// played again, and the threats shown.
class TestStudy : public QObject {
    Q_OBJECT

private slots:
    void movesSetTheBoardUpAsClicksDo_data();
    void movesSetTheBoardUpAsClicksDo();
    void againstTheComputerThePersonMovesAfterTheMoves_data();
    void againstTheComputerThePersonMovesAfterTheMoves();
    void copyPutsTheMovesOnTheBoardOnTheClipboard();
    void redoPlaysAgainWhatWasTakenBack_data();
    void redoPlaysAgainWhatWasTakenBack();
    void redoAgainstTheComputerReplaysTheReplyToo();
    void threatsMarkEveryHoleThatCompletesFour_data();
    void threatsMarkEveryHoleThatCompletesFour();
    void threatsFollowTheGameAndGoWhenItEnds();
};

void TestStudy::movesSetTheBoardUpAsClicksDo_data()
{
    QTest::addColumn<int>("firstPlayer");
    QTest::addColumn<QString>("moves");
    QTest::newRow("the empty board") << 1 << "";
    QTest::newRow("one move, blue first") << 2 << "4";
    QTest::newRow("an opening") << 1 << "4453";
    QTest::newRow("a full column") << 2 << "333333";
    QTest::newRow("blue first, thirty-four moves") << 2 << "1476421157755316127415273725522444";
}

// A board set up from moves shows what the same moves clicked show, the
// first player drawn as always; every move can then be taken back.
void TestStudy::movesSetTheBoardUpAsClicksDo()
{
    QFETCH(int, firstPlayer);
    QFETCH(QString, moves);
    int draws = 0;
    Game setUp(firstPlayer, movesOf(moves), std::nullopt, &draws);
    Game clicked(firstPlayer);
    clicked.play(movesOf(moves));
    QCOMPARE(seen(setUp), seen(clicked));
    QCOMPARE(draws, 1);
    for (qsizetype i = 0; i < moves.size(); ++i)
        setUp.action(QKeySequence::Undo).trigger();
    Game fresh(firstPlayer);
    QCOMPARE(seen(setUp), seen(fresh));
}

void TestStudy::againstTheComputerThePersonMovesAfterTheMoves_data()
{
    QTest::addColumn<QString>("moves");
    QTest::addColumn<QString>("bottomOfColumn4");
    QTest::newRow("none: the person starts") << "" << ".";
    QTest::newRow("one: the computer played it") << "4" << "B";
    QTest::newRow("four: the person played first") << "4453" << "R";
}

// Who played the first disc follows from the moves, so no draw is made,
// whatever the random source would say; the person, red, is to move.
void TestStudy::againstTheComputerThePersonMovesAfterTheMoves()
{
    QFETCH(QString, moves);
    QFETCH(QString, bottomOfColumn4);
    int draws = 0;
    Game game(2, movesOf(moves), engine::Level::hard, &draws);
    QCOMPARE(draws, 0);
    QCOMPARE(game.window().playerToMove(), 1);
    QCOMPARE(game.discs().mid(18, 1), bottomOfColumn4);
    game.settle();
    QCOMPARE(game.window().moves(), movesOf(moves));
}

// Ctrl+C and the menu's Copy Moves copy the moves still on the board, as
// digits that --moves reads back, and say so to screen readers.
void TestStudy::copyPutsTheMovesOnTheBoardOnTheClipboard()
{
    Game game(1);
    QClipboard* clipboard = QGuiApplication::clipboard();
    QAction& copy = game.action(QKeySequence(Qt::CTRL | Qt::Key_C));
    QCOMPARE(copy.text(), "Copy Moves");
    QVERIFY(!copy.isEnabled());
    game.play({ 4, 4, 5, 3, 7 });
    QTest::keyClick(&game.window(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), "44537");
    QVERIFY(describedNews(game).endsWith("Moves copied."));
    QTest::keyClick(&game.window(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&game.window(), Qt::Key_Z, Qt::ControlModifier);
    copy.trigger();
    QCOMPARE(clipboard->text(), "445");
}

void TestStudy::redoPlaysAgainWhatWasTakenBack_data()
{
    QTest::addColumn<QString>("played");
    QTest::addColumn<int>("undos");
    QTest::addColumn<QString>("then"); // r: Redo, or a column clicked
    QTest::addColumn<QString>("moves");
    QTest::addColumn<bool>("redoable");
    QTest::addColumn<QString>("news");
    QTest::newRow("one back, one again") << "4453" << 1 << "r" << "4453" << false << "1 move replayed.";
    QTest::newRow("three back, one again") << "4453" << 3 << "r" << "44" << true << "1 move replayed.";
    QTest::newRow("three back, all again, in order") << "4453" << 3 << "rrr" << "4453" << false
                                                      << "1 move replayed.";
    QTest::newRow("more than was taken back") << "4453" << 2 << "rrrr" << "4453" << false << "1 move replayed.";
    QTest::newRow("nothing taken back") << "4453" << 0 << "r" << "4453" << false << "Tomas played column 3.";
    QTest::newRow("a new move forgets them") << "4453" << 2 << "6r" << "446" << false << "Mira played column 6.";
    QTest::newRow("even the same move") << "4453" << 2 << "5r" << "445" << false << "Mira played column 5.";
}

void TestStudy::redoPlaysAgainWhatWasTakenBack()
{
    QFETCH(QString, played);
    QFETCH(int, undos);
    QFETCH(QString, then);
    QFETCH(QString, moves);
    QFETCH(bool, redoable);
    QFETCH(QString, news);
    Game game(1, { "Mira", "Tomas" });
    game.play(movesOf(played));
    for (int i = 0; i < undos; ++i)
        QTest::keyClick(&game.window(), Qt::Key_Z, Qt::ControlModifier);
    for (const QChar step : then) {
        if (step == u'r')
            QTest::keyClick(&game.window(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        else
            game.play({ step.digitValue() });
    }
    Game replayed(1, { "Mira", "Tomas" });
    replayed.play(movesOf(moves));
    QCOMPARE(seen(game), seen(replayed));
    QCOMPARE(game.action(QKeySequence::Redo).isEnabled(), redoable);
    QVERIFY2(describedNews(game).contains(news), qPrintable(describedNews(game)));
}

// Against the computer, Undo takes back the person's move with its reply,
// and Redo plays both again; the computer, to move after neither, does not
// search.
void TestStudy::redoAgainstTheComputerReplaysTheReplyToo()
{
    Game game(1, "Mira", engine::Level::hard);
    game.play({ 4 });
    game.settle();
    QTRY_COMPARE(game.window().moves().size(), 2);
    const QList<int> answered = game.window().moves();
    QTest::keyClick(&game.window(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(game.window().moves().isEmpty());
    QTest::keyClick(&game.window(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(game.window().moves(), answered);
    QCOMPARE(game.window().playerToMove(), 1);
    QVERIFY(describedNews(game).contains("2 moves replayed."));
    QVERIFY(!game.action(QKeySequence::Redo).isEnabled());
    game.settle();
    QCOMPARE(game.window().moves(), answered);
}

void TestStudy::threatsMarkEveryHoleThatCompletesFour_data()
{
    QTest::addColumn<QString>("moves"); // red plays the first
    QTest::addColumn<QString>("threats");
    QTest::newRow("none on the empty board") << "" << "";
    QTest::newRow("a row, open at one end") << "11223" << "4,0:R";
    QTest::newRow("two rows, open at both ends") << "2233444" << "1,0:R 1,1:B 5,0:R 5,1:B";
    QTest::newRow("a column") << "12121" << "1,3:R";
    QTest::newRow("a rising diagonal, not reachable yet") << "1223373" << "4,3:R";
    QTest::newRow("a falling diagonal") << "2111122337" << "4,0:R";
    QTest::newRow("both in one hole") << "152637" << "4,0:RB";
}

void TestStudy::threatsMarkEveryHoleThatCompletesFour()
{
    QFETCH(QString, moves);
    QFETCH(QString, threats);
    Game game(1);
    game.play(movesOf(moves));
    QCOMPARE(threatsShown(game), "");
    QTest::keyClick(&game.window(), Qt::Key_T);
    QCOMPARE(threatsShown(game), threats);
    QTest::keyClick(&game.window(), Qt::Key_T);
    QCOMPARE(threatsShown(game), "");
}

// The marks follow every move, take-back and redo, and once the game is
// over none shows.
void TestStudy::threatsFollowTheGameAndGoWhenItEnds()
{
    Game game(1);
    game.action(QKeySequence(Qt::Key_T)).trigger();
    game.play({ 1, 2, 1, 2 });
    QCOMPARE(threatsShown(game), "");
    game.play({ 1 });
    QCOMPARE(threatsShown(game), "1,3:R");
    game.play({ 2 });
    QCOMPARE(threatsShown(game), "1,3:R 2,3:B");
    QTest::keyClick(&game.window(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(threatsShown(game), "1,3:R");
    QTest::keyClick(&game.window(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(threatsShown(game), "1,3:R 2,3:B");
    game.play({ 1 });
    QVERIFY(game.window().isOver());
    QCOMPARE(threatsShown(game), "");
}

QTEST_MAIN(TestStudy)
#include "tst_study.moc"
