// SPDX-License-Identifier: GPL-3.0-or-later
#include "shape.h"

#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <numbers>

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

void Shape::setDot(bool dot)
{
    if (dot == m_dot)
        return;
    m_dot = dot;
    update();
}

void Shape::setDashedEdge(bool dashed)
{
    if (dashed == m_dashedEdge)
        return;
    m_dashedEdge = dashed;
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
    if (m_dot)
        paintDot(painter, outline);
    if (m_dashedEdge)
        paintDashedEdge(painter, outline);
    const QList<Spot> spots = spotPlaces(outline, m_spots.size());
    paintSpots(painter, spots);
    if (!m_caption.isEmpty())
        paintCaption(painter, outline, spots);
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

// Well inside the ring, whose inner edge lies five twenty-fourths of the
// circle's width from its centre.
void Shape::paintDot(QPainter& painter, const QRectF& outline) const
{
    const qreal radius = outline.width() * 0.11;
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(outline.center(), radius, radius);
}

// A twelfth of the circle wide, along its edge, well outside the ring,
// whose outer edge lies seven twenty-fourths of the width from the centre:
// eight dashes and eight gaps, flat-ended.
void Shape::paintDashedEdge(QPainter& painter, const QRectF& outline) const
{
    const qreal width = outline.width() / 12;
    const qreal inset = outline.width() * 0.06;
    const QRectF band = outline.adjusted(inset, inset, -inset, -inset);
    QPen pen(Qt::white, width, Qt::CustomDashLine, Qt::FlatCap);
    // Dash lengths are in pen widths: the band's circumference in eight equal dashes and gaps.
    const qreal dash = std::numbers::pi * band.width() / 16 / width;
    pen.setDashPattern({ dash, dash });
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(band);
}

namespace {

// The spots' sizes, as fractions of the circle's width: one spot's colour
// is over a third of it across, each of two over a quarter, even where
// antialiasing blurs its edge, and every spot has a light rim around its
// colour.
constexpr qreal oneSpotAcross = 0.38;
constexpr qreal twoSpotsAcross = 0.26;
constexpr qreal spotRim = 1.0 / 24;
const QColor spotRimColour = Qt::white;

} // namespace

// Low in the circle, wholly inside its edge: one spot on the middle line,
// two either side of it, rims apart.
QList<Shape::Spot> Shape::spotPlaces(const QRectF& outline, qsizetype count)
{
    const qreal width = outline.width();
    const QPointF middle = outline.center();
    if (count == 1)
        return { { middle + QPointF(0, width * 0.25), width * (oneSpotAcross / 2 + spotRim) } };
    if (count == 2) {
        const qreal radius = width * (twoSpotsAcross / 2 + spotRim);
        const qreal dx = width * 0.175;
        const qreal dy = width * 0.26;
        return { { middle + QPointF(-dx, dy), radius }, { middle + QPointF(dx, dy), radius } };
    }
    return {};
}

void Shape::paintSpots(QPainter& painter, const QList<Spot>& places) const
{
    painter.setPen(Qt::NoPen);
    for (qsizetype i = 0; i < places.size(); ++i) {
        const Spot& spot = places[i];
        const qreal rim = width() * spotRim;
        painter.setBrush(spotRimColour);
        painter.drawEllipse(spot.centre, spot.radius, spot.radius);
        painter.setBrush(m_spots[i]);
        painter.drawEllipse(spot.centre, spot.radius - rim, spot.radius - rim);
    }
}

// Sized to the circle; with spots, it moves up until it clears them.
void Shape::paintCaption(QPainter& painter, const QRectF& outline, const QList<Spot>& spots) const
{
    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(std::max(1, height() * 3 / 10));
    painter.setFont(bold);
    painter.setPen(m_captionColour);
    // A caption is a figure, such as a signed number, which keeps its
    // sign on the left under a right-to-left language too.
    painter.setLayoutDirection(Qt::LeftToRight);
    if (spots.isEmpty()) {
        painter.drawText(rect(), Qt::AlignCenter, m_caption);
        return;
    }
    const QFontMetricsF metrics(bold);
    const QRectF ink = metrics.tightBoundingRect(m_caption);
    qreal spotsTop = outline.bottom();
    for (const Spot& spot : spots)
        spotsTop = std::min(spotsTop, spot.centre.y() - spot.radius);
    const qreal gap = outline.width() * spotRim;
    const QPointF baseline(outline.center().x() - ink.center().x(), spotsTop - gap - ink.bottom());
    painter.drawText(baseline, m_caption);
}

} // namespace runtime
