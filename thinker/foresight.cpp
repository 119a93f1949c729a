// SPDX-License-Identifier: GPL-3.0-or-later
#include "foresight.h"

#include "thinker/sharedengine.h"


Foresight::~Foresight()
{
    stop();
    // The last worker joins the one before it first, and so on back.
    if (m_worker.joinable())
        m_worker.join();
}

void Foresight::thinkAhead(const QList<int>& moves, bool againstComputer)
{
    if (m_work && !m_work->stop && !m_work->ended && moves == m_moves && againstComputer == m_againstComputer)
        return;
    stop();
    m_moves = moves;
    m_againstComputer = againstComputer;
    const engine::Position shown = positionAfter(moves);
    const auto opponent = againstComputer ? engine::Engine::Opponent::computer : engine::Engine::Opponent::person;
    m_work = std::make_shared<Work>();
    m_worker = std::thread([work = m_work, before = std::move(m_worker), shown, opponent]() mutable {
        // The work abandoned before may still be winding down, on a busy
        // machine: this thread waits for it, the window does not.
        if (before.joinable())
            before.join();
        SharedEngine& shared = sharedEngine();
        if (shared.startThinkingAhead(work->stop))
            shared.engine.thinkAhead(shown, opponent, work->stop);
        shared.endThinkingAhead(work->stop);
        work->ended = true;
    });
}

void Foresight::stop()
{
    if (!m_work)
        return;
    m_work->stop = true;
    // A worker still waiting for the engine reads its flag again.
    sharedEngine().wakeWaiters();
}
