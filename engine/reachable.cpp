// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/reachable.h"

#include "engine/search.h"

#include <algorithm>

namespace engine {

std::vector<std::uint64_t> reachableKeys(int discs)
{
    // One layer at a time: each layer is the children of the one before,
    // stopping where a disc lines up four.
    std::vector<std::uint64_t> layer{ Position().canonicalKey() };
    for (int d = 0; d < discs; ++d) {
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
        layer = std::move(next);
    }
    return layer;
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

} // namespace engine
