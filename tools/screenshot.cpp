// Writes the screenshot that the README and software centres show: the real
// board window, started as the program starts it and played by clicks at its
// cells, rendered offscreen at twice the normal scale.
#include "board/form1.h"
#include "board/layout.h"
#include "runtime/program.h"
#include "runtime/services.h"

#include <QPixmap>
#include <QTest>

#include <array>
#include <cstdio>

namespace {

// The players' answers to the two name prompts.
class Names final : public runtime::InputPrompt {
public:
    QString ask(const QString&, const QString&, const QString&) override { return m_names[m_next++ % 2]; }

private:
    std::array<QString, 2> m_names{ QStringLiteral("Mira"), QStringLiteral("Tomas") };
    int m_next = 0;
};

// A draw that lets player 1 move first.
class FirstPlayerStarts final : public runtime::RandomSource {
public:
    void seedFromTimer() override {}
    double next() override { return 0.25; }
};

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
        Names names;
        FirstPlayerStarts draw;
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
