// SPDX-License-Identifier: GPL-3.0-or-later
// A whole run of the program, started the way main() starts it, with a
// player scripted from inside: it answers the two real prompts, plays a game
// through mouse clicks and leaves the way its one argument names. It prints
// the outcome it saw on stdout; tst_program starts it as a process and checks
// how it ends: the exit status, stderr, and that it ends at all.
#include "board/form1.h"
#include "board/layout.h"
#include "computer/computerplayer.h"
#include "runtime/label.h"
#include "runtime/program.h"
#include "support/promptanswerer.h"
#include "runtime/scripted.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace {

using Action = PromptAnswerer::Action;

QString wayOut;

// Player 1 moves first and wins in column 1 on the seventh move.
const QList<int> player1Wins{ 1, 2, 1, 2, 1, 2, 1 };

class FailingPrompt final : public runtime::InputPrompt {
public:
    QString ask(const QString&, const QString&, const QString&) override
    {
        throw std::runtime_error("the prompt failed");
    }
};

// Throws from its event handler: an exception of the standard kind, or, when
// told so, something that is not an exception class at all.
class ThrowingObject final : public QObject {
public:
    bool event(QEvent*) override
    {
        if (wayOut == u"odd-error-in-handler")
            throw 42;
        throw std::runtime_error("out of discs");
    }
};

QList<PromptAnswerer::Answer> answersFor(const QString& way)
{
    if (way == u"cancel-and-close-prompts")
        return { { Action::Cancel, {} }, { Action::Close, {} } };
    if (way.startsWith(u"computer"))
        return PromptAnswerer::typing({ QStringLiteral("Ann") });
    return PromptAnswerer::typing({ QStringLiteral("Ann"), QStringLiteral("Bea") });
}

QWidget* gameoverWindow()
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        if (window->objectName() == u"Gameover")
            return window;
    return nullptr;
}

// Closes a window the way its frame's close button does: the close request
// comes from the window system, not from the program.
void closeThroughFrame(QWidget* window)
{
    window->windowHandle()->close();
}

} // namespace

// The board window with the scripted player at it.
class ScriptedBoard : public Form1 {
public:
    ScriptedBoard()
        : Form1(wayOut.startsWith(u"computer") ? Blue::computer : Blue::person)
        , m_answerer(answersFor(wayOut))
    {
        if (wayOut.startsWith(u"computer"))
            m_computer = std::make_unique<ComputerPlayer>(*this, engine::Level::hard);
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        Form1::showEvent(event);
        QTimer::singleShot(0, this, &ScriptedBoard::play);
    }

private:
    void click(int c) { QTest::mouseClick(windowHandle(), Qt::LeftButton, {}, game::cellArea(c, 5).center()); }

    void play()
    {
        if (!QTest::qWaitForWindowExposed(this))
            qFatal("the board window was never exposed");
        if (wayOut == u"computer-board-closed-while-it-thinks") {
            click(4);
            closeThroughFrame(this);
            return;
        }
        if (wayOut == u"board-closed") {
            click(4);
            click(3);
            closeThroughFrame(this);
            return;
        }
        if (wayOut == u"board-closed-with-keys-list-open") {
            click(4);
            showKeys();
            closeThroughFrame(this);
            return;
        }
        if (wayOut.endsWith(u"error-in-handler")) {
            click(4);
            QCoreApplication::postEvent(&m_throwing, new QEvent(QEvent::User));
            return;
        }
        for (int c : player1Wins)
            click(c);
        QWidget* dialog = gameoverWindow();
        if (!dialog)
            qFatal("the game did not end");
        std::printf("outcome: %s\n", qPrintable(dialog->findChild<runtime::Label*>("lblwinner")->text()));
        std::fflush(stdout);
        leave(dialog);
    }

    static void leave(QWidget* dialog)
    {
        auto* quit = dialog->findChild<QPushButton*>("cmdquit");
        if (wayOut == u"quit-enter")
            QTest::keyClick(quit, Qt::Key_Enter);
        else if (wayOut == u"quit-space")
            QTest::keyClick(quit, Qt::Key_Space);
        else if (wayOut == u"gameover-closed")
            closeThroughFrame(dialog);
        else
            QTest::mouseClick(quit, Qt::LeftButton);
    }

    PromptAnswerer m_answerer;
    ThrowingObject m_throwing;
    std::unique_ptr<ComputerPlayer> m_computer;
};

int main(int argc, char** argv)
{
    wayOut = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    ScriptedRandom random({ firstMoveBy(1) });
    const runtime::StandIn randomStandIn(&random);
    FailingPrompt failingPrompt;
    const runtime::StandIn promptStandIn(wayOut == u"error-in-load" ? &failingPrompt : nullptr);
    return runtime::startProgram<ScriptedBoard>(argc, argv);
}
