// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and reports how long it took to be ready for its user, and
// how much memory it had used by then, watching it from outside: the program
// needs no hook of its own.
//
//   startwatch [--window TITLE] [--idle] -- PROGRAM [ARGUMENT...]
//
// --window TITLE  waits until a top-level window whose title starts with
//                 TITLE is mapped on the X display (needs an X server).
// --idle          then waits until the program's main thread sits in its
//                 event loop's poll without using the processor: it has
//                 painted and waits for input.
//
// Prints one line: "mapped=<µs> idle=<µs> cpu=<µs> hwm=<kB> rss=<kB>": times
// from the fork, -1 for what was not asked, then the processor time all the
// program's threads had used and its peak and current resident memory, read
// at the end. The program is then killed.

#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>

#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#ifdef VANTREL_HAVE_XCB
#include <poll.h>
#include <xcb/xcb.h>
#endif

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr auto timeout = 30s;
constexpr auto sampleEvery = 300us;
// How long the thread must stay asleep in poll, without running, to count as
// waiting for input rather than passing through the event loop.
constexpr auto settled = 40ms;

// Thrown rather than exiting, so that the program watched is killed on the way out.
[[noreturn]] void fail(const std::string& message)
{
    throw std::runtime_error(message);
}

long long microseconds(Clock::duration duration)
{
    return std::chrono::duration_cast<std::chrono::microseconds>(duration).count();
}

std::string readFile(const std::string& path)
{
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

struct Options {
    std::string windowTitle;
    bool idle = false;
    char** command = nullptr;
};

Options parse(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--window" && i + 1 < argc)
            options.windowTitle = argv[++i];
        else if (argument == "--idle")
            options.idle = true;
        else if (argument == "--" && i + 1 < argc) {
            options.command = argv + i + 1;
            return options;
        } else
            break;
    }
    fail("usage: startwatch [--window TITLE] [--idle] -- PROGRAM [ARGUMENT...]");
}

class Child {
public:
    explicit Child(char** command)
    {
        m_pid = fork();
        if (m_pid < 0)
            fail("cannot fork");
        if (m_pid == 0) {
            execvp(command[0], command);
            std::perror(command[0]);
            _exit(127);
        }
    }
    ~Child()
    {
        if (m_pid <= 0)
            return;
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    pid_t pid() const { return m_pid; }

    void failIfGone()
    {
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) != m_pid)
            return;
        m_pid = -1;
        fail("the program ended before it was ready ("
             + (WIFEXITED(status) ? "exit status " + std::to_string(WEXITSTATUS(status))
                                  : "signal " + std::to_string(WTERMSIG(status)))
             + ")");
    }

    std::string proc(const char* name) const
    {
        return readFile("/proc/" + std::to_string(m_pid) + "/" + name);
    }

private:
    pid_t m_pid = -1;
};

// The system calls an event loop waits for input in.
bool isWaitingCall(long number)
{
    for (long waiting : {
#ifdef SYS_poll
             long(SYS_poll),
#endif
#ifdef SYS_select
             long(SYS_select),
#endif
#ifdef SYS_epoll_wait
             long(SYS_epoll_wait),
#endif
             long(SYS_ppoll), long(SYS_pselect6), long(SYS_epoll_pwait) })
        if (number == waiting)
            return true;
    return false;
}

// The main thread's system call, or nothing while it runs.
std::optional<long> currentCall(const Child& child)
{
    const std::string text = child.proc("syscall");
    if (text.empty() || !std::isdigit(static_cast<unsigned char>(text[0])))
        return std::nullopt;
    return std::stol(text);
}

// Nanoseconds the main thread has spent on a processor.
unsigned long long runTime(const Child& child)
{
    return std::strtoull(child.proc("schedstat").c_str(), nullptr, 10);
}

Clock::time_point waitUntilIdle(Child& child, Clock::time_point start)
{
    bool asleep = false;
    Clock::time_point asleepSince;
    unsigned long long runTimeThen = 0;
    while (Clock::now() - start < timeout) {
        child.failIfGone();
        const Clock::time_point now = Clock::now();
        const std::optional<long> call = currentCall(child);
        const unsigned long long ran = runTime(child);
        if (!call || !isWaitingCall(*call) || (asleep && ran != runTimeThen)) {
            asleep = false;
        } else if (!asleep) {
            asleep = true;
            asleepSince = now;
            runTimeThen = ran;
        } else if (now - asleepSince >= settled) {
            return asleepSince;
        }
        std::this_thread::sleep_for(sampleEvery);
    }
    fail("the program never settled down to wait for input");
}

