// SPDX-License-Identifier: GPL-3.0-or-later
#include "thinker.h"

#include "engine/engine.h"
#include "runtime/services.h"

#include <QResource>

#include <mutex>

namespace {

// One engine serves every thinker, so that its table's memory is spent once
// and what it learns for a hint helps the computer, and the other way round.
// Thinkers take turns at it: each stops and waits for its worker before it
// asks again, and the lock covers the rest.
struct SharedEngine {
    std::mutex mutex;
    engine::Engine engine;

    SharedEngine() { engine.setBook(openingBook()); }

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
    stop();
    // The weaker levels' choices vary from game to game through the
    // program's random source, which is asked when they are first needed.
    if (!m_seeded) {
        m_random.seed(static_cast<std::uint64_t>(runtime::nextRandom() * 9007199254740992.0));
        m_seeded = true;
    }
    m_stop = false;
    m_searching = true;
    const int question = ++m_question;
    const engine::Position position = positionAfter(moves);
    m_worker = std::thread([this, position, level, question, found = std::move(found)] {
        SharedEngine& shared = sharedEngine();
        const std::lock_guard lock(shared.mutex);
        const std::optional<int> column = shared.engine.chooseMove(position, level, m_random, m_stop);
        if (column)
            QMetaObject::invokeMethod(this, [this, question, found, column] {
                if (question == m_question)
                    found(*column + 1);
            }, Qt::QueuedConnection);
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
