// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The threads this process has now, as the system lists them.
qsizetype threadCount();

// How long a test waits for a joined thread to leave that list. A thread
// is joined once its work is over, but the system lists it until it has
// finished exiting, and a thread lowered to the idle priority may wait a
// long time for that on a busy machine. Its work is over all the same:
// tests wait for the count rather than read it at once.
constexpr int ThreadExitMs = 120000;

// The processor time the process has used, every thread's.
double processorSeconds();

// The processor time the process uses in a second in which the calling
// thread sleeps.
double processorSecondsInASecond();
