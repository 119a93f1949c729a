// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "command.h"
#include "measure.h"
#include "workfile.h"

#include "engine/tt.h"

#include <cstddef>
#include <fstream>
#include <string>
#include <vector>

namespace tool {

// What the book and lines commands share (partsearch.cpp, hardlines.cpp):
// a search of many positions, hours or days long, on threads that each
// search with a table of their own, which keeps every choice in a work file
// as it makes it, so that a stopped run resumes where it stopped, and
// writes a book at the end.

// Threads with tables of their own share none, so engine::MostThreads,
// which bounds the threads that share one, does not bound them: the memory
// their tables take together does, and is checked apart. This only keeps
// a slip of the keyboard from starting thousands.
constexpr int MostThreadsWithOwnTables = 1024;

// Each command gives its own threads and table size.
struct LongSearchSettings {
    int threads;
    std::size_t tableMiB;        // for each thread
    std::string output;          // the book written at the end
    std::string work;            // every choice made so far, one a line
};

// The options of a long search, declared into its settings: --threads,
// --table-mib, --output, --work and --force.
class LongSearchOptions {
public:
    LongSearchOptions(Command& command, LongSearchSettings& settings, const char* outputMeaning);

    // Once the command line is read: the memory the tables take together,
    // and the files the search will write, checked before it starts.
    void check(const Command& command);

private:
    LongSearchSettings& m_settings;
    bool m_force = false;
};

// The course of a long search, which the book and lines commands each fill
// in: the work file read back, every line checked; a table taken for each
// thread, all at once, so that a machine short of memory says so before
// any search; the work file opened to append to; every thread searching
// with a table of its own; and the book written at the end.
class LongSearch {
public:
    virtual ~LongSearch() = default;

    // Returns the exit status. Refuses the command line when the search
    // will not resume from its work file, before any search.
    int run(const Command& command);

protected:
    // `withDiscs`: whether the work file's lines carry the discs field.
    LongSearch(const char* command, const LongSearchSettings& settings, bool withDiscs);

    // Appends a choice to the work file; call it under the search's lock.
    void keep(const WorkLine& line) { appendLine(m_out, line, m_withDiscs); }
    // The seconds since the threads started.
    double secondsSearching() const { return secondsSince(m_start); }

private:
    WorkFile readWork(const Command& command) const;

    // What makes a line of the work file no choice of this search; empty
    // when nothing does.
    virtual std::string faultOf(const WorkLine& line) const = 0;
    // The choices made before, once every line of the work file passed.
    virtual void readBack(const std::vector<WorkLine>& lines) = 0;
    // One thread's share of the search.
    virtual void work(engine::TranspositionTable& table) = 0;
    // Writes the book; returns the exit status.
    virtual int write() = 0;

    const char* m_command;
    const LongSearchSettings& m_settings;
    const bool m_withDiscs;
    std::ofstream m_out;
    Clock::time_point m_start;
};

} // namespace tool
