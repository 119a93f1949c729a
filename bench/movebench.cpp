// SPDX-License-Identifier: GPL-3.0-or-later
// Times a move as a player makes it: a press and a release delivered to the
// board window at a cell, the drop handler, the outcome check and the repaint
// of what changed, over many whole games. Then the outcome check's line scan
// alone, and what building the board window costs before the first prompt.
//
//   movebench [GAMES]     (default 1000; runs on the offscreen platform)
//
// Prints its rows of scripts/bench's Markdown table.

#include "board/form1.h"
#include "board/layout.h"
#include "rules/lines.h"
#include "runtime/shape.h"
#include "runtime/scripted.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

double percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(fraction * double(values.size() - 1))];
}

// Counts the paint events of every widget, to show that the time of a move
// includes its repaint.
class PaintCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

struct Moves {
    std::vector<double> microseconds;     // every move but the last of a game
    long long paints = 0;                 // during those moves
    std::vector<double> lastMicroseconds; // the move that ends a game, dialog included
    std::vector<game::Cells> positions;   // the board after every move
};

std::unique_ptr<Form1> startedBoard()
{
    auto window = std::make_unique<Form1>();
    window->load();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qFatal("the board window was never exposed");
    QCoreApplication::sendPostedEvents();
    return window;
}

// One whole game of random columns, clicked at random cells of each column.
void playOneGame(QRandomGenerator& random, const PaintCounter& paints, Moves& moves)
{
    const std::unique_ptr<Form1> window = startedBoard();
    QWindow* handle = window->windowHandle();
    game::Cells cells{};
    std::array<int, game::columns + 1> heights{};
    int mover = 1; // firstPlayerOne makes player 1 start
    while (window->isEnabled()) {
        std::vector<int> open;
        for (int c = 1; c <= game::columns; ++c)
            if (heights[c] < game::rows)
                open.push_back(c);
        const int c = open[random.bounded(int(open.size()))];
        const QPoint cell = game::cellArea(c, random.bounded(game::rows)).center();

        const int paintsBefore = paints.count;
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(handle, Qt::LeftButton, {}, cell);
        QCoreApplication::sendPostedEvents();
        const double elapsed = double(timer.nsecsElapsed()) / 1000.0;

        if (window->isEnabled()) {
            moves.microseconds.push_back(elapsed);
            moves.paints += paints.count - paintsBefore;
        } else {
            moves.lastMicroseconds.push_back(elapsed);
        }
        const auto* disc = window->findChild<runtime::Shape*>(
            QStringLiteral("Shp%1(%2)").arg(c).arg(heights[c]));
        if (disc->fill() == game::emptyHole)
            qFatal("a click on column %d dropped no disc", c);
        cells[c][heights[c]++] = static_cast<qint16>(mover);
        mover = 3 - mover;
        moves.positions.push_back(cells);
    }
}

// The line scan win makes after every move, per call, over the positions
// the games went through.
double scanNanoseconds(const std::vector<game::Cells>& positions)
{
    std::vector<double> perCall;
    int wins = 0;
    for (int round = 0; round < 25; ++round) {
        QElapsedTimer timer;
        timer.start();
        for (const game::Cells& cells : positions) {
            game::Flags winner{};
            game::scanLines(cells, winner);
            wins += winner[1] + winner[2];
        }
        perCall.push_back(double(timer.nsecsElapsed()) / double(positions.size()));
    }
    if (wins == 0)
        qFatal("no game was won: the positions are not what they seem");
    return median(perCall);
}

// What win's full-board test reads: whether the bottom click area of each
// column is hidden. It stops at the first open column; this reads all seven.
[[gnu::noinline]] int closedColumns(const std::array<const QWidget*, game::columns>& bottomAreas)
{
    return int(std::ranges::count_if(bottomAreas, [](const QWidget* area) { return area->isHidden(); }));
}

