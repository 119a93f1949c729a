// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/book.h"

#include <algorithm>
#include <stdexcept>

namespace engine {

namespace {

constexpr std::uint8_t Magic[4] = { 'V', 'T', 'B', 'K' };
constexpr std::uint32_t Version = 1;
constexpr std::size_t HeaderBytes = 12;

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

} // namespace

std::uint64_t Book::pack(const Entry& e)
{
    return e.key << KeyShift | static_cast<std::uint64_t>(e.choice.score + ScoreBias) << ScoreShift
           | static_cast<std::uint64_t>(e.choice.column);
}

std::size_t Book::check(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < HeaderBytes || !std::equal(Magic, Magic + 4, bytes.begin()))
        throw std::invalid_argument("not an opening book");
    if (readLittleEndian(bytes.data() + 4, 4) != Version)
        throw std::invalid_argument("an opening book of another version");
    const std::uint64_t count = readLittleEndian(bytes.data() + 8, 4);
    if (bytes.size() != HeaderBytes + count * 8)
        throw std::invalid_argument("an opening book of the wrong length");
    std::uint64_t previous = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint64_t word = readLittleEndian(bytes.data() + HeaderBytes + 8 * i, 8);
        if ((word & field(ColumnBits)) >= Width || (i > 0 && word >> KeyShift <= previous >> KeyShift))
            throw std::invalid_argument("an opening book with a bad entry");
        previous = word;
    }
    return count;
}

Book Book::fromBytes(std::span<const std::uint8_t> bytes)
{
    Book book;
    book.m_size = check(bytes);
    book.m_copy.assign(bytes.begin() + HeaderBytes, bytes.end());
    return book;
}

Book Book::viewOf(std::span<const std::uint8_t> bytes)
{
    Book book;
    book.m_size = check(bytes);
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
        writeLittleEndian(book.m_copy, word, 8);
    return book;
}

std::vector<std::uint8_t> Book::toBytes() const
{
    std::vector<std::uint8_t> out(Magic, Magic + 4);
    writeLittleEndian(out, Version, 4);
    writeLittleEndian(out, m_size, 4);
    out.insert(out.end(), entryBytes(), entryBytes() + 8 * m_size);
    return out;
}

std::uint64_t Book::word(std::size_t i) const
{
    return readLittleEndian(entryBytes() + 8 * i, 8);
}

Book::Entry Book::entry(std::size_t i) const
{
    const std::uint64_t w = word(i);
    return { w >> KeyShift, { static_cast<int>(w & field(ColumnBits)),
                              static_cast<int>(w >> ScoreShift & field(ScoreBits)) - ScoreBias } };
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

} // namespace engine
