#include "shape.h"

#include <QAccessibleWidget>
#include <QPainter>

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
