// SPDX-License-Identifier: GPL-3.0-or-later
#include "longsearch.h"

#include "bookfile.h"
#include "options.h"

#include "engine/team.h"

#include <cstdio>

namespace tool {

namespace {

// Threads that each have a table of their own must fit the machine together.
void checkMemory(const Command& command, int threads, std::size_t tableMiB)
{
    const std::size_t needed = static_cast<std::size_t>(threads) * tableMiB;
    if (needed > machineMiB())
        command.refuse("--threads " + std::to_string(threads) + " with --table-mib " + std::to_string(tableMiB)
                       + " need " + std::to_string(needed) + " MiB, more than this machine's "
                       + std::to_string(machineMiB()));
}

} // namespace

LongSearchOptions::LongSearchOptions(Command& command, LongSearchSettings& settings, const char* outputMeaning)
    : m_settings(settings)
{
    command.number("threads", "Threads searching at once", settings.threads, 1, MostThreadsWithOwnTables);
    tableOption(command, settings.tableMiB, "Each thread's table size in MiB");
    command.file("output", outputMeaning, settings.output, Need::required);
    command.file("work", "Where each choice is kept as it is made, to resume from; by default the output's name and .work",
                 settings.work);
    command.flag("force", "Replace the output if it exists", m_force);
}

void LongSearchOptions::check(const Command& command)
{
    if (m_settings.work.empty())
        m_settings.work = m_settings.output + ".work";
    checkMemory(command, m_settings.threads, m_settings.tableMiB);
    refuseUnwritable(command, "--output", m_settings.output, m_force);
    refuseUnwritable(command, "--work", m_settings.work, true);
}

LongSearch::LongSearch(const char* command, const LongSearchSettings& settings, bool withDiscs)
    : m_command(command)
    , m_settings(settings)
    , m_withDiscs(withDiscs)
{
}

int LongSearch::run(const Command& command)
{
    const WorkFile done = readWork(command);
    readBack(done.lines);
    std::vector<engine::TranspositionTable> tables;
    tables.reserve(static_cast<std::size_t>(m_settings.threads));
    for (int i = 0; i < m_settings.threads; ++i)
        tables.emplace_back(m_settings.tableMiB);
    m_out = appendToWorkFile(m_settings.work, done);
    if (!m_out) {
        std::fprintf(stderr, "%s: cannot write %s\n", m_command, shownPath(m_settings.work).c_str());
        return 1;
    }
    m_start = Clock::now();
    engine::runOnThreads(m_settings.threads, [&](int thread) { work(tables[static_cast<std::size_t>(thread)]); });
    return write();
}

// The work file is a file named on the command line: the command is
// refused when the search will not resume from it.
WorkFile LongSearch::readWork(const Command& command) const
{
    try {
        return readWorkFile(m_settings.work, m_withDiscs, [this](const WorkLine& line) { return faultOf(line); });
    } catch (const DamagedWork& e) {
        command.refuse(std::string("--work: ") + e.what());
    } catch (const UnreadableFile& e) {
        command.refuse(std::string("--work: ") + e.what());
    }
}

} // namespace tool
