// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tool {

struct MergeSettings {
    int depth = 8;
    std::vector<std::string> parts; // the deepest layer's parts, as `book` wrote them
    std::string lines;              // hard's lines beyond the depth, as `lines` wrote them; none when empty
    std::string output = "data/engine.book";
};

// Joins the parts into the complete book to the depth, with hard's lines
// beyond it; the bytes are the same however the layer was cut into parts.
int mergeBook(const MergeSettings& settings);

struct VerifySettings {
    std::string book;
    int sample = 20;         // deepest entries searched again, each with an empty table
    std::uint64_t seed = 1;
    std::size_t tableMiB = 64;
};

// Checks a book without trusting the machine that made it: the depth to
// which it is complete, every shallower entry against its children's, the
// first moves against their published outcomes, and a sample of the deepest
// layer searched again from scratch. Returns the exit status.
int verifyBook(const VerifySettings& settings);

} // namespace tool