double fullBoardTestNanoseconds()
{
    const std::unique_ptr<Form1> window = startedBoard();
    std::array<const QWidget*, game::columns> bottomAreas{};
    for (int c = 1; c <= game::columns; ++c)
        bottomAreas[c - 1] = window->findChild<QWidget*>(QStringLiteral("lblcover%1(0)").arg(c));
    constexpr int calls = 1'000'000;
    std::vector<double> perCall;
    int closed = 0;
    for (int round = 0; round < 25; ++round) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < calls; ++i) {
            closed += closedColumns(bottomAreas);
            // The widgets might have changed: read them again on every call.
            asm volatile("" ::: "memory");
        }
        perCall.push_back(double(timer.nsecsElapsed()) / calls);
    }
    if (closed != 0)
        qFatal("a new board has closed columns");
    return median(perCall);
}

// Building the board window and its 87 controls, which the program does
// before its first prompt; the window is not shown. The first time in a
// process is what start-up pays; the median of later ones shows the rest.
struct Construction {
    double firstMicroseconds = 0;
    double medianMicroseconds = 0;
};

Construction timeConstruction()
{
    std::vector<double> times;
    for (int i = 0; i < 51; ++i) {
        QElapsedTimer timer;
        timer.start();
        const Form1 window;
        times.push_back(double(timer.nsecsElapsed()) / 1000.0);
    }
    const double first = times.front();
    times.erase(times.begin());
    return { first, median(times) };
}

// A row of scripts/bench's table; these figures have no bare-Qt counterpart.
void printRow(const QString& measure, const QString& figure, const QString& target)
{
    std::printf("| %s | %s | | | %s |\n", qPrintable(measure), qPrintable(figure), qPrintable(target));
}

QString number(double value, int decimals = 0)
{
    return QString::number(value, 'f', decimals);
}

QtMessageHandler nextMessageHandler = nullptr;

// The offscreen platform says, every time the game-over dialog is shown, that it
// cannot pass size hints on to a window system it does not have.
void quietAboutSizeHints(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.contains(u"propagateSizeHints"))
        nextMessageHandler(type, context, text);
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    nextMessageHandler = qInstallMessageHandler(quietAboutSizeHints);
    QApplication application(argc, argv);
    const int games = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 1000;

    ScriptedPrompt answers;
    ScriptedRandom firstPlayerOne({ firstMoveBy(1) });
    const runtime::StandIn answering(&answers);
    const runtime::StandIn drawing(&firstPlayerOne);
    PaintCounter paints;
    application.installEventFilter(&paints);

    const Construction construction = timeConstruction();
    QRandomGenerator random(7);
    Moves moves;
    for (int g = 0; g < games; ++g)
        playOneGame(random, paints, moves);

    const QString platform = QGuiApplication::platformName();
    printRow(QStringLiteral("A move on %1, click to repaint done: median of %2 moves in %3 games "
                            "(90th percentile %4 µs; %5 paint events a move)")
                 .arg(platform)
                 .arg(moves.microseconds.size())
                 .arg(games)
                 .arg(number(percentile(moves.microseconds, 0.9)))
                 .arg(number(double(moves.paints) / double(moves.microseconds.size()), 1)),
             number(median(moves.microseconds)) + QStringLiteral(" µs"), QStringLiteral("< 1000 µs"));
    printRow(QStringLiteral("The move that ends a game, building and showing the game-over dialog: "
                            "median of %1")
                 .arg(games),
             number(median(moves.lastMicroseconds)) + QStringLiteral(" µs"), QString());
    printRow(QStringLiteral("Outcome check, the line scan (game::scanLines) per call, over the %1 "
                            "positions played")
                 .arg(moves.positions.size()),
             number(scanNanoseconds(moves.positions)) + QStringLiteral(" ns"), QString());
    printRow(QStringLiteral("Outcome check, the full-board test (seven click areas' hidden state) "
                            "per call"),
             number(fullBoardTestNanoseconds(), 1) + QStringLiteral(" ns"), QString());
    printRow(QStringLiteral("Building Form1 and its 87 controls, as before the first prompt: "
                            "first time in the process (median of the next 50: %1 µs)")
                 .arg(number(construction.medianMicroseconds)),
             number(construction.firstMicroseconds) + QStringLiteral(" µs"), QString());
    return 0;
}
