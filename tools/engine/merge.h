// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/book.h"

#include <string>
#include <vector>

namespace tool {

// A book read from a file, with the file's name for what is said of it.
struct NamedBook {
    std::string path;
    engine::Book book;
};

struct MergeSettings {
    int depth = 8;
    std::vector<NamedBook> parts;   // the deepest layer's parts, as `book` wrote them
    const engine::Book* lines = nullptr; // hard's lines beyond the depth, as `lines` wrote them
    std::string output;
};

// vantrel-engine merge: joins the parts into the complete book to the
// depth, with hard's lines beyond it, and writes it to the output; the
// bytes are the same however the layer was cut into parts. Returns the
// exit status.
int merge(const MergeSettings& settings);

} // namespace tool
