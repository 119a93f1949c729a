// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QWidget>

class QPainter;

namespace runtime {

// A filled circle at a fixed place. It takes no clicks, so whatever lies
// beneath or above it receives them.
class Shape : public QWidget {
    Q_OBJECT

public:
    Shape(QWidget* parent, const QRect& geometry, const QColor& fill);

    QColor fill() const { return m_fill; }
    void setFill(const QColor& fill);

    // Each mark below has a place of its own in the circle, so that any of
    // them can show together and none is drawn over another.

    // A ring drawn inside the circle, halfway between its edge and centre,
    // to point the circle out; an invalid colour, the default, draws none.
    QColor ring() const { return m_ring; }
    void setRing(const QColor& ring);

    // Spots side by side low in the circle, one for each colour given, left
    // to right, each within a light rim so that a dark colour reads on a
    // dark circle: one spot is over a third of the circle across, two a
    // quarter each. None, the default, draws none.
    QList<QColor> spots() const { return m_spots; }
    void setSpots(const QList<QColor>& spots);

    // A few characters, bold, in a colour of their own, read left to right
    // whatever the layout direction: in the middle of the circle, or above
    // its spots when it has some. Empty, the default, for none.
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption, const QColor& colour);

    // A small white dot in the middle of the circle, inside the ring, a
    // twentieth of the circle's area: light enough to read on red and on
    // blue, small enough to leave the circle's own colour to read first.
    bool hasDot() const { return m_dot; }
    void setDot(bool dot);

    // A dashed white band just inside the circle's edge, outside the ring:
    // a warning that reads on red and on blue and looks like no other mark.
    bool hasDashedEdge() const { return m_dashedEdge; }
    void setDashedEdge(bool dashed);

    // Where the spots go in a circle of this outline, and how large: their
    // centres and the radius of each, rim included.
    struct Spot {
        QPointF centre;
        qreal radius;
    };
    static QList<Spot> spotPlaces(const QRectF& outline, qsizetype count);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintRing(QPainter& painter, const QRectF& outline) const;
    void paintSpots(QPainter& painter, const QList<Spot>& places) const;
    void paintCaption(QPainter& painter, const QRectF& outline, const QList<Spot>& spots) const;
    void paintDot(QPainter& painter, const QRectF& outline) const;
    void paintDashedEdge(QPainter& painter, const QRectF& outline) const;

    QColor m_fill;
    QColor m_ring;
    QList<QColor> m_spots;
    QString m_caption;
    QColor m_captionColour;
    bool m_dot = false;
    bool m_dashedEdge = false;
};

} // namespace runtime
