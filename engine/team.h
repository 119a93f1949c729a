// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <atomic>
#include <charconv>
#include <functional>
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
// above the processors asks for them all.
inline std::optional<int> threadsAsked(std::string_view text)
{
    int threads = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), threads);
    if (error != std::errc() || end != text.data() + text.size() || threads < 1)
        return std::nullopt;
    return threads;
}

// Works through a list of jobs with several threads, the calling one among
// them. Each thread takes the first job nobody has started; when none is
// left, it joins the unfinished job with the fewest threads on it, so that
// no thread idles while a job is open. The first thread to finish a job
// delivers its result, and the others on that job stop (its `done` flag).
// A job that returns nothing while not done was stopped from outside: its
// thread ends. Every thread has ended when this returns.
template <typename Result>
class Team {
public:
    using Work = std::function<std::optional<Result>(int job, const std::atomic<bool>& done)>;
    using Deliver = std::function<void(int job, const Result& result)>;

    static void run(int threads, int jobs, const Work& work, const Deliver& deliver)
    {
        Team team(jobs, work, deliver);
        std::vector<std::jthread> helpers;
        for (int i = 1; i < threads && jobs > 0; ++i)
            helpers.emplace_back([&team] { team.workOn(); });
        team.workOn();
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

    void workOn()
    {
        for (int job = take(-1); job >= 0;) {
            const std::optional<Result> result = m_work(job, m_jobs[static_cast<std::size_t>(job)].done);
            if (!result && !m_jobs[static_cast<std::size_t>(job)].done)
                return leave(job);
            job = take(job, result);
        }
    }

    // Ends this thread's part in `finished` (-1 for none), delivering its
    // result when it is the first, and picks the thread's next job: -1 when
    // every job is done.
    int take(int finished, const std::optional<Result>& result = std::nullopt)
    {
        const std::lock_guard lock(m_mutex);
        if (finished >= 0) {
            Job& job = m_jobs[static_cast<std::size_t>(finished)];
            --job.workers;
            if (result && !job.done) {
                job.done = true;
                m_deliver(finished, *result);
            }
        }
        int chosen = -1;
        for (std::size_t i = 0; i < m_jobs.size(); ++i) {
            const Job& job = m_jobs[i];
            if (job.done)
                continue;
            if (chosen < 0 || job.workers < m_jobs[static_cast<std::size_t>(chosen)].workers)
                chosen = static_cast<int>(i);
            if (job.workers == 0)
                break;
        }
        if (chosen >= 0)
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
