// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/completebook.h"

#include "engine/search.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_map>

namespace engine {

namespace {

// The positions after one more disc in the positions of a layer.
std::vector<std::uint64_t> nextLayer(const std::vector<std::uint64_t>& layer)
{
    std::vector<std::uint64_t> next;
    next.reserve(layer.size() * Width);
    for (const std::uint64_t key : layer) {
        const Position p = Position::fromKey(key);
        for (int column = 0; column < Width; ++column) {
            if (!p.canPlay(column) || p.isWinningMove(column))
                continue;
            Position child = p;
            child.play(column);
            if (!child.isFull())
                next.push_back(child.canonicalKey());
        }
    }
    std::sort(next.begin(), next.end());
    next.erase(std::unique(next.begin(), next.end()), next.end());
    return next;
}

int discsOf(std::uint64_t key)
{
    return Position::fromKey(key).moves();
}

} // namespace

std::vector<std::vector<std::uint64_t>> reachableLayers(int discs)
{
    // Each layer is the children of the one before, stopping where a disc
    // lines up four.
    std::vector<std::vector<std::uint64_t>> layers{ { Position().canonicalKey() } };
    for (int d = 0; d < discs; ++d)
        layers.push_back(nextLayer(layers.back()));
    return layers;
}

std::vector<std::uint64_t> shardOf(const std::vector<std::uint64_t>& layer, int shard, int shards)
{
    const auto boundary = [&](int k) {
        return layer.begin() + static_cast<std::ptrdiff_t>(layer.size() * static_cast<std::size_t>(k) / shards);
    };
    return { boundary(shard - 1), boundary(shard) };
}

std::vector<std::uint64_t> reachableKeys(int discs)
{
    return reachableLayers(discs).back();
}

std::optional<Choice> choiceFromChildren(const Position& position, const ScoreOf& scoreOf)
{
    const bool flip = position.mirrorKey() < position.key();
    const Position p = flip ? position.mirrored() : position;
    std::optional<Choice> best;
    for (const int column : CentreFirst) {
        if (!p.canPlay(column))
            continue;
        int score = winNowScore(p.moves());
        if (!p.isWinningMove(column)) {
            Position next = p;
            next.play(column);
            score = 0;
            if (!next.isFull()) {
                const std::optional<int> theirs = scoreOf(next);
                if (!theirs)
                    return std::nullopt;
                score = -*theirs;
            }
        }
        if (!best || score > best->score)
            best = Choice{ column, score };
    }
    if (best && flip)
        best->column = mirroredColumn(best->column);
    return best;
}

Book completeBook(int depth, const std::vector<Book::Entry>& deepest, const std::vector<Book::Entry>& beyond)
{
    const std::vector<std::vector<std::uint64_t>> layers = reachableLayers(depth);
    std::unordered_map<std::uint64_t, Choice> known;
    for (const Book::Entry& e : deepest)
        known.emplace(e.key, e.choice);
    if (known.size() != deepest.size() || known.size() != layers[depth].size()
        || !std::all_of(layers[depth].begin(), layers[depth].end(), [&](auto key) { return known.contains(key); }))
        throw std::invalid_argument("the parts do not hold every position with " + std::to_string(depth)
                                    + " discs exactly once");
    const ScoreOf scoreOf = [&](const Position& p) -> std::optional<int> {
        const auto it = known.find(p.canonicalKey());
        return it == known.end() ? std::nullopt : std::optional<int>(it->second.score);
    };
    for (int d = depth - 1; d >= 0; --d)
        for (const std::uint64_t key : layers[d])
            known.emplace(key, *choiceFromChildren(Position::fromKey(key), scoreOf));

    std::vector<Book::Entry> entries;
    entries.reserve(known.size() + beyond.size());
    for (const auto& [key, choice] : known)
        entries.push_back({ key, choice });
    for (const Book::Entry& e : beyond) {
        if (discsOf(e.key) > depth) {
            entries.push_back(e);
            continue;
        }
        const auto it = known.find(e.key);
        if (it == known.end() || it->second.column != e.choice.column || it->second.score != e.choice.score)
            throw std::invalid_argument("an entry within the depth disagrees with the complete book: key "
                                        + std::to_string(e.key));
    }
    return Book::fromEntries(std::move(entries));
}

int completeDepth(const Book& book)
{
    std::vector<std::uint64_t> layer{ Position().canonicalKey() };
    for (int d = 0;; ++d) {
        for (const std::uint64_t key : layer)
            if (!book.lookup(Position::fromKey(key)))
                return d - 1;
        layer = nextLayer(layer);
    }
}

std::string firstInconsistency(const Book& book, int depth)
{
    const ScoreOf scoreOf = [&](const Position& p) -> std::optional<int> {
        const std::optional<Choice> c = book.lookup(p);
        return c ? std::optional<int>(c->score) : std::nullopt;
    };
    for (std::size_t i = 0; i < book.size(); ++i) {
        const Book::Entry e = book.entry(i);
        const Position p = Position::fromKey(e.key);
        if (p.moves() >= depth)
            continue;
        const std::optional<Choice> expected = choiceFromChildren(p, scoreOf);
        if (!expected)
            return "the entry of key " + std::to_string(e.key) + " has a child the book lacks";
        if (expected->column != e.choice.column || expected->score != e.choice.score)
            return "the entry of key " + std::to_string(e.key) + " says column " + std::to_string(e.choice.column + 1)
                   + " and score " + std::to_string(e.choice.score) + "; its children give column "
                   + std::to_string(expected->column + 1) + " and score " + std::to_string(expected->score);
    }
    return {};
}

} // namespace engine
