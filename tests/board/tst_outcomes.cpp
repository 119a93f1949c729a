// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/engine.h"
#include "runtime/shape.h"
#include "support/game.h"

#include <QAction>
#include <QFile>
#include <QTest>

namespace {

// What the view shows on column c, "caption|description": its landing
// hole's caption and its button's accessible description.
QString shownOn(const Game& game, int c)
{
    const Form1& board = game.window();
    const QString description = board.findChild<QWidget*>(QStringLiteral("lblcover%1(0)").arg(c))->accessibleDescription();
    QString caption;
    for (int r = 0; r < 6; ++r)
        caption += board.findChild<runtime::Shape*>(QStringLiteral("Shp%1(%2)").arg(c).arg(r))->caption();
    return caption + '|' + description;
}

QStringList shown(const Game& game)
{
    QStringList columns;
    for (int c = 1; c <= 7; ++c)
        columns << shownOn(game, c);
    return columns;
}

// The shipped book, for an engine of the test's own.
engine::Book shippedBook()
{
    QFile file(VANTREL_DATA_DIR "/engine.book");
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    return engine::Book::fromBytes({ reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                     static_cast<std::size_t>(bytes.size()) });
}

// What the view must show after these moves, from an engine of the test's
// own asked each column's score: "+N" and "Wins in N moves" for a win with
// the mover's N-th disc, "=" and "Draws", "−N" and "Loses in N moves" for a
// loss after N of them; nothing on a full column.
QStringList expected(const QList<int>& moves)
{
    static const engine::Book book = shippedBook();
    std::string digits;
    for (int c : moves)
        digits += char('0' + c);
    const engine::Position position(digits);
    engine::Engine engine(16);
    engine.setBook(book);
    const std::atomic<bool> stop = false;
    QStringList columns;
    for (int c = 0; c < 7; ++c) {
        if (!position.canPlay(c)) {
            columns << "|";
            continue;
        }
        const int score = *engine.columnScore(position, c, stop);
        const int moverDiscs = int(moves.size()) / 2, opponentDiscs = int(moves.size()) - moverDiscs;
        const int n = score > 0 ? 22 - score - moverDiscs : 22 + score - opponentDiscs;
        const QString plural = n == 1 ? " move" : " moves";
        columns << (score > 0   ? QStringLiteral("+%1|Wins in %1%2").arg(n).arg(plural)
                    : score < 0 ? QStringLiteral("\u2212%1|Loses in %1%2").arg(n).arg(plural)
                                : QStringLiteral("=|Draws"));
    }
    return columns;
}

} // namespace

// What each column leads to, shown on the board when a player asks for it.
class TestOutcomes : public QObject {
    Q_OBJECT

private slots:
    void eachColumnShowsWhereItLeads_data();
    void eachColumnShowsWhereItLeads();
    void theViewFollowsMovesAndTakeBacks();
    void theHintIsAmongTheBestShown();
    void againstTheComputerOnlyOnThePersonsTurn();
};

void TestOutcomes::eachColumnShowsWhereItLeads_data()
{
    QTest::addColumn<QList<int>>("moves");
    QTest::addColumn<QStringList>("certain"); // "column:shown", as anyone can tell from the board
    QTest::newRow("the empty board, from the book") << QList<int>{} << QStringList{};
    QTest::newRow("an opening, from the book") << QList<int>{ 4 } << QStringList{};
    QTest::newRow("past the book") << QList<int>{ 4, 4, 4, 4, 3, 5, 3, 3, 5, 2, 2, 6, 6, 6, 7 } << QStringList{};
    // Red has 4, 5 and 6 on the bottom row and is to move; column 4 is full.
    QTest::newRow("a win in one and a full column")
        << QList<int>{ 4, 4, 4, 4, 4, 4, 5, 1, 6, 1 }
        << QStringList{ "3:+1|Wins in 1 move", "4:|", "7:+1|Wins in 1 move" };
    // Blue has 2, 3 and 4 on the bottom row: red must block at 5.
    QTest::newRow("a loss in one") << QList<int>{ 1, 2, 7, 3, 7, 4 }
                                   << QStringList{ "1:−1|Loses in 1 move", "7:−1|Loses in 1 move" };
}

