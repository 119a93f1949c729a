// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace runtime {

// A disabled window keeps its colours: its controls are not greyed out.
void keepLookWhenDisabled(QWidget* window);

} // namespace runtime