// Processor time of all the program's threads, which a busy machine hardly
// changes, unlike the wall time.
long long cpuMicroseconds(const Child& child)
{
    unsigned long long nanoseconds = 0;
    const std::filesystem::path tasks = "/proc/" + std::to_string(child.pid()) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks))
        nanoseconds += std::strtoull(readFile(task.path() / "schedstat").c_str(), nullptr, 10);
    return static_cast<long long>(nanoseconds / 1000);
}

long memoryFigure(const std::string& status, const char* name)
{
    const std::size_t at = status.find(name);
    return at == std::string::npos ? -1 : std::atol(status.c_str() + at + std::strlen(name) + 1);
}

#ifdef VANTREL_HAVE_XCB

// Top-level windows as they are mapped on the display: without a window
// manager, each is a child of the root window.
class MapWatcher {
public:
    MapWatcher()
    {
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection))
            fail("cannot open the X display");
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        m_utf8Name = atom("_NET_WM_NAME");
        m_utf8String = atom("UTF8_STRING");
        xcb_flush(m_connection);
    }
    ~MapWatcher() { xcb_disconnect(m_connection); }
    MapWatcher(const MapWatcher&) = delete;
    MapWatcher& operator=(const MapWatcher&) = delete;

    Clock::time_point waitForWindow(Child& child, const std::string& title,
                                    Clock::time_point start)
    {
        pollfd connection{ xcb_get_file_descriptor(m_connection), POLLIN, 0 };
        while (Clock::now() - start < timeout) {
            child.failIfGone();
            poll(&connection, 1, 50);
            while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
                const Clock::time_point now = Clock::now();
                const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
                const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
                std::free(event);
                if (mapped && windowTitle(window).rfind(title, 0) == 0)
                    return now;
            }
            if (xcb_connection_has_error(m_connection))
                fail("lost the X display");
        }
        fail("no window titled \"" + title + "\" was shown");
    }

private:
    xcb_atom_t atom(const char* name)
    {
        const auto length = static_cast<uint16_t>(std::strlen(name));
        const auto cookie = xcb_intern_atom(m_connection, 0, length, name);
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(m_connection, cookie, nullptr);
        if (!reply)
            return XCB_ATOM_NONE;
        const xcb_atom_t result = reply->atom;
        std::free(reply);
        return result;
    }

    std::string property(xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
    {
        const auto cookie = xcb_get_property(m_connection, 0, window, name, type, 0, 256);
        xcb_get_property_reply_t* reply = xcb_get_property_reply(m_connection, cookie, nullptr);
        std::string value;
        if (reply)
            value.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                         xcb_get_property_value_length(reply));
        std::free(reply);
        return value;
    }

    std::string windowTitle(xcb_window_t window)
    {
        const std::string title = property(window, m_utf8Name, m_utf8String);
        return title.empty() ? property(window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING) : title;
    }

    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = 0;
    xcb_atom_t m_utf8Name = XCB_ATOM_NONE;
    xcb_atom_t m_utf8String = XCB_ATOM_NONE;
};

#endif

} // namespace

int watch(const Options& options)
{
#ifdef VANTREL_HAVE_XCB
    std::optional<MapWatcher> watcher;
    if (!options.windowTitle.empty())
        watcher.emplace();
#else
    if (!options.windowTitle.empty())
        fail("built without X support (libxcb1-dev): --window is not available");
#endif

    const Clock::time_point start = Clock::now();
    Child child(options.command);
    long long mapped = -1;
    long long idle = -1;
#ifdef VANTREL_HAVE_XCB
    if (watcher)
        mapped = microseconds(watcher->waitForWindow(child, options.windowTitle, start) - start);
#endif
    if (options.idle)
        idle = microseconds(waitUntilIdle(child, start) - start);
    const long long cpu = cpuMicroseconds(child);
    const std::string status = child.proc("status");
    std::printf("mapped=%lld idle=%lld cpu=%lld hwm=%ld rss=%ld\n", mapped, idle, cpu,
                memoryFigure(status, "VmHWM:"), memoryFigure(status, "VmRSS:"));
    return 0;
}

int main(int argc, char** argv)
{
    try {
        return watch(parse(argc, argv));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startwatch: %s\n", error.what());
        return 2;
    }
}
