// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <atomic>
#include <charconv>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>
#include <thread>
#include <vector>

namespace engine {

// The most threads a search uses, however many processors the machine has:
// beyond a few, threads sharing one table of a few MiB gain little.
inline constexpr int MostThreads = 8;

// The machine's processors, at most MostThreads, at least one.
inline int processorsToUse()
{
    return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, MostThreads);
}

// The threads a setting such as VANTREL_THREADS asks for: a whole number
// from 1, in decimal digits alone; nothing for any other text. A number
// above the processors asks for them all, however many digits it has: one
// too large for an int is the largest int.
inline std::optional<int> threadsAsked(std::string_view text)
{
    constexpr unsigned most = std::numeric_limits<int>::max();
    unsigned threads = 0; // unsigned, so that no sign is read
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), threads);
    if (end != text.data() + text.size() || (error != std::errc() && error != std::errc::result_out_of_range))
        return std::nullopt;
    if (error == std::errc::result_out_of_range || threads > most)
        return static_cast<int>(most);
    if (threads < 1)
        return std::nullopt;
    return static_cast<int>(threads);
}

// Runs work(0) to work(threads - 1) at once, each on a thread of its own,
// work(0) on the calling thread, and returns once every one has ended: the
// threads are joined here, whatever work(0) throws, so that nothing they
// work on goes while they run. An exception out of another thread's work
// ends the program.
template <typename Work>
void runOnThreads(int threads, const Work& work)
{
    std::vector<std::thread> helpers;
    const auto joinHelpers = [&helpers] {
        for (std::thread& helper : helpers)
            helper.join();
    };
    try {
        for (int i = 1; i < threads; ++i)
            helpers.emplace_back([&work, i] { work(i); });
        work(0);
    } catch (...) {
        joinHelpers();
        throw;
    }
    joinHelpers();
}

// Works through a list of jobs with several threads, the calling one among
// them. Each thread takes the first job nobody has started; when none is
// left, it joins the unfinished job with the fewest threads on it, so that
// no thread idles while a job is open. The first thread to finish a job
// delivers its result, and the others on that job stop (its `done` flag).
// A job that returns nothing while not done was stopped from outside: its
// thread ends. Every thread has ended when this returns.
//
// `deliver` runs under the team's lock: one delivery at a time, and no
// thread takes a job meanwhile. It should be short, and must not wait for
// the team's other threads.
template <typename Result>
class Team {
public:
    using Work = std::function<std::optional<Result>(int job, const std::atomic<bool>& done)>;
    using Deliver = std::function<void(int job, const Result& result)>;

    static void run(int threads, int jobs, const Work& work, const Deliver& deliver)
    {
        Team team(jobs, work, deliver);
        // With no job, the calling thread finds none and returns at once.
        runOnThreads(jobs > 0 ? threads : 1, [&team](int) { team.workOn(); });
    }

private:
    struct Job {
        std::atomic<bool> done = false;
        int workers = 0;
    };

    Team(int jobs, const Work& work, const Deliver& deliver)
        : m_jobs(static_cast<std::size_t>(jobs))
        , m_work(work)
        , m_deliver(deliver)
    {
    }

    static constexpr int NoJob = -1;

    void workOn()
    {
        for (int job = finishAndTakeNext(NoJob); job != NoJob;) {
            const std::optional<Result> result = m_work(job, m_jobs[static_cast<std::size_t>(job)].done);
            if (!result && !m_jobs[static_cast<std::size_t>(job)].done)
                return leave(job);
            job = finishAndTakeNext(job, result);
        }
    }

    // Under one hold of the lock, so that no job is taken while another is
    // being finished: ends this thread's part in `finished` (NoJob for
    // none), delivering its result when it is the first, and picks the
    // thread's next job: NoJob when every job is done.
    int finishAndTakeNext(int finished, const std::optional<Result>& result = std::nullopt)
    {
        const std::lock_guard lock(m_mutex);
        if (finished != NoJob) {
            Job& job = m_jobs[static_cast<std::size_t>(finished)];
            --job.workers;
            if (result && !job.done) {
                job.done = true;
                m_deliver(finished, *result);
            }
        }
        int chosen = NoJob;
        for (std::size_t i = 0; i < m_jobs.size(); ++i) {
            const Job& job = m_jobs[i];
            if (job.done)
                continue;
            if (chosen == NoJob || job.workers < m_jobs[static_cast<std::size_t>(chosen)].workers)
                chosen = static_cast<int>(i);
            if (job.workers == 0)
                break;
        }
        if (chosen != NoJob)
            ++m_jobs[static_cast<std::size_t>(chosen)].workers;
        return chosen;
    }

    void leave(int job)
    {
        const std::lock_guard lock(m_mutex);
        --m_jobs[static_cast<std::size_t>(job)].workers;
    }

    std::mutex m_mutex;
    std::vector<Job> m_jobs;
    const Work& m_work;
    const Deliver& m_deliver;
};

} // namespace engine
