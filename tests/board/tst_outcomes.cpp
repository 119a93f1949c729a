// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/engine.h"
#include "runtime/shape.h"
#include "support/game.h"

#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
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

// How good a column's outcome is for the mover: the soonest win is best,
// then a draw, then the latest loss; a full column ranks as a draw.
int rank(const QString& column)
{
    const int n = column.section('|', 0, 0).mid(1).toInt();
    return column.startsWith('+') ? 100 - n : column.startsWith(u'\u2212') ? -100 + n : 0;
}

// An engine of the test's own, asked each open column's score after these
// moves: the last of the column's reports, which must be exact; nothing
// for a full column.
QList<std::optional<int>> engineScores(const QList<int>& moves)
{
    static const engine::Book book = shippedBook();
    std::string digits;
    for (int c : moves)
        digits += char('0' + c);
    const engine::Position position(digits);
    engine::Engine engine(16);
    engine.setBook(book);
    const std::atomic<bool> stop = false;
    QList<std::optional<int>> scores(7);
    engine.scoreColumns(position, stop, [&scores](int column, engine::ScoreBounds bounds) {
        scores[column] = bounds.isExact() ? std::optional(bounds.low) : std::nullopt;
    });
    return scores;
}

// What a board just started with these moves shows with the outcomes on.
QStringList shownAfter(const QList<int>& moves)
{
    Game game(1);
    game.play(moves);
    game.window().showOutcomes(true);
    game.settle();
    return shown(game);
}

// The view's captions, each landing hole as it looks.
QList<QImage> captionsAsSeen(const Game& game)
{
    QList<QImage> captions;
    for (auto* hole : game.window().findChildren<runtime::Shape*>())
        if (!hole->caption().isEmpty())
            captions << hole->grab().toImage();
    return captions;
}

// The column whose landing hole a hint rings; 0 for none.
int hinted(const Game& game)
{
    return game.hintedHole().x();
}

// How a player asks for a hint: with the outcomes hidden; shown, and asked
// before they are known or after; or hidden again while the hint waits.
enum class Asking { outcomesHidden, beforeTheyAreKnown, afterTheyAreKnown, hiddenWhileWaiting };

// The hint the board marks after these moves, asked for through its actions.
int hintAfter(const QList<int>& moves, Asking asking)
{
    ScriptedDelays delays(ScriptedDelays::Mode::held); // the mark stays until it is read
    const runtime::StandIn delaysStandIn(&delays);
    Game game(1);
    game.play(moves);
    QAction& outcomes = game.action(Qt::Key_A);
    if (asking != Asking::outcomesHidden)
        outcomes.trigger();
    if (asking == Asking::afterTheyAreKnown)
        game.settle();
    game.action(Qt::Key_H).trigger();
    if (asking == Asking::hiddenWhileWaiting)
        outcomes.trigger();
    game.settle();
    return hinted(game);
}

// Every text the landing holes' tooltips take, as they take it, with the
// caption shown then: "caption|tooltip", [column - 1]; what the view
// clears is left out.
class Told : public QObject {
public:
    explicit Told(const Game& game)
        : m_game(game)
        , m_columns(7)
    {
        for (QWidget* area : game.window().findChildren<QWidget*>())
            if (area->objectName().startsWith("lblcover"))
                area->installEventFilter(this);
    }
    const QList<QStringList>& columns() const { return m_columns; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto* area = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::ToolTipChange && !area->toolTip().isEmpty()) {
            const int c = area->objectName().mid(8, 1).toInt();
            const int r = area->objectName().mid(10, 1).toInt();
            const auto* hole = m_game.window().findChild<runtime::Shape*>(QStringLiteral("Shp%1(%2)").arg(c).arg(r));
            m_columns[c - 1] << hole->caption() + '|' + area->toolTip();
        }
        return false;
    }

private:
    const Game& m_game;
    QList<QStringList> m_columns;
};

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
    void theCaptionsLookAlikeRightToLeft();
    void theHintIsTheOneWithTheOutcomesHidden_data();
    void theHintIsTheOneWithTheOutcomesHidden();
    void signsComeFirstAndAgreeWithTheCounts();
};

