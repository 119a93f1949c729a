// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/tt.h"

#include <algorithm>

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

} // namespace

TranspositionTable::TranspositionTable(std::size_t mebibytes)
    : m_size(largestPrimeAtMost(std::max<std::size_t>(mebibytes, 1) * (std::size_t{1} << 20)
                                / sizeof(std::uint64_t)))
    , m_words(std::make_unique<std::uint64_t[]>(m_size))
{
}

void TranspositionTable::clear()
{
    std::fill_n(m_words.get(), m_size, std::uint64_t{0});
}

} // namespace engine
