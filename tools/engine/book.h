// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/book.h"

#include <cstddef>
#include <string>

namespace tool {

struct BookSettings {
    int depth = 8;               // the discs on the board in every position searched
    int shard = 1;               // this part, 1 to shards
    int shards = 1;              // how many parts the layer is cut into
    int threads = 2;
    // For each thread: a table this small stays close to the processor and
    // searches the layer about three times as fast as one of gigabytes, for
    // a sixth more nodes; with two threads, a fifth faster than 32 MiB.
    std::size_t tableMiB = 16;
    std::string output;          // the part: a book of this shard's positions
    std::string work;            // every choice made so far, one a line
    // A book of the layers before, or none: what it proves bounds each
    // search, and the positions it holds are taken from it.
    const engine::Book* known = nullptr;
};

// vantrel-engine book: searches perfect play's choice in every position of
// the complete book's deepest layer that falls in this shard and writes
// them as a book of their own, a part that `merge` joins with the others. The layer's positions, in
// increasing key order, are cut into `shards` runs of nearly equal length;
// shard K takes the K-th. Choices already in the work file are read back
// rather than searched again, so a run that was stopped goes on where it
// was. Returns the exit status.
int book(const BookSettings& settings);

} // namespace tool
