// SPDX-License-Identifier: GPL-3.0-or-later
#include "columnkeys.h"

#include "board/layout.h"

#include <QKeyEvent>
#include <QWidget>

namespace {

// The column a key names, 1 to 7, else 0.
int columnOfKey(const QKeyEvent& event)
{
    constexpr Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event.modifiers() & commands)
        return 0;
    const int c = event.key() - Qt::Key_1 + 1;
    return c >= 1 && c <= game::columns ? c : 0;
}

} // namespace

ColumnKeys::ColumnKeys(QWidget& board)
    : QObject(&board)
{
    board.installEventFilter(this);
}

bool ColumnKeys::eventFilter(QObject* watched, QEvent* event)
{
    m_heldKeys.follow(*event);
    switch (event->type()) {
    case QEvent::KeyPress:
        if (const int c = columnOfKey(*static_cast<QKeyEvent*>(event))) {
            if (m_heldKeys.pressStartsHold(*static_cast<QKeyEvent*>(event)))
                emit pressed(c);
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
