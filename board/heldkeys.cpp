// SPDX-License-Identifier: GPL-3.0-or-later
#include "heldkeys.h"

#include <QKeyEvent>

namespace {

// The physical key where the event says which it is; else the key it reads
// as, the keypad's keys being keys of their own. Scan codes sit above any
// key code, so that the two kinds never meet.
quint64 identity(const QKeyEvent& event)
{
    if (event.nativeScanCode() != 0)
        return quint64{ event.nativeScanCode() } << 32;
    return static_cast<quint64>(event.key() | (event.modifiers() & Qt::KeypadModifier).toInt());
}

// Whether the event comes from a keyboard and says when: only then can it be
// half of a repeat sent as a release and a press at one moment. A timestamp
// of 0 is none at all.
bool isTimedKeyboardEvent(const QKeyEvent& event)
{
    return event.nativeScanCode() != 0 && event.timestamp() != 0;
}

} // namespace

bool HeldKeys::pressStartsHold(const QKeyEvent& event)
{
    Key& key = m_keys[identity(event)];
    const bool pairedWithRelease = isTimedKeyboardEvent(event) && event.timestamp() == key.releasedAt;
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

void HeldKeys::follow(const QEvent& event)
{
    if (event.type() == QEvent::KeyRelease)
        release(static_cast<const QKeyEvent&>(event));
    else if (event.type() == QEvent::FocusOut)
        releaseAll();
}
