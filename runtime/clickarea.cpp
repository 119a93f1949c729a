#include "clickarea.h"

namespace runtime {

ClickArea::ClickArea(QWidget* parent, const QRect& geometry)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setGeometry(geometry);
    // It draws nothing, so neither its pressed state nor its hiding changes
    // anything on screen: a click must not repaint what lies beneath it.
    setUpdatesEnabled(false);
}

void ClickArea::paintEvent(QPaintEvent*)
{
}

} // namespace runtime
