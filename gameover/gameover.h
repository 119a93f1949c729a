// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QPushButton;

namespace runtime {
class Label;
}

// The dialog that announces the outcome once the game is over. Its Quit
// button is the way out; closing the dialog ends the program the same way,
// since the board behind it stays disabled for good.
class Gameover : public QDialog {
    Q_OBJECT

public:
    Gameover();

    // The caption of lblwinner: the winner's name followed by " Wins", or "Tie".
    void setWinner(const QString& name);
    void setTie();

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void cmdquitClicked();

    runtime::Label* lblwinner = nullptr;
    QPushButton* cmdquit = nullptr;
};
