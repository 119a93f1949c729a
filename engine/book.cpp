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

std::uint64_t pack(const Book::Entry& e)
{
    return e.key << 9 | static_cast<std::uint64_t>(e.choice.score + 32) << 3
           | static_cast<std::uint64_t>(e.choice.column);
}

} // namespace

Book Book::fromBytes(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < HeaderBytes || !std::equal(Magic, Magic + 4, bytes.begin()))
        throw std::invalid_argument("not an opening book");
    if (readLittleEndian(bytes.data() + 4, 4) != Version)
        throw std::invalid_argument("an opening book of another version");
    const std::uint64_t count = readLittleEndian(bytes.data() + 8, 4);
    if (bytes.size() != HeaderBytes + count * 8)
        throw std::invalid_argument("an opening book of the wrong length");
    Book book;
    book.m_words.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint64_t word = readLittleEndian(bytes.data() + HeaderBytes + 8 * i, 8);
        if ((word & 7) >= Width || (i > 0 && word >> 9 <= book.m_words.back() >> 9))
            throw std::invalid_argument("an opening book with a bad entry");
        book.m_words.push_back(word);
    }
    return book;
}

Book Book::fromEntries(std::vector<Entry> entries)
{
    Book book;
    book.m_words.reserve(entries.size());
    for (const Entry& e : entries)
        book.m_words.push_back(pack(e));
    std::sort(book.m_words.begin(), book.m_words.end());
    const auto sameKey = [](std::uint64_t a, std::uint64_t b) { return a >> 9 == b >> 9; };
    if (std::adjacent_find(book.m_words.begin(), book.m_words.end(), sameKey) != book.m_words.end())
        throw std::invalid_argument("a position twice in an opening book");
    return book;
}

std::vector<std::uint8_t> Book::toBytes() const
{
    std::vector<std::uint8_t> out(Magic, Magic + 4);
    writeLittleEndian(out, Version, 4);
    writeLittleEndian(out, m_words.size(), 4);
    for (const std::uint64_t word : m_words)
        writeLittleEndian(out, word, 8);
    return out;
}

Book::Entry Book::entry(std::size_t i) const
{
    const std::uint64_t word = m_words[i];
    return { word >> 9, { static_cast<int>(word & 7), static_cast<int>((word >> 3) & 63) - 32 } };
}

std::optional<Choice> Book::lookup(const Position& position) const
{
    const std::uint64_t key = position.canonicalKey();
    const auto it = std::lower_bound(m_words.begin(), m_words.end(), key << 9);
    if (it == m_words.end() || *it >> 9 != key)
        return std::nullopt;
    Choice choice = entry(static_cast<std::size_t>(it - m_words.begin())).choice;
    if (key != position.key())
        choice.column = mirroredColumn(choice.column);
    return choice;
}

} // namespace engine
