#pragma once

#include "board/lines.h"
#include "gameover/gameover.h"
#include "runtime/windowinstance.h"

#include <QWidget>

#include <array>

namespace runtime {
class ClickArea;
class Label;
class Shape;
} // namespace runtime

// The board window. It holds the whole state of the one game a run plays,
// lays out the board, drops a disc for every column click and decides,
// after each drop, whether the game is over.
class Form1 : public QWidget {
    Q_OBJECT

public:
    Form1();
    ~Form1() override;

    // The Load handler: the runtime calls it once, before the window is first shown.
    void load();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void drop(int c);
    void describeColumn(int c);
    void win();
    void endWithWinner(const QString& name, QWidget* loserTurnLabel);
    void endWithTie();
    void showGameover();
    void showTurnOf(int player);
    void closeColumn(int c);
    bool isColumnClosed(int c) const;

    // The game.
    quint8 turn = 0;
    QString name1;
    QString name2;
    std::array<qint16, 8> height{};
    game::Cells board{};
    game::Flags winner{};

    // The controls, indexed [column][element] like the board; column 0 is unused.
    runtime::Label* lblTitle = nullptr;
    runtime::Label* lblplayer1 = nullptr;
    runtime::Label* lblplayer2 = nullptr;
    std::array<std::array<runtime::Shape*, 6>, 8> Shp{};
    std::array<std::array<runtime::ClickArea*, 6>, 8> lblcover{};

    runtime::WindowInstance<Gameover> gameover;
};
