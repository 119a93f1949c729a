// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace engine {

// How well the computer plays: a beginner, a fair player, or perfectly.
enum class Level { easy, medium, hard };

} // namespace engine
