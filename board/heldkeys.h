// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>

class QEvent;
class QKeyEvent;

// The keys held down, so that a key held drops one disc however the system
// repeats it: as presses without releases, as presses flagged as repeats, or
// as release-and-press pairs that X sends with one timestamp and Qt does
// not always recognise. A key counts as released only by a release that no
// press follows at the same moment.
//
// A press and its release are paired by the physical key, its scan code:
// what the key reads as depends on the modifiers and the keypad's state at
// each moment (4 pressed reads as $ released once Shift is down). Events
// without a scan code, such as those the program or a test makes itself,
// are paired by the key they read as, and never taken for a repeat pair:
// only a keyboard repeats that way.
class HeldKeys {
public:
    // Whether this press starts a hold, rather than repeating one.
    bool pressStartsHold(const QKeyEvent& event);
    void release(const QKeyEvent& event);
    // Forgets every key: releases go elsewhere while the window lacks the focus.
    void releaseAll();
    // Follows the window the keys are pressed in: its releases of any key
    // (a key pressed as 4 may be released as $ once Shift is down), and its
    // loss of the focus.
    void follow(const QEvent& event);

private:
    struct Key {
        bool down = false;
        unsigned long releasedAt = 0; // the timestamp of its last release
    };
    QHash<quint64, Key> m_keys;
};
