// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/layout.h"
#include "support/game.h"

#include <QMap>
#include <QPaintEvent>
#include <QRegion>
#include <QTest>

#include <array>

namespace {

// Counts the paint events of the board window and of each of its controls,
// and gathers the region the window itself repainted.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* window)
        : m_window(window)
    {
        window->installEventFilter(this);
        const auto children = window->findChildren<QWidget*>();
        for (QWidget* child : children)
            child->installEventFilter(this);
    }

    void reset()
    {
        m_counts.clear();
        m_windowRegion = {};
    }

    // The controls that received a paint event, by name; the window not among them.
    QStringList paintedControls() const
    {
        QStringList names = m_counts.keys();
        names.removeAll(m_window->objectName());
        return names;
    }

    QStringList paintedDiscs() const
    {
        QStringList discs = paintedControls();
        discs.removeIf([](const QString& name) { return !name.startsWith(u"Shp"); });
        return discs;
    }

    QRegion windowRegion() const { return m_windowRegion; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++m_counts[watched->objectName()];
            if (watched == m_window)
                m_windowRegion += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }

private:
    QWidget* m_window;
    QMap<QString, int> m_counts;
    QRegion m_windowRegion;
};

QString discName(int c, int r)
{
    return QStringLiteral("Shp%1(%2)").arg(c).arg(r);
}

// Clicks the top cell of column c and lets every repaint the click asked for happen.
void dropAndRepaint(Game& game, int c)
{
    game.clickCell(c, game::rows - 1);
    QCoreApplication::sendPostedEvents();
}

} // namespace

// A move repaints what it changed, the new disc, the disc before it, whose
// last-move mark goes, and the turn labels, and never the rest of the
// board: not the cell that was clicked, not the other discs, not the column
// that the move closes.
class TestRepaint : public QObject {
    Q_OBJECT

private slots:
    void aMoveRepaintsOnlyTheNewDiscAndTheTurnLabels_data();
    void aMoveRepaintsOnlyTheNewDiscAndTheTurnLabels();
    void aClickOnAFullColumnRepaintsNothing();
};

void TestRepaint::aMoveRepaintsOnlyTheNewDiscAndTheTurnLabels_data()
{
    QTest::addColumn<QList<int>>("moves");
    QTest::newRow("one column, up to closing it") << QList<int>{ 3, 3, 3, 3, 3, 3 };
    QTest::newRow("across the board") << QList<int>{ 1, 7, 4, 2, 6, 5, 3 };
    QTest::newRow("edges") << QList<int>{ 1, 1, 7, 7, 1, 7 };
}

void TestRepaint::aMoveRepaintsOnlyTheNewDiscAndTheTurnLabels()
{
    QFETCH(QList<int>, moves);
    Game game(1);
    QCoreApplication::sendPostedEvents();
    PaintCounter counter(&game.window());
    std::array<int, game::columns + 1> heights{};
    QStringList lastDisc;
    QRegion lastDiscArea;
    for (int c : moves) {
        counter.reset();
        dropAndRepaint(game, c);
        const int row = heights[c]++;
        const QRect disc = game::cellArea(c, row);
        QStringList discs = lastDisc + QStringList{ discName(c, row) };
        discs.sort();
        QCOMPARE(counter.paintedDiscs(), discs);
        const QString nextTurnLabel = game.visibleTurnLabel() == 1 ? "lblplayer1" : "lblplayer2";
        QVERIFY(counter.paintedControls().contains(nextTurnLabel));
        // The window shows through around the discs and where a turn label was
        // hidden; nowhere else. Other controls repaint only where they overlap that.
        const QRegion changed = QRegion(game::player1Area) + game::player2Area + disc + lastDiscArea;
        lastDisc = QStringList{ discName(c, row) };
        lastDiscArea = disc;
        QCOMPARE(counter.windowRegion().subtracted(changed), QRegion());
        for (const QString& name : counter.paintedControls()) {
            const QWidget* control = game.window().findChild<QWidget*>(name);
            QVERIFY2(changed.intersects(control->geometry()), qPrintable(name));
        }
    }
    for (int c = 1; c <= game::columns; ++c)
        QCOMPARE(game.isColumnOpen(c), heights[c] < game::rows);
}

void TestRepaint::aClickOnAFullColumnRepaintsNothing()
{
    Game game(1);
    game.play({ 5, 5, 5, 5, 5, 5 });
    QCoreApplication::sendPostedEvents();
    PaintCounter counter(&game.window());
    dropAndRepaint(game, 5);
    QCOMPARE(counter.paintedControls(), QStringList());
    QCOMPARE(counter.windowRegion(), QRegion());
}

QTEST_MAIN(TestRepaint)
#include "tst_repaint.moc"
