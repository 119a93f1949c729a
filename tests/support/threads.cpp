// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/threads.h"

#include <QDir>

#include <chrono>
#include <ctime>
#include <thread>

qsizetype threadCount()
{
    return QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
}

double processorSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

double processorSecondsInASecond()
{
    const double before = processorSeconds();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    return processorSeconds() - before;
}
