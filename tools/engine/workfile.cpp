// SPDX-License-Identifier: GPL-3.0-or-later
#include "workfile.h"

#include "bookfile.h"
#include "command.h"

#include "engine/book.h"

#include <filesystem>
#include <iterator>
#include <optional>
#include <sstream>
#include <unordered_map>

namespace tool {

namespace {

// The longest line a search writes: a key of the 49 bits of a position,
// its column, its score and its discs, with room to spare.
constexpr std::size_t MostLineBytes = 32;
// A line for each entry of the largest book.
constexpr std::size_t MostWorkBytes = MostBookEntries * MostLineBytes;

// A line as its fields, or nothing when it is not "key column score", and
// the discs when `withDiscs`, whole numbers all.
std::optional<WorkLine> fieldsOf(const std::string& text, bool withDiscs)
{
    std::istringstream in(text);
    const std::vector<std::string> words{ std::istream_iterator<std::string>(in), {} };
    WorkLine line;
    if (words.size() != (withDiscs ? 4U : 3U) || !readWholeNumber(words[0], line.key)
        || !readWholeNumber(words[1], line.choice.column) || !readWholeNumber(words[2], line.choice.score)
        || (withDiscs && !readWholeNumber(words[3], line.discs)))
        return std::nullopt;
    return line;
}

// A stop can cut the last line short anywhere, and what it leaves is the
// start of a line: a few digits, spaces and minus signs.
bool isCutShort(const std::string& tail)
{
    return tail.size() < MostLineBytes && tail.find_first_not_of("0123456789 -") == std::string::npos;
}

// Reads the lines one by one and remembers each position's choice, to
// check the next line against.
class WorkReader {
public:
    WorkReader(const std::string& path, bool withDiscs, const LineCheck& check)
        : m_path(path)
        , m_withDiscs(withDiscs)
        , m_check(check)
    {
    }

    void read(const std::string& text)
    {
        ++m_number;
        const std::optional<WorkLine> line = fieldsOf(text, m_withDiscs);
        if (!line)
            refuse(text, m_withDiscs ? "it is not \"key column score discs\", whole numbers"
                                     : "it is not \"key column score\", whole numbers");
        const std::string fault = faultOf(*line);
        if (!fault.empty())
            refuse(text, fault);
        m_lines.push_back(*line);
    }

    // What is left after the last newline.
    void readTail(const std::string& text)
    {
        ++m_number;
        if (!isCutShort(text))
            refuse(text, "the last line, without its newline, is no line cut short");
    }

    std::vector<WorkLine> lines() && { return std::move(m_lines); }

private:
    [[noreturn]] void refuse(const std::string& text, const std::string& fault) const
    {
        throw DamagedWork(shownPath(m_path) + ", line " + std::to_string(m_number) + ' ' + quotedStart(text) + ": "
                          + fault);
    }

    static bool sameChoice(const WorkLine& a, const WorkLine& b)
    {
        return a.choice.column == b.choice.column && a.choice.score == b.choice.score;
    }

    std::string faultOf(const WorkLine& line)
    {
        std::string fault = engine::Book::entryFault({ line.key, line.choice });
        if (!fault.empty())
            return fault;
        const int discs = engine::Position::fromKey(line.key).moves();
        if (m_withDiscs && line.discs != discs)
            return "it says " + std::to_string(line.discs) + " discs; its position has " + std::to_string(discs);
        const auto [first, isFirst] = m_firstLine.try_emplace(line.key, m_number);
        if (!isFirst && !sameChoice(m_lines[first->second - 1], line))
            return "line " + std::to_string(first->second) + " gives its position another choice";
        return m_check(line);
    }

    const std::string& m_path;
    const bool m_withDiscs;
    const LineCheck& m_check;
    std::size_t m_number = 0;
    std::vector<WorkLine> m_lines;
    std::unordered_map<std::uint64_t, std::size_t> m_firstLine; // key -> the number of its first line
};

} // namespace

WorkFile readWorkFile(const std::string& path, bool withDiscs, const LineCheck& check)
{
    if (!std::filesystem::exists(path))
        return {};
    const std::string text = readRegularFile(path, MostWorkBytes, "work file");
    WorkReader reader(path, withDiscs, check);
    std::size_t begin = 0;
    for (std::size_t end; (end = text.find('\n', begin)) != std::string::npos; begin = end + 1)
        reader.read(text.substr(begin, end - begin));
    reader.readTail(text.substr(begin));
    return { std::move(reader).lines(), begin };
}

std::string scoreOutside(const WorkLine& line, const engine::ScoreBounds& bounds, const std::string& book)
{
    if (line.choice.score >= bounds.low && line.choice.score <= bounds.high)
        return {};
    return "its score " + std::to_string(line.choice.score) + " is outside what " + book + " proves, "
           + std::to_string(bounds.low) + " to " + std::to_string(bounds.high);
}

void appendLine(std::ofstream& out, const WorkLine& line, bool withDiscs)
{
    out << line.key << ' ' << line.choice.column << ' ' << line.choice.score;
    if (withDiscs)
        out << ' ' << line.discs;
    out << std::endl;
}

std::ofstream appendToWorkFile(const std::string& path, const WorkFile& read)
{
    std::error_code error;
    if (std::filesystem::file_size(path, error) > read.wholeBytes && !error)
        std::filesystem::resize_file(path, read.wholeBytes);
    return std::ofstream(path, std::ios::app);
}

} // namespace tool
