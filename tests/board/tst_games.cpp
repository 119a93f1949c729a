// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/layout.h"
#include "support/game.h"

#include <QRandomGenerator>
#include <QTest>

#include <optional>

namespace {

// The test's own idea of a game, kept apart from the program: each player's
// discs as a bit mask, seven bits a column (six holes and a spare bit that
// keeps lines from running over into the next column).
class Model {
public:
    explicit Model(int firstPlayer) : m_mover(firstPlayer) {}

    int height(int c) const { return m_heights[c - 1]; }
    bool isOpen(int c) const { return height(c) < 6; }
    int mover() const { return m_mover; }
    bool isOver() const { return m_outcome.has_value(); }
    int outcome() const { return *m_outcome; } // 1 or 2 the winner, 0 a tie

    int owner(int c, int r) const
    {
        const quint64 bit = cellBit(c, r);
        return (m_discs[0] & bit) ? 1 : (m_discs[1] & bit) ? 2 : 0;
    }

    void drop(int c)
    {
        m_discs[m_mover - 1] |= cellBit(c, m_heights[c - 1]++);
        const bool lined = hasLine(m_discs[m_mover - 1]);
        const bool full = std::all_of(m_heights.begin(), m_heights.end(), [](int h) { return h == 6; });
        if (lined)
            m_outcome = m_mover;
        else if (full)
            m_outcome = 0;
        m_mover = 3 - m_mover;
    }

private:
    static quint64 cellBit(int c, int r) { return quint64(1) << ((c - 1) * 7 + r); }

    static bool hasLine(quint64 discs)
    {
        for (int shift : { 1, 7, 6, 8 }) {
            const quint64 pairs = discs & (discs >> shift);
            if (pairs & (pairs >> (2 * shift)))
                return true;
        }
        return false;
    }

    std::array<quint64, 2> m_discs{};
    std::array<int, 7> m_heights{};
    int m_mover;
    std::optional<int> m_outcome;
};

quint32 seedFromEnvironment()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("VANTREL_SEED").toUInt(&ok);
    return ok ? seed : 20261207;
}

int gamesFromEnvironment()
{
    bool ok = false;
    const int games = qEnvironmentVariable("VANTREL_GAMES").toInt(&ok);
    return ok ? games : 2000;
}

// A point of the board window that takes no click: anywhere but the cells
// of open columns, and not the top-left corner, (0, 0), which QTest clicks as
// "the middle of the window".
QPoint deadPoint(QRandomGenerator& random, const Model& model)
{
    for (;;) {
        const QPoint point(random.bounded(game::clientArea.width()),
                           random.bounded(game::clientArea.height()));
        bool inOpenCell = false;
        for (int c = 1; c <= 7; ++c)
            for (int r = 0; r < 6; ++r)
                inOpenCell = inOpenCell || (model.isOpen(c) && game::cellArea(c, r).contains(point));
        if (!inOpenCell && !point.isNull())
            return point;
    }
}

} // namespace

// Whole games through real clicks, checked after every click against the model.
class TestGames : public QObject {
    Q_OBJECT

private slots:
    void randomGamesMatchTheModel();

private:
    bool matches(const Game& game, const Model& model, QString& why);
    void playOne(QRandomGenerator& random, const QString& context);

    qint64 m_clicks = 0;
};

bool TestGames::matches(const Game& game, const Model& model, QString& why)
{
    for (int c = 1; c <= 7; ++c) {
        for (int r = 0; r < 6; ++r) {
            const int owner = model.owner(c, r);
            const QColor expected = owner == 1 ? Qt::red : owner == 2 ? Qt::blue : Qt::black;
            if (game.discColor(c, r) != expected) {
                why = QStringLiteral("hole (%1, %2) has the wrong colour").arg(c).arg(r);
                return false;
            }
        }
        if (game.isColumnOpen(c) != model.isOpen(c)) {
            why = QStringLiteral("column %1 open or closed wrongly").arg(c);
            return false;
        }
    }
    const int expectedLabel = !model.isOver() ? model.mover() : model.outcome() == 0 ? model.mover() : 0;
    if (game.visibleTurnLabel() != expectedLabel) {
        why = QStringLiteral("turn label %1 shown, %2 expected").arg(game.visibleTurnLabel()).arg(expectedLabel);
        return false;
    }
    const QString outcome = !model.isOver() ? QString()
        : model.outcome() == 0             ? QStringLiteral("Tie")
                                            : QStringLiteral("P%1 Wins").arg(model.outcome());
    if (game.outcomeText() != outcome || game.window().isEnabled() == model.isOver()) {
        why = QStringLiteral("outcome '%1', '%2' expected").arg(game.outcomeText(), outcome);
        return false;
    }
    return true;
}

void TestGames::playOne(QRandomGenerator& random, const QString& context)
{
    const int firstPlayer = random.bounded(1, 3);
    Game game(firstPlayer, { "P1", "P2" });
    Model model(firstPlayer);
    for (int click = 0; !model.isOver(); ++click) {
        const int kind = random.bounded(10);
        if (kind < 8) {
            int c = random.bounded(1, 8);
            while (!model.isOpen(c))
                c = c % 7 + 1;
            game.clickCell(c, random.bounded(6));
            model.drop(c);
        } else {
            game.clickAt(deadPoint(random, model));
        }
        ++m_clicks;
        QString why;
        QVERIFY2(matches(game, model, why),
                 qPrintable(QStringLiteral("%1, click %2: %3").arg(context).arg(click).arg(why)));
    }
}

void TestGames::randomGamesMatchTheModel()
{
    const quint32 seed = seedFromEnvironment();
    const int games = gamesFromEnvironment();
    QRandomGenerator random(seed);
    int played = 0;
    while (played < games && !QTest::currentTestFailed())
        playOne(random, QStringLiteral("VANTREL_SEED=%1, game %2").arg(seed).arg(played++));
    // scripts/soak adds these figures up over its runs.
    qInfo("VANTREL_SEED=%u: %d games, %lld clicks", seed, played, m_clicks);
}

QTEST_MAIN(TestGames)
#include "tst_games.moc"
