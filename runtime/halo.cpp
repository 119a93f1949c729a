// SPDX-License-Identifier: GPL-3.0-or-later
#include "halo.h"

#include "runtime/assistive.h"

#include <QPainter>

namespace runtime {

Halo::Halo(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // What it points out is said in words elsewhere.
    hideFromAssistiveTechnology(this);
    hide();
}

void Halo::surround(const QRect& circle, int width, const QColor& colour)
{
    m_width = width;
    m_colour = colour;
    setGeometry(circle.adjusted(-width, -width, width, width));
    raise();
    show();
    update();
}

void Halo::clear()
{
    m_colour = {};
    hide();
}

QRect Halo::circle() const
{
    return geometry().adjusted(m_width, m_width, -m_width, -m_width);
}

// The ring fills the band between the widget's edge and the circle's.
void Halo::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_colour, m_width));
    painter.setBrush(Qt::NoBrush);
    const qreal half = m_width / 2.0;
    painter.drawEllipse(QRectF(rect()).adjusted(half, half, -half, -half));
}

} // namespace runtime
