// SPDX-License-Identifier: GPL-3.0-or-later
#include "gameover.h"

#include "runtime/label.h"
#include "runtime/services.h"
#include "runtime/twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

constexpr QRect clientArea = runtime::rectFromTwips(0, 0, 2475, 2145);
constexpr QRect winnerArea = runtime::rectFromTwips(240, 240, 1935, 855);
constexpr QRect quitArea = runtime::rectFromTwips(480, 1320, 1455, 735);
constexpr double winnerPoints = 15.75;
constexpr double quitPoints = 18;

} // namespace

Gameover::Gameover()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Gameover"));
    setWindowTitle(tr("Game Over"));
    setFixedSize(clientArea.size());
    setModal(false);

    lblwinner = new runtime::Label(this, winnerArea, Qt::AlignHCenter);
    lblwinner->setObjectName(QStringLiteral("lblwinner"));
    lblwinner->setFont(runtime::fontFromPoints(runtime::serifFaces, winnerPoints));
    lblwinner->setOpaque();

    cmdquit = new QPushButton(tr("Quit"), this);
    cmdquit->setObjectName(QStringLiteral("cmdquit"));
    cmdquit->setGeometry(quitArea);
    cmdquit->setFont(runtime::fontFromPoints(runtime::sansFaces, quitPoints));
    cmdquit->setDefault(true);
    cmdquit->setFocus();
    connect(cmdquit, &QPushButton::clicked, this, &Gameover::cmdquitClicked);
}

void Gameover::setWinner(const QString& name)
{
    lblwinner->setTextWithName(tr("%1 Wins"), name);
    setAccessibleDescription(lblwinner->text());
}

void Gameover::setTie()
{
    lblwinner->setText(tr("Tie"));
    setAccessibleDescription(lblwinner->text());
}

void Gameover::cmdquitClicked()
{
    runtime::endProgram();
}

// Escape and the frame's close button both end the program: the board behind
// the dialog can never be played again, so there is nothing to return to.
void Gameover::reject()
{
    runtime::endProgram();
}

void Gameover::closeEvent(QCloseEvent* event)
{
    event->accept();
    runtime::endProgram();
}

void Gameover::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    const QRect screenArea = screen()->availableGeometry();
    move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, frameGeometry().size(), screenArea)
             .topLeft());
    // Quit is the only thing left to do, so the dialog asks for the keyboard:
    // Enter, Space and Escape work at once, and a screen reader, seeing the
    // dialog become active, reads its title, its outcome and the Quit button.
    activateWindow();
}
