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
    std::vector<NamedBook> parts;   // the deepest layer's parts, as `book` wrote them, checked
    const engine::Book* lines = nullptr; // hard's lines beyond the depth, as `lines` wrote them
    std::string output;
};

// Refuses parts that do not make the layer together: a part with a
// position of another depth, a file given twice, two parts that hold the
// same position, and parts that leave positions out (a part missing).
// Throws std::invalid_argument naming the file at fault, or for a part
// missing those around the gap.
void checkParts(int depth, const std::vector<NamedBook>& parts);

// vantrel-engine merge: joins the parts into the complete book to the
// depth, with hard's lines beyond it, and writes it to the output; the
// bytes are the same however the layer was cut into parts. Returns the
// exit status.
int merge(const MergeSettings& settings);

} // namespace tool
