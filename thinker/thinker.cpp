// SPDX-License-Identifier: GPL-3.0-or-later
#include "thinker.h"

#include "engine/engine.h"
#include "engine/team.h"
#include "quote/quote.h"

#include <QResource>

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>

// The thinker speaks of scores as the engine does; these say that it does.
static_assert(Thinker::maxScore == engine::MaxScore);
static_assert(Thinker::winningDisc(engine::winNowScore(0)) == 1, "the first player's first disc");
static_assert(Thinker::winningDisc(engine::winNowScore(1)) == 1, "the second player's first disc");
static_assert(Thinker::winningDisc(engine::winNowScore(engine::Cells - 1)) == engine::Cells / 2, "the last disc");

namespace {

// One engine serves every thinker. Thinkers take turns at it: each stops
// and waits for its worker before it asks again, and a thinker's worker
// waits while another's has the engine.
struct SharedEngine {
    std::mutex turnMutex;
    std::condition_variable turnEnded;
    bool inUse = false; // under turnMutex
    engine::Engine engine;

    SharedEngine()
    {
        engine.setBook(openingBook());
        engine.setThreads(threadsToUse());
    }

    // Every processor, up to the engine's most, unless VANTREL_THREADS asks
    // for fewer (1 to search on one). A value that is no number of threads
    // is said, once, rather than silently taken for every processor.
    static int threadsToUse()
    {
        const int processors = engine::processorsToUse();
        if (!qEnvironmentVariableIsSet("VANTREL_THREADS"))
            return processors;
        const QByteArray value = qgetenv("VANTREL_THREADS");
        const std::string_view text(value.constData(), static_cast<std::size_t>(value.size()));
        if (const std::optional<int> asked = engine::threadsAsked(text))
            return std::min(*asked, processors);
        // Quoted, so that a terminal shows what the value holds rather than acts on it.
        std::fprintf(stderr,
                     "vantrel: VANTREL_THREADS=\"%s\" is not understood (it takes a whole number from 1); "
                     "searching on the default %d thread%s instead\n",
                     quote::printableStart(text).c_str(), processors, processors == 1 ? "" : "s");
        return processors;
    }

    // The book is built into the program (data/engine.book), uncompressed,
    // and read where it lies; without it, the engine only searches longer.
    static engine::Book openingBook()
    {
        const QResource resource(QStringLiteral(":/engine/engine.book"));
        if (!resource.isValid())
            return {};
        if (resource.compressionAlgorithm() != QResource::NoCompression) {
            const QByteArray bytes = resource.uncompressedData();
            return engine::Book::fromBytes({ reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                             static_cast<std::size_t>(bytes.size()) });
        }
        return engine::Book::viewOf({ resource.data(), static_cast<std::size_t>(resource.size()) });
    }
};

SharedEngine& sharedEngine()
{
    static SharedEngine shared;
    return shared;
}

engine::Position positionAfter(const QList<int>& moves)
{
    std::string digits;
    for (int column : moves)
        digits += static_cast<char>('0' + column);
    return engine::Position(digits);
}

} // namespace

// What a question's work gets: the engine, the stop flag, and the way back.
struct Thinker::Asked {
    engine::Engine& engine;
    const std::atomic<bool>& stop;
    std::function<void(std::function<void()>)> answer;
};

Thinker::Thinker(QObject* parent)
    : QObject(parent)
{
}

Thinker::~Thinker()
{
    stop();
}

void Thinker::think(const QList<int>& moves, engine::Level level, std::function<void(int column)> found)
{
    const engine::Position position = positionAfter(moves);
    ask([this, position, level, found = std::move(found)](Asked& asked) {
        const std::optional<int> column = asked.engine.chooseMove(position, level, m_random, asked.stop);
        if (column)
            asked.answer([found, column] { found(*column + 1); });
    });
}

void Thinker::scoreColumns(const QList<int>& moves, std::function<void(int column, Bounds bounds)> found)
{
    const engine::Position position = positionAfter(moves);
    ask([position, found = std::move(found)](Asked& asked) {
        asked.engine.scoreColumns(position, asked.stop, [&asked, &found](int column, engine::ScoreBounds bounds) {
            asked.answer([found, column, bounds] { found(column + 1, { bounds.low, bounds.high }); });
        });
    });
}

std::optional<int> Thinker::bookColumn(const QList<int>& moves)
{
    const std::optional<engine::Choice> choice = sharedEngine().engine.book().lookup(positionAfter(moves));
    if (!choice)
        return std::nullopt;
    return choice->column + 1;
}

int Thinker::preferredColumn(const QList<int>& moves, const std::array<std::optional<int>, 8>& scores)
{
    std::array<std::optional<int>, engine::Width> engineScores{};
    std::copy(scores.begin() + 1, scores.end(), engineScores.begin());
    return engine::preferredChoice(positionAfter(moves), engineScores) + 1;
}

void Thinker::ask(std::function<void(Asked&)> work)
{
    stop();
    m_stop = false;
    m_searching = true;
    const int question = ++m_question;
    m_worker = std::thread([this, question, work = std::move(work)] {
        SharedEngine& shared = sharedEngine();
        // Another thinker may hold the engine for a long search. This one
        // waits its turn, but a stop must end the wait at once: the window
        // that stops it waits for this thread.
        {
            std::unique_lock lock(shared.turnMutex);
            shared.turnEnded.wait(lock, [&] { return !shared.inUse || m_stop; });
            if (m_stop) {
                m_searching = false;
                return;
            }
            shared.inUse = true;
        }
        Asked asked{ shared.engine, m_stop, [this, question](std::function<void()> deliver) {
                        QMetaObject::invokeMethod(this, [this, question, deliver] {
                            if (question == m_question)
                                deliver();
                        }, Qt::QueuedConnection);
                    } };
        work(asked);
        {
            const std::lock_guard lock(shared.turnMutex);
            shared.inUse = false;
        }
        shared.turnEnded.notify_all();
        m_searching = false;
    });
}

void Thinker::stop()
{
    m_stop = true;
    if (m_worker.joinable()) {
        // A worker waiting its turn checks the flag under the lock, so taking
        // the lock here means it has either seen the flag or is waiting for
        // this very notification.
        SharedEngine& shared = sharedEngine();
        { const std::lock_guard lock(shared.turnMutex); }
        shared.turnEnded.notify_all();
        m_worker.join();
    }
    // An answer already on its way is for a question no longer asked.
    ++m_question;
}
