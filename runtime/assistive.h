// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace runtime {

// Leaves a control out of what assistive technology presents: it still takes
// clicks, but a screen reader reviewing its window neither lists nor reads
// it. For controls that repeat one already presented, such as the several
// click areas that all stand for one column.
void hideFromAssistiveTechnology(QWidget* control);

} // namespace runtime
