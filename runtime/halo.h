// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

namespace runtime {

// A ring around a circle of the window, just outside it, to point the
// circle out without covering anything inside it. It takes no clicks, and
// shows nothing until it is put around a circle.
class Halo : public QWidget {
    Q_OBJECT

public:
    explicit Halo(QWidget* parent);

    // Rings the circle that fills `circle`, `width` pixels wide, in `colour`.
    void surround(const QRect& circle, int width, const QColor& colour);
    // Takes the ring away.
    void clear();
    // The circle ringed and the ring's colour; an invalid colour while none is.
    QColor colour() const { return m_colour; }
    QRect circle() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour;
    int m_width = 0;
};

} // namespace runtime