void TestOutcomes::eachColumnShowsWhereItLeads_data()
{
    QTest::addColumn<QList<int>>("moves");
    QTest::addColumn<QStringList>("handWorked"); // "column:shown"
    // Perfect play, as published: the first player wins with its last disc,
    // the game's 41st, by starting in the centre; draws next to it; and
    // loses further out, to the opponent's last disc (columns 2 and 6) or
    // the one before it (1 and 7).
    QTest::newRow("the empty board, from the book")
        << QList<int>{}
        << QStringList{ "1:−20|Loses in 20 moves", "2:−21|Loses in 21 moves", "3:=|Draws",
                        "4:+21|Wins in 21 moves", "5:=|Draws", "6:−21|Loses in 21 moves", "7:−20|Loses in 20 moves" };
    QTest::newRow("an opening, from the book") << QList<int>{ 4 } << QStringList{};
    QTest::newRow("past the book") << QList<int>{ 4, 4, 4, 4, 3, 5, 3, 3, 5, 2, 2, 6, 6, 6, 7 } << QStringList{};
    // Red has 4, 5 and 6 on the bottom row and is to move; column 4 is full.
    QTest::newRow("a win in one and a full column")
        << QList<int>{ 4, 4, 4, 4, 4, 4, 5, 1, 6, 1 }
        << QStringList{ "3:+1|Wins in 1 move", "4:|", "7:+1|Wins in 1 move" };
    // Blue has 4, 5 and 6 on the bottom row and is to move.
    QTest::newRow("blue's win in one") << QList<int>{ 1, 4, 7, 5, 7, 6, 1 } << QStringList{ "3:+1|Wins in 1 move" };
    // Red has 3 and 4 on the bottom row: a third beside them threatens both ends.
    QTest::newRow("a win in two") << QList<int>{ 4, 4, 3, 3 }
                                  << QStringList{ "2:+2|Wins in 2 moves", "5:+2|Wins in 2 moves" };
    // Blue has 2, 3 and 4 on the bottom row: red must block at 5.
    QTest::newRow("a loss in one") << QList<int>{ 1, 2, 7, 3, 7, 4 }
                                   << QStringList{ "1:−1|Loses in 1 move", "7:−1|Loses in 1 move" };
    // Red has 2, 3 and 4 on the bottom row, open at both ends: blue blocks one.
    QStringList everywhere;
    for (int c = 1; c <= 7; ++c)
        everywhere << QStringLiteral("%1:−1|Loses in 1 move").arg(c);
    QTest::newRow("blue loses in one anywhere") << QList<int>{ 2, 2, 3, 3, 4 } << everywhere;
}

// The view shows the moves to the end that hand-worked positions take, and
// elsewhere agrees with an engine of the test's own: a win where it scores
// a win, a draw, a loss, and a sooner win (or a later loss) where it scores
// higher.
void TestOutcomes::eachColumnShowsWhereItLeads()
{
    QFETCH(QList<int>, moves);
    QFETCH(QStringList, handWorked);
    Game game(1);
    game.play(moves);
    QCOMPARE(shown(game), QStringList(7, "|"));
    QVERIFY(QTest::qWaitForWindowActive(&game.window()));
    QTest::keyClick(&game.window(), Qt::Key_A);
    game.settle();
    const QStringList columns = shown(game);
    for (const QString& column : handWorked)
        QCOMPARE(columns[column.section(':', 0, 0).toInt() - 1], column.section(':', 1));
    const QList<std::optional<int>> scores = engineScores(moves);
    for (int a = 0; a < 7; ++a) {
        QCOMPARE(columns[a] == "|", !scores[a]);
        for (int b = 0; b < 7 && scores[a]; ++b)
            if (scores[b])
                QVERIFY2((rank(columns[a]) > rank(columns[b])) == (*scores[a] > *scores[b]),
                         qPrintable(columns.join(' ')));
        if (scores[a])
            QCOMPARE((rank(columns[a]) > 0) - (rank(columns[a]) < 0), (*scores[a] > 0) - (*scores[a] < 0));
    }
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
        QCOMPARE(shown(game), shownAfter(game.window().moves()));
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
        const int hinted = game.hintedHole().x();
        QVERIFY(hinted > 0);
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
    QCOMPARE(shown(game), shownAfter({}));
    game.play({ 4 });
    game.settle();
    QCOMPARE(shown(game), QStringList(7, "|"));
    QVERIFY(!game.window().accessibleDescription().contains("Outcomes"));
    delays.release();
    QTRY_COMPARE(game.window().moves().size(), 2);
    game.settle();
    QCOMPARE(shown(game), shownAfter(game.window().moves()));
    QVERIFY(game.window().accessibleDescription().endsWith("Outcomes are shown on the columns."));
}

