// SPDX-License-Identifier: GPL-3.0-or-later
#include "look.h"

#include <QPalette>
#include <QWidget>

namespace runtime {

void keepLookWhenDisabled(QWidget* window)
{
    QPalette palette = window->palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colorRole = static_cast<QPalette::ColorRole>(role);
        if (colorRole == QPalette::NoRole)
            continue;
        palette.setColor(QPalette::Disabled, colorRole,
                         palette.color(QPalette::Active, colorRole));
    }
    window->setPalette(palette);
}

} // namespace runtime
