// SPDX-License-Identifier: GPL-3.0-or-later
#include "assistive.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace runtime {
namespace {

constexpr char hiddenProperty[] = "runtime_hiddenFromAssistiveTechnology";
constexpr char hidesChildrenProperty[] = "runtime_hidesChildrenFromAssistiveTechnology";

// A window presented as Qt presents a plain widget, but without the children
// hidden from assistive technology.
class PresentedChildrenOnly : public QAccessibleWidget {
public:
    explicit PresentedChildrenOnly(QWidget* widget)
        : QAccessibleWidget(widget)
    {
    }

    int childCount() const override { return int(presentedChildren().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> children = presentedChildren();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child)
            return -1;
        return int(presentedChildren().indexOf(qobject_cast<QWidget*>(child->object())));
    }

private:
    QList<QWidget*> presentedChildren() const
    {
        QList<QWidget*> children;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child && !child->isWindow() && !child->property(hiddenProperty).toBool())
                children.append(child);
        }
        return children;
    }
};

QAccessibleInterface* presentedChildrenOnly(const QString& className, QObject* object)
{
    // Asked for the most derived class first; answering there keeps the question
    // from reaching the base classes' interfaces.
    if (!object->isWidgetType() || !object->property(hidesChildrenProperty).toBool()
        || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    return new PresentedChildrenOnly(static_cast<QWidget*>(object));
}

} // namespace

void hideFromAssistiveTechnology(QWidget* control)
{
    static const bool installed = (QAccessible::installFactory(presentedChildrenOnly), true);
    Q_UNUSED(installed);
    control->setProperty(hiddenProperty, true);
    QWidget* parent = control->parentWidget();
    if (parent->property(hidesChildrenProperty).toBool())
        return;
    parent->setProperty(hidesChildrenProperty, true);
    // Any change the parent announced so far made Qt build and keep its usual
    // interface; forget it, so that the next question builds the one above.
    if (QAccessibleInterface* cached = QAccessible::queryAccessibleInterface(parent))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cached));
}

} // namespace runtime
