// SPDX-License-Identifier: GPL-3.0-or-later
#include "thinker.h"

#include "engine/engine.h"
#include "engine/team.h"

#include <QResource>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <string>

namespace {

// One engine serves every thinker. Thinkers take turns at it: each stops
// and waits for its worker before it asks again, and the lock covers the rest.
struct SharedEngine {
    std::mutex mutex;
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
        const std::string text = qEnvironmentVariable("VANTREL_THREADS").toStdString();
        if (const std::optional<int> asked = engine::threadsAsked(text))
            return std::min(*asked, processors);
        std::fprintf(stderr,
                     "vantrel: VANTREL_THREADS=\"%.40s\" is not understood (it takes a whole number from 1); "
                     "searching on the default %d thread%s instead\n",
                     text.c_str(), processors, processors == 1 ? "" : "s");
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

void Thinker::scoreColumns(const QList<int>& moves, std::function<void(int column, engine::ScoreBounds bounds)> found)
{
    const engine::Position position = positionAfter(moves);
    ask([position, found = std::move(found)](Asked& asked) {
        asked.engine.scoreColumns(position, asked.stop, [&asked, &found](int column, engine::ScoreBounds bounds) {
            asked.answer([found, column, bounds] { found(column + 1, bounds); });
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
        std::unique_lock lock(shared.mutex, std::defer_lock);
        while (!lock.try_lock()) {
            if (m_stop) {
                m_searching = false;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        Asked asked{ shared.engine, m_stop, [this, question](std::function<void()> deliver) {
                        QMetaObject::invokeMethod(this, [this, question, deliver] {
                            if (question == m_question)
                                deliver();
                        }, Qt::QueuedConnection);
                    } };
        work(asked);
        m_searching = false;
    });
}

void Thinker::stop()
{
    m_stop = true;
    if (m_worker.joinable())
        m_worker.join();
    // An answer already on its way is for a question no longer asked.
    ++m_question;
}
