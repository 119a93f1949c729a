// SPDX-License-Identifier: GPL-3.0-or-later
#include "infront.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace runtime {
namespace {

// Watches the owner on behalf of the dialog, whose child it is.
class KeyboardReturner : public QObject {
public:
    KeyboardReturner(QWidget* dialog, QWidget* owner)
        : QObject(dialog)
        , m_dialog(dialog)
        , m_owner(owner)
    {
        owner->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_owner && event->type() == QEvent::ActivationChange && m_owner->isActiveWindow()
            && !m_owner->isEnabled() && m_dialog->isVisible()) {
            bringToFront(m_dialog);
        }
        return false;
    }

private:
    QWidget* m_dialog;
    QPointer<QWidget> m_owner;
};

} // namespace

void bringToFront(QWidget* window)
{
    // The offscreen platform stacks no windows, and warns at every request to.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        window->raise();
    window->activateWindow();
}

void keepInFrontOf(QWidget* dialog, QWidget* owner)
{
    // The native windows must exist for the one to name the other its parent.
    dialog->winId();
    owner->winId();
    dialog->windowHandle()->setTransientParent(owner->windowHandle());
    new KeyboardReturner(dialog, owner);
}

} // namespace runtime
