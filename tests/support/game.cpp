// SPDX-License-Identifier: GPL-3.0-or-later
#include "game.h"

#include "board/layout.h"
#include "computer/computerplayer.h"
#include "runtime/clickarea.h"
#include "runtime/halo.h"
#include "runtime/label.h"
#include "runtime/shape.h"

#include <QAction>
#include <QApplication>
#include <QTest>

Game::Game(int firstPlayer, QStringList names)
{
    ScriptedPrompt prompt(std::move(names));
    start(firstPlayer, &prompt);
}

Game::Game(int firstPlayer, runtime::InputPrompt* prompt)
{
    start(firstPlayer, prompt);
}

Game::Game(int firstPlayer, const QString& name, engine::Level level)
{
    ScriptedPrompt prompt({ name });
    start(firstPlayer, &prompt, level);
}

Game::Game(int firstPlayer, const QList<int>& opening, std::optional<engine::Level> computer, int* draws)
{
    ScriptedPrompt prompt;
    start(firstPlayer, &prompt, computer, opening, draws);
}

Game::~Game() = default;

void Game::start(int firstPlayer, runtime::InputPrompt* prompt, std::optional<engine::Level> computer,
                 const std::optional<QList<int>>& opening, int* draws)
{
    QStringList log;
    ScriptedRandom random({ firstMoveBy(firstPlayer) }, &log);
    const runtime::StandIn promptStandIn(prompt);
    const runtime::StandIn randomStandIn(&random);
    m_window = std::make_unique<Form1>(computer ? Form1::Blue::computer : Form1::Blue::person, opening);
    if (computer)
        m_computer = std::make_unique<ComputerPlayer>(*m_window, *computer);
    m_window->load();
    if (draws)
        *draws = static_cast<int>(log.filter(QStringLiteral("next")).size());
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        qFatal("the board window was never exposed");
}

void Game::settle()
{
    const auto working = [this] { return m_window->isThinking() || (m_computer && m_computer->isThinking()); };
    // Each answer was posted before its search ended; an answer may ask the
    // engine again (the mistakes are judged one move after another).
    do {
        QTRY_VERIFY_WITH_TIMEOUT(!working(), 20000);
        QCoreApplication::sendPostedEvents();
    } while (working());
}

void Game::clickAt(QPoint point)
{
    // QTest would click the middle of the window instead.
    if (point.isNull())
        qFatal("Game::clickAt cannot click the top-left corner, (0, 0)");
    QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {}, point);
}

void Game::clickCell(int c, int r)
{
    clickAt(game::cellArea(c, r).center());
}

void Game::play(const QList<int>& columns)
{
    for (int c : columns)
        clickCell(c, game::rows - 1);
}

QAction& Game::action(const QKeySequence& key) const
{
    for (QAction* action : m_window->actions())
        if (action->shortcuts().contains(key))
            return *action;
    qFatal("the board has no action on %s", qPrintable(key.toString()));
}

QColor Game::discColor(int c, int r) const
{
    const auto* shape = m_window->findChild<runtime::Shape*>(QStringLiteral("Shp%1(%2)").arg(c).arg(r));
    return shape->fill();
}

QString Game::discs() const
{
    QString text;
    for (int c = 1; c <= 7; ++c)
        for (int r = 0; r < 6; ++r) {
            const QColor color = discColor(c, r);
            text += color == Qt::red ? 'R' : color == Qt::blue ? 'B' : '.';
        }
    return text;
}

bool Game::isColumnOpen(int c) const
{
    const auto* area
        = m_window->findChild<runtime::ClickArea*>(QStringLiteral("lblcover%1(0)").arg(c));
    return !area->isHidden();
}

QPoint Game::hintedHole() const
{
    const auto* ring = m_window->findChild<runtime::Halo*>(QStringLiteral("hint"));
    if (ring->isHidden())
        return {};
    for (int c = 1; c <= game::columns; ++c)
        for (int r = 0; r < game::rows; ++r)
            if (game::cellArea(c, r) == ring->circle())
                return { c, r };
    qFatal("the hint rings no hole");
}

QColor Game::hintColour() const
{
    return m_window->findChild<runtime::Halo*>(QStringLiteral("hint"))->colour();
}

int Game::visibleTurnLabel() const
{
    const bool first = !m_window->findChild<QWidget*>(QStringLiteral("lblplayer1"))->isHidden();
    const bool second = !m_window->findChild<QWidget*>(QStringLiteral("lblplayer2"))->isHidden();
    return (first ? 1 : 0) + (second ? 2 : 0);
}

QString Game::turnText(int player) const
{
    return m_window->findChild<runtime::Label*>(QStringLiteral("lblplayer%1").arg(player))->text();
}

QWidget* Game::gameover() const
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        if (window->objectName() == u"Gameover")
            return window;
    return nullptr;
}

QString Game::outcomeText() const
{
    QWidget* dialog = gameover();
    return dialog ? dialog->findChild<runtime::Label*>(QStringLiteral("lblwinner"))->text() : QString();
}
