// SPDX-License-Identifier: GPL-3.0-or-later
#include "sharedengine.h"

#include "engine/threadcount.h"
#include "quote/quote.h"

#include <QResource>

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

// Every processor, up to the engine's most, unless VANTREL_THREADS asks
// for fewer (1 to search on one). A value that is no number of threads
// is said, once, rather than silently taken for every processor.
int threadsToUse()
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
engine::Book openingBook()
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

} // namespace

SharedEngine::SharedEngine()
{
    engine.setBook(openingBook());
    engine.setThreads(threadsToUse());
}

bool SharedEngine::takeTurn(const std::atomic<bool>& stop)
{
    std::unique_lock lock(turnMutex);
    turnEnded.wait(lock, [&] { return !inUse || stop; });
    if (stop)
        return false;
    inUse = true;
    for (std::atomic<bool>* aheadStop : ahead)
        *aheadStop = true;
    return true;
}

void SharedEngine::endTurn()
{
    {
        const std::lock_guard lock(turnMutex);
        inUse = false;
    }
    turnEnded.notify_all();
}

bool SharedEngine::startThinkingAhead(std::atomic<bool>& stop)
{
    std::unique_lock lock(turnMutex);
    ahead.push_back(&stop);
    turnEnded.wait(lock, [&] { return !inUse || stop; });
    return !stop;
}

void SharedEngine::endThinkingAhead(std::atomic<bool>& stop)
{
    const std::lock_guard lock(turnMutex);
    ahead.erase(std::find(ahead.begin(), ahead.end(), &stop));
}

// A waiter checks its flag under the lock, so taking the lock here means
// it has either seen the flag or is waiting for this very notification.
void SharedEngine::wakeWaiters()
{
    { const std::lock_guard lock(turnMutex); }
    turnEnded.notify_all();
}

SharedEngine& sharedEngine()
{
    static SharedEngine shared;
    return shared;
}

engine::Position positionAfter(const QList<int>& moves)
{
    std::string digits;
    for (const int column : moves)
        digits += static_cast<char>('0' + column);
    return engine::Position(digits);
}
