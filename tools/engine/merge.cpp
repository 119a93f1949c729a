// SPDX-License-Identifier: GPL-3.0-or-later
#include "merge.h"

#include "bookfile.h"

#include "engine/completebook.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <unordered_map>

namespace tool {

using engine::Book;

namespace {

int discsOf(const Book::Entry& e)
{
    return engine::Position::fromKey(e.key).moves();
}

// The same file, under one name or two.
void refuseAFileGivenTwice(const std::vector<NamedBook>& parts)
{
    for (auto part = parts.begin(); part != parts.end(); ++part)
        for (auto before = parts.begin(); before != part; ++before) {
            std::error_code error;
            if (std::filesystem::equivalent(before->path, part->path, error))
                throw std::invalid_argument(part->path + " is given twice"
                                            + (before->path == part->path ? "" : ", also as " + before->path));
        }
}

std::uint64_t firstKey(const Book& book)
{
    return book.entry(0).key;
}

std::uint64_t lastKey(const Book& book)
{
    return book.entry(book.size() - 1).key;
}

// Where a position that no part holds would be in key order, the order in
// which the parts cut the layer: between which parts one is missing.
std::string whereMissing(const std::vector<NamedBook>& parts, std::uint64_t key)
{
    const NamedBook* before = nullptr;
    const NamedBook* after = nullptr;
    for (const NamedBook& part : parts) {
        if (part.book.empty())
            continue;
        if (lastKey(part.book) < key && (before == nullptr || lastKey(part.book) > lastKey(before->book)))
            before = &part;
        if (firstKey(part.book) > key && (after == nullptr || firstKey(part.book) < firstKey(after->book)))
            after = &part;
    }
    return (before != nullptr ? " after " + before->path : "") + (before != nullptr && after != nullptr ? " and" : "")
           + (after != nullptr ? " before " + after->path : "");
}

} // namespace

void checkParts(int depth, const std::vector<NamedBook>& parts)
{
    refuseAFileGivenTwice(parts);
    std::unordered_map<std::uint64_t, const NamedBook*> holder;
    for (const NamedBook& part : parts)
        for (const Book::Entry& e : part.book.entries()) {
            if (discsOf(e) != depth)
                throw std::invalid_argument(part.path + " holds a position with " + std::to_string(discsOf(e))
                                            + " discs, not " + std::to_string(depth) + ": key "
                                            + std::to_string(e.key));
            const auto [held, isNew] = holder.emplace(e.key, &part);
            if (!isNew)
                throw std::invalid_argument(held->second->path + " and " + part.path + " both hold the position of key "
                                            + std::to_string(e.key));
        }
    // Every entry read is a position of the layer: the parts hold it all
    // when they hold as many.
    const std::vector<std::uint64_t> layer = engine::reachableKeys(depth);
    if (holder.size() == layer.size())
        return;
    const std::uint64_t missing
        = *std::find_if(layer.begin(), layer.end(), [&](auto key) { return !holder.contains(key); });
    throw std::invalid_argument("no part holds " + std::to_string(layer.size() - holder.size()) + " of the "
                                + std::to_string(layer.size()) + " positions with " + std::to_string(depth)
                                + " discs: a part is missing" + whereMissing(parts, missing)
                                + " (the first position missing has key " + std::to_string(missing) + ")");
}

int merge(const MergeSettings& settings)
{
    std::vector<Book::Entry> deepest;
    for (const NamedBook& part : settings.parts) {
        const std::vector<Book::Entry> entries = part.book.entries();
        deepest.insert(deepest.end(), entries.begin(), entries.end());
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
