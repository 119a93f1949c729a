// SPDX-License-Identifier: GPL-3.0-or-later
#include "merge.h"

#include "bookfile.h"

#include "engine/completebook.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace tool {

using engine::Book;

namespace {

int discsOf(const Book::Entry& e)
{
    return engine::Position::fromKey(e.key).moves();
}

} // namespace

int merge(const MergeSettings& settings)
{
    std::vector<Book::Entry> deepest;
    for (const NamedBook& part : settings.parts)
        for (const Book::Entry& e : part.book.entries()) {
            if (discsOf(e) != settings.depth)
                throw std::runtime_error(part.path + " holds a position without " + std::to_string(settings.depth)
                                         + " discs: key " + std::to_string(e.key));
            deepest.push_back(e);
        }
    const std::vector<Book::Entry> lines = settings.lines != nullptr ? settings.lines->entries()
                                                                       : std::vector<Book::Entry>{};
    const Book book = engine::completeBook(settings.depth, deepest, lines);
    const std::size_t bytes = writeBookFile(settings.output, book);
    std::printf("merge: %zu positions, complete to %d discs from %zu parts, %zu of hard's lines beyond; "
                "%zu bytes in %s\n",
                book.size(), settings.depth, settings.parts.size(),
                static_cast<std::size_t>(std::count_if(lines.begin(), lines.end(),
                                                       [&](const auto& e) { return discsOf(e) > settings.depth; })),
                bytes, settings.output.c_str());
    return 0;
}

} // namespace tool
