// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/book.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace tool {

struct VerifySettings {
    std::string path;          // the book's file, for what is said of it
    const engine::Book* book = nullptr;
    int sample = 20;           // deepest entries searched again, each with an empty table
    std::uint64_t seed = 1;
    std::size_t tableMiB = 64;
};

// vantrel-engine verify: checks a book without trusting the machine that
// made it: the depth to which it is complete, every shallower entry
// against its children's, the first moves against their published
// outcomes, and a sample of the deepest layer searched again from scratch.
// (Each entry's position and score were checked as the book was read.)
// Returns the exit status: 1 when anything is wrong.
int verify(const VerifySettings& settings);

} // namespace tool
