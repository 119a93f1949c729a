// SPDX-License-Identifier: GPL-3.0-or-later
#include "clickarea.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace runtime {
namespace {

// A button to screen readers, whose press action is offered only while the
// player may use the area.
class AccessibleClickArea : public QAccessibleWidget {
public:
    explicit AccessibleClickArea(ClickArea* area)
        : QAccessibleWidget(area, QAccessible::Button)
    {
    }

    QStringList actionNames() const override
    {
        if (!area()->isEnabled() || !area()->takesPlayerInput())
            return {};
        return { pressAction() };
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && actionNames().contains(action))
            area()->click();
    }

private:
    ClickArea* area() const { return static_cast<ClickArea*>(object()); }
};

QAccessibleInterface* accessibleClickArea(const QString& className, QObject* object)
{
    if (className == QLatin1String(ClickArea::staticMetaObject.className()))
        return new AccessibleClickArea(static_cast<ClickArea*>(object));
    return nullptr;
}

} // namespace

ClickArea::ClickArea(QWidget* parent, const QRect& geometry)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setGeometry(geometry);
    // It draws nothing, so neither its pressed state nor its hiding changes
    // anything on screen: a click must not repaint what lies beneath it.
    setUpdatesEnabled(false);
    static const bool accessible = (QAccessible::installFactory(accessibleClickArea), true);
    Q_UNUSED(accessible);
}

void ClickArea::setTakesPlayerInputWhen(std::function<bool()> condition)
{
    m_takesPlayerInput = std::move(condition);
}

bool ClickArea::takesPlayerInput() const
{
    return !m_takesPlayerInput || m_takesPlayerInput();
}

void ClickArea::paintEvent(QPaintEvent*)
{
}

// A press the player may not make passes to the window beneath, which does
// nothing with it; without the press, the release clicks nothing either.
void ClickArea::mousePressEvent(QMouseEvent* event)
{
    if (takesPlayerInput())
        QAbstractButton::mousePressEvent(event);
    else
        event->ignore();
}

} // namespace runtime
