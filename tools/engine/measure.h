// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <vector>

namespace tool {

using Clock = std::chrono::steady_clock;

// The seconds from `start` until now.
double secondsSince(Clock::time_point start);

// The value below which `fraction` (0 to 1) of the values lie, the nearest
// of them; the values must not be empty.
double percentile(std::vector<double> values, double fraction);

} // namespace tool
