// SPDX-License-Identifier: GPL-3.0-or-later
#include "shape.h"

#include <QAccessibleWidget>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace runtime {
namespace {

// Screen readers present a shape as a picture, under the name its window gives it.
QAccessibleInterface* accessibleShape(const QString& className, QObject* object)
{
    if (className == QLatin1String(Shape::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

Shape::Shape(QWidget* parent, const QRect& geometry, const QColor& fill)
    : QWidget(parent)
    , m_fill(fill)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(geometry);
    // Installed once, with the first shape.
    static const bool accessible = (QAccessible::installFactory(accessibleShape), true);
    Q_UNUSED(accessible);
}

void Shape::setFill(const QColor& fill)
{
    if (fill == m_fill)
        return;
    m_fill = fill;
    update();
}

void Shape::setRing(const QColor& ring)
{
    if (ring == m_ring)
        return;
    m_ring = ring;
    update();
}

void Shape::setCaption(const QString& caption, const QColor& colour)
{
    if (caption == m_caption && colour == m_captionColour)
        return;
    m_caption = caption;
    m_captionColour = colour;
    update();
}

void Shape::setSpots(const QList<QColor>& spots)
{
    if (spots == m_spots)
        return;
    m_spots = spots;
    update();
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(m_fill);
    // Inset by half the pen so the outline stays inside the widget.
    const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.drawEllipse(outline);
    if (m_ring.isValid())
        paintRing(painter, outline);
    if (!m_spots.isEmpty())
        paintSpots(painter, outline);
    if (!m_caption.isEmpty())
        paintCaption(painter);
}

// A ring a twelfth of the circle wide, halfway between its edge and centre.
void Shape::paintRing(QPainter& painter, const QRectF& outline) const
{
    const qreal width = outline.width() / 12;
    const qreal inset = outline.width() / 4 - width / 2;
    painter.setPen(QPen(m_ring, width));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(outline.adjusted(inset, inset, -inset, -inset));
}

// Spots a seventh of the circle across, rim included, a fifth of a spot
// apart, at the bottom, their centres midway between the ring's outer edge
// (a third of the circle's width from its centre) and the circle's own (a
// half): clear of the ring and of a caption, which may show with them. The
// rim is in the colour of the window beneath, so that blue reads on black.
void Shape::paintSpots(QPainter& painter, const QRectF& outline) const
{
    const qreal diameter = outline.width() / 7;
    const qreal fromCentre = outline.width() * (1.0 / 3 + 1.0 / 2) / 2;
    const qreal step = diameter * 1.2;
    constexpr qreal rim = 1.0;
    painter.setPen(QPen(palette().color(QPalette::Window), rim));
    for (qsizetype i = 0; i < m_spots.size(); ++i) {
        const qreal dx = (static_cast<qreal>(i) - static_cast<qreal>(m_spots.size() - 1) / 2) * step;
        const QPointF centre = outline.center() + QPointF(dx, std::sqrt(fromCentre * fromCentre - dx * dx));
        painter.setBrush(m_spots[i]);
        painter.drawEllipse(centre, (diameter - rim) / 2, (diameter - rim) / 2);
    }
}

void Shape::paintCaption(QPainter& painter) const
{
    // Sized to the circle: three characters fit inside a ring.
    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(std::max(1, height() * 3 / 10));
    painter.setFont(bold);
    painter.setPen(m_captionColour);
    // A caption is a figure, such as a signed number, which keeps its
    // sign on the left under a right-to-left language too.
    painter.setLayoutDirection(Qt::LeftToRight);
    painter.drawText(rect(), Qt::AlignCenter, m_caption);
}

} // namespace runtime
