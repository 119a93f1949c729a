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

    // A ring drawn inside the circle, to point the circle out; an invalid
    // colour, the default, draws none.
    QColor ring() const { return m_ring; }
    void setRing(const QColor& ring);

    // Small discs side by side low in the circle, one for each colour
    // given, left to right; none, the default, draws none.
    QList<QColor> spots() const { return m_spots; }
    void setSpots(const QList<QColor>& spots);

    // A few characters in the middle of the circle, bold, in a colour of
    // their own, read left to right whatever the layout direction; empty,
    // the default, for none.
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption, const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintRing(QPainter& painter, const QRectF& outline) const;
    void paintSpots(QPainter& painter, const QRectF& outline) const;
    void paintCaption(QPainter& painter) const;

    QColor m_fill;
    QColor m_ring;
    QList<QColor> m_spots;
    QString m_caption;
    QColor m_captionColour;
};

} // namespace runtime
