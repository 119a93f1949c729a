// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <string_view>
#include <thread>

// How many threads a search may use: the machine's processors, and the
// settings that ask for fewer.
namespace engine {

// The most threads a search uses, however many processors the machine has:
// beyond a few, threads sharing one table of a few MiB gain little.
inline constexpr int MostThreads = 8;

// The machine's processors, at most MostThreads, at least one.
inline int processorsToUse()
{
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, MostThreads);
}

// The threads a setting such as VANTREL_THREADS asks for: a whole number
// from 1, in decimal digits alone; nothing for any other text. A number
// above the processors asks for them all, however many digits it has: one
// too large for an int is the largest int.
inline std::optional<int> threadsAsked(std::string_view text)
{
    constexpr unsigned most = std::numeric_limits<int>::max();
    unsigned threads = 0; // unsigned, so that no sign is read
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), threads);
    if (end != text.data() + text.size() || (error != std::errc() && error != std::errc::result_out_of_range))
        return std::nullopt;
    if (error == std::errc::result_out_of_range || threads > most)
        return static_cast<int>(most);
    if (threads < 1)
        return std::nullopt;
    return static_cast<int>(threads);
}

} // namespace engine
