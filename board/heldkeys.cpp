// SPDX-License-Identifier: GPL-3.0-or-later
#include "heldkeys.h"

#include <QKeyEvent>

namespace {

// The keypad's keys are keys of their own.
int identity(const QKeyEvent& event)
{
    return event.key() | static_cast<int>(event.modifiers() & Qt::KeypadModifier);
}

} // namespace

bool HeldKeys::pressStartsHold(const QKeyEvent& event)
{
    Key& key = m_keys[identity(event)];
    // A timestamp of 0 is none at all, as in events the program makes itself.
    const bool pairedWithRelease = event.timestamp() != 0 && event.timestamp() == key.releasedAt;
    const bool starts = !key.down && !event.isAutoRepeat() && !pairedWithRelease;
    key.down = true;
    return starts;
}

void HeldKeys::release(const QKeyEvent& event)
{
    if (event.isAutoRepeat())
        return;
    Key& key = m_keys[identity(event)];
    key.down = false;
    key.releasedAt = event.timestamp();
}

void HeldKeys::releaseAll()
{
    m_keys.clear();
}