// A signed number keeps its sign on the left under a right-to-left
// language too: each landing hole looks as it does left to right.
void TestOutcomes::theCaptionsLookAlikeRightToLeft()
{
    Game game(1);
    game.window().showOutcomes(true);
    game.settle();
    const QList<QImage> leftToRight = captionsAsSeen(game);
    QCOMPARE(leftToRight.size(), 7);
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    QVERIFY(game.window().isRightToLeft());
    const QList<QImage> rightToLeft = captionsAsSeen(game);
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    QVERIFY(rightToLeft == leftToRight);
}

void TestOutcomes::theHintIsTheOneWithTheOutcomesHidden_data()
{
    QTest::addColumn<QList<int>>("moves");
    QTest::newRow("the empty board") << QList<int>{};
    QTest::newRow("an opening") << QList<int>{ 4 };
    QTest::newRow("nine discs, the book's last layer") << QList<int>{ 4, 4, 4, 4, 3, 5, 3, 3, 5 };
    QTest::newRow("two wins in two") << QList<int>{ 4, 4, 3, 3 };
    QTest::newRow("two wins in one") << QList<int>{ 4, 4, 4, 4, 4, 4, 5, 1, 6, 1 };
    QTest::newRow("a loss in one anywhere") << QList<int>{ 2, 2, 3, 3, 4 };
    QTest::newRow("past the book") << QList<int>{ 4, 4, 4, 4, 3, 5, 3, 3, 5, 2, 2, 6, 6, 6, 7, 1 };
    QTest::newRow("further past it") << QList<int>{ 4, 3, 4, 3, 3, 4, 5, 5, 2, 6, 6, 6, 5, 2, 2, 1, 1, 7 };
}

// One question, one answer: with the outcomes shown, H marks the column it
// marks with them hidden, however the view and the hint cross.
void TestOutcomes::theHintIsTheOneWithTheOutcomesHidden()
{
    QFETCH(QList<int>, moves);
    const int hidden = hintAfter(moves, Asking::outcomesHidden);
    QVERIFY(hidden > 0);
    QCOMPARE(hintAfter(moves, Asking::beforeTheyAreKnown), hidden);
    QCOMPARE(hintAfter(moves, Asking::afterTheyAreKnown), hidden);
    QCOMPARE(hintAfter(moves, Asking::hiddenWhileWaiting), hidden);
}

// Past the book, each column says at once that its outcome is not known
// yet, then whether it wins, draws or loses, then in how many moves; the
// sign never contradicts the count.
void TestOutcomes::signsComeFirstAndAgreeWithTheCounts()
{
    const QList<int> moves{ 1, 6, 7, 1, 3, 6, 6, 6, 5, 5 }; // ten discs, seconds for all seven columns
    Game game(1);
    game.play(moves);
    const Told told(game);
    QVERIFY(QTest::qWaitForWindowActive(&game.window()));
    QTest::keyClick(&game.window(), Qt::Key_A);
    QCOMPARE(shown(game), QStringList(7, "|Outcome not known yet"));
    QTRY_VERIFY_WITH_TIMEOUT(!game.window().isThinking(), 300000); // a sanitizer's build searches ten times slower
    game.settle();
    int signsAlone = 0;
    for (int c = 1; c <= 7; ++c) {
        const QStringList& tips = told.columns()[c - 1];
        QCOMPARE(tips.first(), "|Outcome not known yet");
        QCOMPARE(tips.last(), shownOn(game, c));
        QVERIFY2(tips.last() == "=|Draws" || tips.last().contains(" in "), qPrintable(tips.last()));
        const QString sign = tips.last().left(1);
        for (const QString& said : tips.mid(1)) {
            QCOMPARE(said.left(1), sign);
            QVERIFY2(said.section('|', 1).startsWith(sign == "+" ? "Wins" : sign == "=" ? "Draws" : "Loses"), qPrintable(said));
        }
        signsAlone += tips.contains("+|Wins") || tips.contains("−|Loses");
    }
    QVERIFY(signsAlone > 0);
}

QTEST_MAIN(TestOutcomes)
#include "tst_outcomes.moc"
