// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the screenshots that the README and software centres show: the
// real board window, started as the program starts it and played by clicks
// at its cells, rendered offscreen at twice the normal scale; when a second
// file is named, another game's board showing what each column leads to;
// and when a third is, the second game studied: what each column leads to
// and the threats, beside the last move's mark.
#include "board/form1.h"
#include "board/layout.h"
#include "runtime/program.h"
#include "runtime/services.h"
#include "runtime/scripted.h"

#include <QPixmap>
#include <QTest>

#include <array>
#include <cstdio>
#include <functional>

namespace {

// Eleven moves into a game: red has three in the bottom row and blue is to move.
constexpr std::array gameMoves{ 4, 4, 3, 5, 5, 3, 4, 6, 2, 3, 5 };
// Twelve moves into another, where red's columns lead to wins, a draw and losses.
constexpr std::array outcomeMoves{ 4, 2, 4, 4, 6, 7, 3, 5, 3, 5, 5, 6 };

template <std::size_t N>
bool play(Form1& window, const std::array<int, N>& moves)
{
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    for (int c : moves)
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          game::cellArea(c, game::rows - 1).center());
    return !window.isOver();
}

bool save(Form1& window, const char* path)
{
    if (window.grab().save(QString::fromLocal8Bit(path)))
        return true;
    std::fprintf(stderr, "vantrel-screenshot: cannot write %s\n", path);
    return false;
}

// The outcomes come from the engine, off this thread.
void showOutcomes(Form1& window)
{
    window.showOutcomes(true);
    while (window.isThinking())
        QTest::qWait(10);
    QCoreApplication::sendPostedEvents();
}

// Plays the game on a new board, shown for it, and shows what `study` asks.
bool shoot(Form1& board, const auto& moves, const std::function<void(Form1&)>& study, const char* path)
{
    board.show();
    if (!play(board, moves)) {
        std::fputs("vantrel-screenshot: the game did not play as scripted\n", stderr);
        return false;
    }
    study(board);
    return save(board, path);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 4) {
        std::fputs("usage: vantrel-screenshot FILE.png [OUTCOMES.png [STUDIED.png]]\n", stderr);
        return 2;
    }
    // The same picture on any machine, with or without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    runtime::Application application(argc, argv);

    std::array<Form1, 3> boards;
    for (Form1& board : boards) {
        ScriptedPrompt names({ QStringLiteral("Mira"), QStringLiteral("Tomas") });
        ScriptedRandom draw({ firstMoveBy(1) });
        const runtime::StandIn namesStandIn(&names);
        const runtime::StandIn drawStandIn(&draw);
        board.load();
    }
    const auto nothing = [](Form1&) {};
    const auto studied = [](Form1& board) {
        board.showThreats(true);
        showOutcomes(board);
    };
    if (!shoot(boards[0], gameMoves, nothing, argv[1]))
        return 1;
    if (argc >= 3 && !shoot(boards[1], outcomeMoves, showOutcomes, argv[2]))
        return 1;
    if (argc >= 4 && !shoot(boards[2], outcomeMoves, studied, argv[3]))
        return 1;
    return 0;
}
