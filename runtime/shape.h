// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill;
    QColor m_ring;
};

} // namespace runtime
