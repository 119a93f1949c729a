// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the screenshot that the README and software centres show: the real
// board window, started as the program starts it and played by clicks at its
// cells, rendered offscreen at twice the normal scale.
#include "board/form1.h"
#include "board/layout.h"
#include "runtime/program.h"
#include "runtime/services.h"
#include "support/scripted.h"

#include <QPixmap>
#include <QTest>

#include <array>
#include <cstdio>

namespace {

// Eleven moves into a game: red has three in the bottom row and blue is to move.
constexpr std::array moves{ 4, 4, 3, 5, 5, 3, 4, 6, 2, 3, 5 };

bool play(Form1& window)
{
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    for (int c : moves)
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          game::cellArea(c, game::rows - 1).center());
    return window.isEnabled(); // the game must still be in progress
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: vantrel-screenshot FILE.png\n", stderr);
        return 2;
    }
    // The same picture on any machine, with or without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    runtime::Application application(argc, argv);

    Form1 window;
    {
        ScriptedPrompt names({ QStringLiteral("Mira"), QStringLiteral("Tomas") });
        ScriptedRandom draw({ firstMoveBy(1) });
        const runtime::StandIn namesStandIn(&names);
        const runtime::StandIn drawStandIn(&draw);
        window.load();
    }
    window.show();
    if (!play(window)) {
        std::fputs("vantrel-screenshot: the game did not play as scripted\n", stderr);
        return 1;
    }
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "vantrel-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
