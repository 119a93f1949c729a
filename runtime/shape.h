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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill;
};

} // namespace runtime
