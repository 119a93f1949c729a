// SPDX-License-Identifier: GPL-3.0-or-later
#include "options.h"

#include "bookfile.h"

#include <unistd.h>

#include <filesystem>
#include <limits>

namespace tool {

std::size_t machineMiB()
{
    return static_cast<std::size_t>(sysconf(_SC_PHYS_PAGES)) * static_cast<std::size_t>(sysconf(_SC_PAGESIZE)) >> 20;
}

void tableOption(Command& command, std::size_t& mebibytes, const char* meaning)
{
    command.number("table-mib", meaning, mebibytes, std::size_t{1}, machineMiB());
}

void seedOption(Command& command, std::uint64_t& seed)
{
    command.number("seed", "The seed of the random choices", seed, std::uint64_t{0},
                   std::numeric_limits<std::uint64_t>::max());
}

std::string shippedBook()
{
    std::error_code error;
    const std::filesystem::path tool = std::filesystem::read_symlink("/proc/self/exe", error);
    return (tool.parent_path() / VANTREL_ENGINE_BOOK).lexically_normal().string();
}

engine::Book readBook(const Command& command, const std::string& what, const std::string& path, bool noneAllowed)
{
    if (noneAllowed && path == "none")
        return {};
    try {
        return readBookFile(path);
    } catch (const std::runtime_error& e) {
        command.refuse(what + ": " + e.what());
    }
}

std::string whenShipped(const std::string& path, const std::string& otherwise)
{
    return path == shippedBook() ? " (the shipped book, looked for from where the tool is; " + otherwise + ")" : "";
}

// A tool copied alone looks for the shipped book where its tree would have
// it: a message that it cannot read it says how to name one.
const engine::Book* BookOption::read(const Command& command)
{
    try {
        m_book = m_path == "none" ? engine::Book() : readBookFile(m_path);
    } catch (const std::runtime_error& e) {
        command.refuse("--book: " + std::string(e.what())
                       + whenShipped(m_path, "--book FILE names a book, --book none goes without"));
    }
    return &m_book;
}

void refuseUnwritable(const Command& command, const std::string& option, const std::string& path, bool replace)
{
    try {
        checkCanWrite(path, replace);
    } catch (const std::runtime_error& e) {
        command.refuse(option + ": " + e.what());
    }
}

} // namespace tool
