// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/book.h"

#include <algorithm>
#include <bit>
#include <stdexcept>
#include <string>
#include <unordered_set>

namespace engine {

namespace {

// The header, as the comment on Book draws it: the magic, then the version
// and the number of entries, then the entries' words.
constexpr std::uint8_t Magic[] = { 'V', 'T', 'B', 'K' };
constexpr int MagicBytes = sizeof Magic;
constexpr std::uint32_t Version = 1;
constexpr int VersionOffset = MagicBytes, VersionBytes = 4;
constexpr int CountOffset = VersionOffset + VersionBytes, CountBytes = 4;
constexpr std::size_t HeaderBytes = CountOffset + CountBytes;
constexpr int WordBytes = sizeof(std::uint64_t);

std::uint64_t readLittleEndian(const std::uint8_t* bytes, int count)
{
    std::uint64_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | bytes[i];
    return value;
}

void writeLittleEndian(std::vector<std::uint8_t>& out, std::uint64_t value, int count)
{
    for (int i = 0; i < count; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// Whether the discs can come off the board one at a time, each from the top
// of its column, the last mover's first and the two sides in turn: whether
// a game can have put them there. `lastMover` holds the discs of the side
// that moved last. What cannot is kept in `dead`, so that each arrangement
// is tried once.
bool canTakeBack(Bitboard lastMover, Bitboard mask, std::unordered_set<std::uint64_t>& dead)
{
    if (mask == 0)
        return true;
    const std::uint64_t key = lastMover + mask; // one number per arrangement, as Position::key()
    if (dead.contains(key))
        return false;
    const Bitboard tops = ((mask + BottomRow) >> 1) & mask;
    for (Bitboard candidates = tops & lastMover; candidates != 0; candidates &= candidates - 1) {
        const Bitboard cell = candidates & (~candidates + 1);
        if (canTakeBack(mask ^ lastMover, mask ^ cell, dead))
            return true;
    }
    dead.insert(key);
    return false;
}

bool isReachable(const Position& p)
{
    std::unordered_set<std::uint64_t> dead;
    return canTakeBack(p.current() ^ p.mask(), p.mask(), dead);
}

// A key is a position's when no column holds more than its height: the
// column's group of bits all ones would mean one disc too many.
bool isPositionKey(std::uint64_t key)
{
    constexpr std::uint64_t group = (std::uint64_t{1} << ColumnBits) - 1;
    for (int c = 0; c < Width; ++c)
        if ((key >> (c * ColumnBits) & group) == group)
            return false;
    return true;
}

std::string scoreFault(int score, int least, int most, const std::string& position)
{
    return "its score " + std::to_string(score) + " is not one " + position + " can have (" + std::to_string(least)
           + " to " + std::to_string(most) + ")";
}

constexpr const char* ColumnBeyondTheBoard = "its column is beyond the board";

// What is wrong with an entry, or nothing: at start-up only what costs no
// more than reading the word (the key and score in range).
std::string faultOf(const Book::Entry& e, bool all)
{
    if (e.key >> (Width * ColumnBits) != 0)
        return "its key is beyond the board";
    if (e.choice.score < -MaxScore || e.choice.score > MaxScore)
        return scoreFault(e.choice.score, -MaxScore, MaxScore, "any position");
    if (!all)
        return {};
    if (!isPositionKey(e.key))
        return "its key is no position";
    const Position p = Position::fromKey(e.key);
    if (e.key != p.canonicalKey())
        return "its key is not the position's canonical one";
    if (p.isFull())
        return "the board is full";
    if (!p.canPlay(e.choice.column))
        return "its column " + std::to_string(e.choice.column + 1) + " is full";
    const auto [least, most] = possibleScores(p.moves());
    if (e.choice.score < least || e.choice.score > most)
        return scoreFault(e.choice.score, least, most, "a position with " + std::to_string(p.moves()) + " discs");
    if (Position::hasFour(p.current()) || Position::hasFour(p.current() ^ p.mask()))
        return "the game is over in it: four in a line";
    if (!isReachable(p))
        return "no game reaches it";
    return {};
}

} // namespace

std::uint64_t Book::pack(const Entry& e)
{
    return e.key << KeyShift | static_cast<std::uint64_t>(e.choice.score + ScoreBias) << ScoreShift
           | static_cast<std::uint64_t>(e.choice.column);
}

std::size_t Book::check(std::span<const std::uint8_t> bytes, Checks checks)
{
    if (bytes.size() < HeaderBytes || !std::equal(Magic, Magic + MagicBytes, bytes.begin()))
        throw std::invalid_argument("not an opening book");
    if (readLittleEndian(bytes.data() + VersionOffset, VersionBytes) != Version)
        throw std::invalid_argument("an opening book of another version");
    const std::uint64_t count = readLittleEndian(bytes.data() + CountOffset, CountBytes);
    if (bytes.size() != HeaderBytes + count * WordBytes)
        throw std::invalid_argument("an opening book of the wrong length");
    std::uint64_t previous = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint64_t word = readLittleEndian(bytes.data() + HeaderBytes + WordBytes * i, WordBytes);
        const Entry e = unpack(word);
        std::string fault;
        if (e.choice.column >= Width)
            fault = ColumnBeyondTheBoard;
        else if (i > 0 && e.key <= previous >> KeyShift)
            fault = "its key is not greater than the one before";
        else
            fault = faultOf(e, checks == Checks::all);
        if (!fault.empty())
            throw std::invalid_argument("an opening book whose entry " + std::to_string(i + 1) + " of "
                                        + std::to_string(count) + " (key " + std::to_string(e.key)
                                        + ") is wrong: " + fault);
        previous = word;
    }
    return count;
}

std::string Book::entryFault(const Entry& entry)
{
    if (entry.choice.column < 0 || entry.choice.column >= Width)
        return ColumnBeyondTheBoard;
    return faultOf(entry, true);
}

Book Book::fromBytes(std::span<const std::uint8_t> bytes)
{
    Book book;
    book.m_size = check(bytes, Checks::all);
    book.m_copy.assign(bytes.begin() + HeaderBytes, bytes.end());
    return book;
}

Book Book::viewOf(std::span<const std::uint8_t> bytes)
{
    Book book;
    book.m_size = check(bytes, Checks::atStartUp);
    book.m_outside = bytes.data() + HeaderBytes;
    return book;
}

Book Book::fromEntries(std::vector<Entry> entries)
{
    std::vector<std::uint64_t> words;
    words.reserve(entries.size());
    for (const Entry& e : entries)
        words.push_back(pack(e));
    std::sort(words.begin(), words.end());
    const auto sameKey = [](std::uint64_t a, std::uint64_t b) { return a >> KeyShift == b >> KeyShift; };
    if (std::adjacent_find(words.begin(), words.end(), sameKey) != words.end())
        throw std::invalid_argument("a position twice in an opening book");
    Book book;
    book.m_size = words.size();
    for (const std::uint64_t word : words)
        writeLittleEndian(book.m_copy, word, WordBytes);
    return book;
}

std::vector<std::uint8_t> Book::toBytes() const
{
    std::vector<std::uint8_t> out(Magic, Magic + MagicBytes);
    writeLittleEndian(out, Version, VersionBytes);
    writeLittleEndian(out, m_size, CountBytes);
    out.insert(out.end(), entryBytes(), entryBytes() + WordBytes * m_size);
    return out;
}

std::uint64_t Book::word(std::size_t i) const
{
    return readLittleEndian(entryBytes() + WordBytes * i, WordBytes);
}

Book::Entry Book::unpack(std::uint64_t word)
{
    return { word >> KeyShift, { static_cast<int>(word & field(ColumnBits)),
                                 static_cast<int>(word >> ScoreShift & field(ScoreBits)) - ScoreBias } };
}

Book::Entry Book::entry(std::size_t i) const
{
    return unpack(word(i));
}

std::vector<Book::Entry> Book::entries() const
{
    std::vector<Entry> all;
    all.reserve(m_size);
    for (std::size_t i = 0; i < m_size; ++i)
        all.push_back(entry(i));
    return all;
}

std::optional<Choice> Book::lookup(const Position& position) const
{
    const std::uint64_t key = position.canonicalKey();
    std::size_t low = 0, high = m_size; // the first entry with this key or a greater one is in [low, high]
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (word(middle) >> KeyShift < key)
            low = middle + 1;
        else
            high = middle;
    }
    if (low == m_size || word(low) >> KeyShift != key)
        return std::nullopt;
    Choice choice = entry(low).choice;
    if (key != position.key())
        choice.column = mirroredColumn(choice.column);
    return choice;
}

ScoreBounds Book::bounds(const Position& position) const
{
    if (const std::optional<Choice> known = lookup(position))
        return { known->score, known->score };
    ScoreBounds bounds;
    if (empty() || position.moves() == 0)
        return bounds;
    // Each column topped by a disc of the side that moved last may have
    // taken its last disc.
    const Bitboard lastMover = position.current() ^ position.mask();
    for (int column = 0; column < Width; ++column) {
        const Bitboard discs = position.mask() & Position::columnCells(column);
        if (discs == 0)
            continue;
        const Bitboard top = Bitboard{1} << (std::bit_width(discs) - 1);
        if ((top & lastMover) == 0)
            continue;
        const Position previous = Position::fromKey((lastMover ^ top) + (position.mask() ^ top));
        const std::optional<Choice> choice = lookup(previous);
        if (!choice)
            continue;
        if (choice->column == column)
            return { -choice->score, -choice->score };
        // The book's column is the first of the best in the search's order
        // of preference: a column before it scores less.
        const bool before = preferenceRank(previous, column) < preferenceRank(previous, choice->column);
        bounds.low = std::max(bounds.low, -choice->score + (before ? 1 : 0));
    }
    return bounds;
}

} // namespace engine
