// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/priority.h"

#ifdef __linux__
#include <sched.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace engine {

void lowerThisThreadForGood()
{
    thread_local bool lowered = false;
    if (lowered)
        return;
    lowered = true;
#ifdef __linux__
    // Linux schedules threads one by one: 0 and the thread's own id name
    // the calling thread, not the process.
    const sched_param idle{};
    if (sched_setscheduler(0, SCHED_IDLE, &idle) != 0)
        setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 19);
#endif
}

} // namespace engine
