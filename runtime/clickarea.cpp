#include "clickarea.h"

namespace runtime {

ClickArea::ClickArea(QWidget* parent, const QRect& geometry)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setGeometry(geometry);
}

void ClickArea::paintEvent(QPaintEvent*)
{
}

} // namespace runtime
