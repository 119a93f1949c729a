// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/tt.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace engine {

namespace {

bool isPrime(std::size_t n)
{
    if (n < 2)
        return false;
    for (std::size_t d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return true;
}

std::size_t largestPrimeAtMost(std::size_t n)
{
    while (!isPrime(n))
        --n;
    return n;
}

// Probes land anywhere in the table, so with small pages nearly every one
// of a large table misses the processor's page cache as well as its data
// cache. The block is aligned to, and where the system lets us asked to be
// held in, huge pages of 2 MiB: a whole-game search with a table of a
// gibibyte runs more than twice as fast.
constexpr std::size_t hugePage = std::size_t{2} << 20;

std::uint64_t* allocateWords(std::size_t count)
{
    const std::size_t bytes = (count * sizeof(std::uint64_t) + hugePage - 1) / hugePage * hugePage;
    void* block = std::aligned_alloc(hugePage, bytes);
    if (!block)
        throw std::bad_alloc();
#ifdef __linux__
    madvise(block, bytes, MADV_HUGEPAGE);
#endif
    return static_cast<std::uint64_t*>(block);
}

} // namespace

TranspositionTable::TranspositionTable(std::size_t mebibytes)
    : m_buckets(largestPrimeAtMost(std::max<std::size_t>(mebibytes, 1) * (std::size_t{1} << 20)
                                   / (BucketWords * sizeof(std::uint64_t))))
    , m_words(allocateWords(BucketWords * m_buckets))
{
    clear();
}

void TranspositionTable::Release::operator()(std::uint64_t* words) const
{
    std::free(words);
}

void TranspositionTable::clear()
{
    std::fill_n(m_words.get(), entries(), std::uint64_t{0});
}

} // namespace engine
