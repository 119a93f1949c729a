#pragma once

class QWidget;

namespace runtime {

// A disabled window keeps its colours: its controls are not greyed out.
void keepLookWhenDisabled(QWidget* window);

} // namespace runtime
