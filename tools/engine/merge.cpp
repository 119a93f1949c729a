// SPDX-License-Identifier: GPL-3.0-or-later
#include "merge.h"

#include "bookfile.h"
#include "options.h"

#include "engine/completebook.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <map>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

namespace tool {

using engine::Book;

namespace {

// A book read from a file, with the file's name for what is said of it.
struct NamedBook {
    std::string path;
    engine::Book book;
};

struct MergeSettings {
    int depth = ShippedBookDepth;
    std::vector<NamedBook> parts;   // the deepest layer's parts, as `book` wrote them, checked
    const engine::Book* lines = nullptr; // hard's lines beyond the depth, as `lines` wrote them
    std::string output;
};

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
                throw std::invalid_argument(
                    shownPath(part->path) + " is given twice"
                    + (before->path == part->path ? "" : ", also as " + shownPath(before->path)));
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
    return (before != nullptr ? " after " + shownPath(before->path) : "")
           + (before != nullptr && after != nullptr ? " and" : "")
           + (after != nullptr ? " before " + shownPath(after->path) : "");
}

// Refuses parts that do not make the layer together: a part with a
// position of another depth, a file given twice, two parts that hold the
// same position, and parts that leave positions out (a part missing).
// Throws std::invalid_argument naming the file at fault, or for a part
// missing those around the gap.
void checkParts(int depth, const std::vector<NamedBook>& parts)
{
    refuseAFileGivenTwice(parts);
    std::unordered_map<std::uint64_t, const NamedBook*> holder;
    for (const NamedBook& part : parts)
        for (const Book::Entry& e : part.book.entries()) {
            if (discsOf(e) != depth)
                throw std::invalid_argument(shownPath(part.path) + " holds a position with "
                                            + std::to_string(discsOf(e)) + " discs, not " + std::to_string(depth)
                                            + ": key " + std::to_string(e.key));
            const auto [held, isNew] = holder.emplace(e.key, &part);
            if (!isNew)
                throw std::invalid_argument(shownPath(held->second->path) + " and " + shownPath(part.path)
                                            + " both hold the position of key " + std::to_string(e.key));
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

// The parts and the lines joined into the complete book.
Book merged(const MergeSettings& settings)
{
    std::vector<Book::Entry> deepest;
    for (const NamedBook& part : settings.parts) {
        const std::vector<Book::Entry> entries = part.book.entries();
        deepest.insert(deepest.end(), entries.begin(), entries.end());
    }
    return engine::completeBook(settings.depth, deepest, settings.lines != nullptr ? settings.lines->entries()
                                                                                   : std::vector<Book::Entry>{});
}

// The entries of `shipped` that `book` lacks, counted by their discs.
std::map<int, std::size_t> droppedFrom(const Book& shipped, const Book& book)
{
    std::map<int, std::size_t> dropped;
    for (const Book::Entry& e : shipped.entries())
        if (!book.lookup(engine::Position::fromKey(e.key)))
            ++dropped[discsOf(e)];
    return dropped;
}

std::string described(const std::map<int, std::size_t>& dropped)
{
    if (dropped.size() == 1)
        return "all with " + std::to_string(dropped.begin()->first) + " discs";
    std::string text;
    for (const auto& [discs, count] : dropped)
        text += (text.empty() ? "" : ", ") + std::to_string(count) + " with " + std::to_string(discs) + " discs";
    return text;
}

// A book complete to fewer discs than the shipped one, moved into its
// place, would silently take away every deeper position: refused, saying
// what it would drop, unless allowed. A tool without the shipped book has
// nothing to compare with.
void refuseShallower(const Command& command, int depth, const Book& book)
{
    const std::string path = shippedBook();
    Book shipped;
    try {
        shipped = readBookFile(path);
    } catch (const std::runtime_error&) {
        return;
    }
    const std::map<int, std::size_t> dropped = droppedFrom(shipped, book);
    if (dropped.empty())
        return;
    const int shippedDepth = engine::completeDepth(shipped);
    if (depth >= shippedDepth)
        return;
    std::size_t count = 0;
    for (const auto& [discs, entries] : dropped)
        count += entries;
    command.refuse("--depth " + std::to_string(depth) + " makes a book complete to " + std::to_string(depth)
                   + " discs, shallower than the shipped book " + shownPath(path) + ", complete to "
                   + std::to_string(shippedDepth) + ": in its place it would drop " + std::to_string(count)
                   + " of its " + std::to_string(shipped.size()) + " entries, " + described(dropped)
                   + "; --allow-shallower makes it all the same");
}

int writeMerged(const MergeSettings& settings, const Book& book)
{
    const std::size_t bytes = writeBookFile(settings.output, book);
    const std::vector<Book::Entry> lines = settings.lines != nullptr ? settings.lines->entries()
                                                                       : std::vector<Book::Entry>{};
    const auto beyond = static_cast<std::size_t>(
        std::count_if(lines.begin(), lines.end(), [&](const auto& e) { return discsOf(e) > settings.depth; }));
    std::printf("merge: %zu positions, complete to %d discs from %zu parts, %zu of hard's lines beyond; "
                "%zu bytes in %s\n",
                book.size(), settings.depth, settings.parts.size(), beyond, bytes, shownPath(settings.output).c_str());
    return 0;
}

} // namespace

int runMerge(Command& command)
{
    MergeSettings settings;
    std::string linesPath;
    std::vector<std::string> partPaths;
    bool force = false;
    bool allowShallower = false;
    command.number("depth", "The discs on the board in every position of the parts", settings.depth, 0, MaxLayerDepth);
    command.file("lines", "Hard's lines to keep beyond the depth", linesPath);
    command.file("output", "The book to write", settings.output, Need::required);
    command.flag("force", "Replace the output if it exists", force);
    command.flag("allow-shallower",
                 "Make a book complete to fewer discs than the shipped one, which it would replace with fewer entries",
                 allowShallower);
    command.words("PART", "The parts of the layer, as book wrote them", partPaths, 1, std::numeric_limits<int>::max());
    if (!command.read())
        return 0;
    refuseUnwritable(command, "--output", settings.output, force);
    for (const std::string& path : partPaths)
        settings.parts.push_back({ path, readBook(command, "PART", path) });
    try {
        checkParts(settings.depth, settings.parts);
    } catch (const std::invalid_argument& e) {
        command.refuse(std::string("PART: ") + e.what());
    }
    const engine::Book lines = linesPath.empty() ? engine::Book() : readBook(command, "--lines", linesPath);
    if (!linesPath.empty())
        settings.lines = &lines;
    const Book book = merged(settings);
    if (!allowShallower)
        refuseShallower(command, settings.depth, book);
    return writeMerged(settings, book);
}

} // namespace tool
