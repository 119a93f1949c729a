#include "shape.h"

#include <QPainter>

namespace runtime {

Shape::Shape(QWidget* parent, const QRect& geometry, const QColor& fill)
    : QWidget(parent)
    , m_fill(fill)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(geometry);
}

void Shape::setFill(const QColor& fill)
{
    if (fill == m_fill)
        return;
    m_fill = fill;
    update();
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(m_fill);
    // Inset by half the pen so the outline stays inside the widget.
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace runtime