void TestOutcomes::eachColumnShowsWhereItLeads()
{
    QFETCH(QList<int>, moves);
    QFETCH(QStringList, certain);
    Game game(1);
    game.play(moves);
    QCOMPARE(shown(game), QStringList(7, "|"));
    QVERIFY(QTest::qWaitForWindowActive(&game.window()));
    QTest::keyClick(&game.window(), Qt::Key_A);
    game.settle();
    QCOMPARE(shown(game), expected(moves));
    for (const QString& column : certain)
        QCOMPARE(shownOn(game, column.section(':', 0, 0).toInt()), column.section(':', 1));
    QVERIFY(game.window().accessibleDescription().endsWith("Outcomes are shown on the columns."));

    game.window().showOutcomes(false);
    QCOMPARE(shown(game), QStringList(7, "|"));
    QVERIFY(!game.window().accessibleDescription().contains("Outcomes"));
}

// Every move and take-back brings the new position's outcomes, and none of
// a position gone by, however soon it went; the game's end shows none.
void TestOutcomes::theViewFollowsMovesAndTakeBacks()
{
    Game game(1);
    game.play({ 4, 4, 4, 4, 3, 5, 3, 3, 5, 2 });
    game.window().showOutcomes(true);
    for (const int c : { 2, 6, 6, 1 }) {
        game.play({ c });
        game.window().undo();
        game.play({ c });
        game.settle();
        QCOMPARE(shown(game), expected(game.window().moves()));
    }

    Game won(1);
    won.window().showOutcomes(true);
    won.play({ 1, 2, 1, 2, 1, 2, 1 });
    won.settle();
    QVERIFY(won.window().isOver());
    QCOMPARE(shown(won), QStringList(7, "|"));
}

void TestOutcomes::theHintIsAmongTheBestShown()
{
    for (const QList<int>& moves : { QList<int>{ 4 }, { 4, 4, 4, 4, 3, 5, 3, 3, 5, 2, 2 }, { 1, 2, 7, 3, 7, 4 } }) {
        Game game(1);
        game.play(moves);
        game.window().showOutcomes(true);
        game.window().hint();
        game.settle();
        const QStringList columns = shown(game);
        int hinted = 0;
        for (int c = 1; c <= 7; ++c)
            for (int r = 0; r < 6; ++r)
                if (game.window().findChild<runtime::Shape*>(QStringLiteral("Shp%1(%2)").arg(c).arg(r))->ring().isValid())
                    hinted = c;
        QVERIFY(hinted > 0);
        // The best shown: the soonest win, else a draw, else the latest loss.
        const auto rank = [](const QString& column) {
            const int n = column.section('|', 0, 0).mid(1).toInt();
            return column.startsWith('+') ? 100 - n : column.startsWith('=') ? 0 : -100 + n;
        };
        for (const QString& column : columns)
            if (column != "|")
                QVERIFY2(rank(columns[hinted - 1]) >= rank(column), qPrintable(columns.join(' ')));
    }
}

void TestOutcomes::againstTheComputerOnlyOnThePersonsTurn()
{
    ScriptedDelays delays(ScriptedDelays::Mode::held);
    const runtime::StandIn delaysStandIn(&delays);
    Game game(1, "Ann", engine::Level::hard);
    QVERIFY(QTest::qWaitForWindowActive(&game.window()));
    QTest::keyClick(&game.window(), Qt::Key_A);
    game.settle();
    QCOMPARE(shown(game), expected({}));
    game.play({ 4 });
    game.settle();
    QCOMPARE(shown(game), QStringList(7, "|"));
    delays.release();
    QTRY_COMPARE(game.window().moves().size(), 2);
    game.settle();
    QCOMPARE(shown(game), expected(game.window().moves()));
}

QTEST_MAIN(TestOutcomes)
#include "tst_outcomes.moc"
