// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/verdict.h"
#include "runtime/shape.h"
#include "support/game.h"

#include <QAction>
#include <QTest>

namespace {

// The discs with the mistakes' mark, as "c,r".
QString mistakesMarked(const Game& game)
{
    QStringList marked;
    for (int c = 1; c <= 7; ++c)
        for (int r = 0; r < 6; ++r)
            if (game.window().findChild<runtime::Shape*>(QStringLiteral("Shp%1(%2)").arg(c).arg(r))->hasDashedEdge())
                marked << QStringLiteral("%1,%2").arg(c).arg(r);
    return marked.join(u' ');
}

// A column that plays the position after these moves into a loss, as the
// board's own outcomes show it.
int losingColumnAfter(const QList<int>& moves)
{
    Game game(1);
    game.play(moves);
    game.window().showOutcomes(true);
    game.settle();
    for (int c = 1; c <= 7; ++c)
        for (int r = 0; r < 6; ++r)
            if (game.window().findChild<runtime::Shape*>(QStringLiteral("Shp%1(%2)").arg(c).arg(r))->caption().startsWith(u'\u2212'))
                return c;
    return 0;
}

void markMistakes(Game& game)
{
    game.action(QKeySequence(Qt::Key_M)).trigger();
}

} // namespace

// The mistakes: moves that gave up a win or a draw under perfect play.
class TestMistakes : public QObject {
    Q_OBJECT

private slots:
    void aVerdictComparesTheMoveWithTheBest_data();
    void aVerdictComparesTheMoveWithTheBest();
    void mistakesAreMarkedAndSaid_data();
    void mistakesAreMarkedAndSaid();
    void aDrawThrownAwayIsMarked();
    void againstTheComputerOnlyThePersonIsJudged();
    void theMarksFollowTakeBacksAndRedos();
};

void TestMistakes::aVerdictComparesTheMoveWithTheBest_data()
{
    QTest::addColumn<QList<int>>("scores"); // columns 1 to 7; 99 for a full column
    QTest::addColumn<int>("played");
    QTest::addColumn<int>("best");
    QTest::addColumn<QString>("givenUp");
    const QList<int> mixed{ -3, 0, 5, 7, 0, -2, 99 };
    QTest::newRow("the best move") << mixed << 4 << 4 << "";
    QTest::newRow("a slower win") << mixed << 3 << 4 << "";
    QTest::newRow("a win played into a draw") << mixed << 2 << 4 << "win";
    QTest::newRow("a win played into a loss") << mixed << 1 << 4 << "win";
    const QList<int> drawn{ -3, 0, -5, 0, -1, -2, -9 };
    QTest::newRow("a draw kept") << drawn << 4 << 2 << "";
    QTest::newRow("a draw played into a loss") << drawn << 7 << 2 << "draw";
    const QList<int> lost{ -3, -8, -5, -1, -1, -2, -9 };
    QTest::newRow("any move of a lost position") << lost << 2 << 4 << "";
}

void TestMistakes::aVerdictComparesTheMoveWithTheBest()
{
    QFETCH(QList<int>, scores);
    QFETCH(int, played);
    QFETCH(int, best);
    QFETCH(QString, givenUp);
    score::ColumnScores columns{};
    for (int c = 1; c <= 7; ++c)
        if (scores[c - 1] != 99)
            columns[c] = scores[c - 1];
    const Verdict verdict = judgeMove(columns, played, best);
    QCOMPARE(verdict.isMistake(), !givenUp.isEmpty());
    if (verdict.isMistake()) {
        QCOMPARE(*verdict.givenUp == Outcome::Kind::win ? "win" : "draw", givenUp);
        QCOMPARE(verdict.keptBy, best);
    }
}

void TestMistakes::mistakesAreMarkedAndSaid_data()
{
    QTest::addColumn<QList<int>>("moves");
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QString>("said");
    QTest::newRow("the first move, perfect") << QList<int>{ 4 } << "" << "";
    QTest::newRow("the first move off the centre gives up the win") << QList<int>{ 1 } << "1,0"
                                                                     << "That move gives up the win: column 4 kept it.";
    QTest::newRow("any move of a lost position") << QList<int>{ 4, 1 } << "" << "";
    QTest::newRow("earlier mistakes are marked too") << QList<int>{ 1, 4, 4 } << "1,0" << "";
}

void TestMistakes::mistakesAreMarkedAndSaid()
{
    QFETCH(QList<int>, moves);
    QFETCH(QString, marked);
    QFETCH(QString, said);
    Game game(1);
    markMistakes(game);
    game.play(moves);
    game.settle();
    QCOMPARE(mistakesMarked(game), marked);
    const QString description = game.window().accessibleDescription();
    QVERIFY2(said.isEmpty() ? !description.contains("gives up") : description.endsWith(said), qPrintable(description));
    markMistakes(game);
    QCOMPARE(mistakesMarked(game), "");
}

void TestMistakes::aDrawThrownAwayIsMarked()
{
    const int losing = losingColumnAfter({ 3 });
    QVERIFY(losing > 0);
    Game game(1);
    markMistakes(game);
    game.play({ 3, losing });
    game.settle();
    // Red's first disc, off the centre, gave up the win too.
    QStringList expected{ "3,0", QStringLiteral("%1,%2").arg(losing).arg(losing == 3 ? 1 : 0) };
    expected.sort();
    QCOMPARE(mistakesMarked(game), expected.join(u' '));
    QVERIFY(game.window().accessibleDescription().contains("That move gives up the draw: column"));
}

void TestMistakes::againstTheComputerOnlyThePersonIsJudged()
{
    Game game(1, "Mira", engine::Level::easy);
    markMistakes(game);
    game.play({ 1 });
    game.settle();
    QTRY_COMPARE(game.window().moves().size(), 2);
    game.play({ 1 });
    game.settle();
    QTRY_COMPARE(game.window().moves().size(), 4);
    game.settle();
    // Red's first disc gave up the win; the computer's discs are not judged,
    // however easy its moves.
    QVERIFY(mistakesMarked(game).startsWith("1,0"));
    for (const QString& disc : mistakesMarked(game).split(u' ')) {
        const QStringList place = disc.split(u',');
        QCOMPARE(game.discColor(place[0].toInt(), place[1].toInt()), QColor(Qt::red));
    }
}

// A verdict stays with its move: a take-back takes the mark with the disc,
// a redo brings it back without asking the engine again.
void TestMistakes::theMarksFollowTakeBacksAndRedos()
{
    Game game(1);
    markMistakes(game);
    game.play({ 1, 4 });
    game.settle();
    QCOMPARE(mistakesMarked(game), "1,0");
    game.window().undo();
    game.window().undo();
    QCOMPARE(mistakesMarked(game), "");
    game.window().redo();
    QVERIFY(!game.window().isThinking());
    QCOMPARE(mistakesMarked(game), "1,0");
    game.play({ 4 });
    game.settle();
    QCOMPARE(mistakesMarked(game), "1,0");
}

QTEST_MAIN(TestMistakes)
#include "tst_mistakes.moc"
