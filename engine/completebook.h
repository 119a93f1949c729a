// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/book.h"
#include "engine/position.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The complete opening book: every position a game can reach with up to a
// number of discs, its depth. Only the deepest layer is searched, in parts
// that may run on different machines (vantrel-engine book); each shallower
// position's choice follows from its children's, which the book holds.

namespace engine {

// The positions a game can reach with exactly `discs` discs on the board
// and go on from: nobody has lined up four on the way, and the board is not
// full. One key per position and its mirror image (Position::canonicalKey()),
// in increasing order.
std::vector<std::uint64_t> reachableKeys(int discs);
// The same for every number of discs from 0 to `discs`, one layer each.
std::vector<std::vector<std::uint64_t>> reachableLayers(int discs);
// Shard K (1 to N) of N of a layer: the K-th of N runs of nearly equal
// length, in key order.
std::vector<std::uint64_t> shardOf(const std::vector<std::uint64_t>& layer, int shard, int shards);

// What the side to move scores in a position where the game is not over,
// as far as it is known: nothing when it is not.
using ScoreOf = std::function<std::optional<int>(const Position&)>;

// Perfect play's choice in a position where the game is not over, from the
// scores of the positions its columns lead to: a win at once scores
// winNowScore(), a column that fills the board 0, and any other column the
// opposite of what `scoreOf` gives for the position after it. Among the
// best columns the first in centre-first order wins, as seen from the
// position or its mirror image, whichever has the smaller key: the same
// choice as Search::bestChoice(). Nothing when `scoreOf` does not know a column.
std::optional<Choice> choiceFromChildren(const Position& position, const ScoreOf& scoreOf);

// The complete book to `depth` discs from its deepest layer, as the parts
// searched it: every shallower position's choice follows from its
// children's. Entries with more discs (hard's lines beyond the depth) are
// kept as they are; any of those within the depth must agree with the book.
// Throws std::invalid_argument when the deepest layer is not exactly the
// reachable positions with `depth` discs, or an entry disagrees.
Book completeBook(int depth, const std::vector<Book::Entry>& deepest, const std::vector<Book::Entry>& beyond);

// The depth to which a book is complete: the most discs such that it holds
// every reachable position with that many or fewer; -1 for none.
int completeDepth(const Book& book);

// What is wrong with a complete book, if anything: the first entry short
// of the depth whose column and score are not what its children's entries
// give. Empty when every one agrees.
std::string firstInconsistency(const Book& book, int depth);

} // namespace engine
