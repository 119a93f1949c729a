// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>

class QKeyEvent;

// The keys held down, so that a key held drops one disc however the system
// repeats it: as presses without releases, as presses flagged as repeats, or
// as release-and-press pairs that X sends with one timestamp and Qt does
// not always recognise. A key counts as released only by a release that no
// press follows at the same moment.
class HeldKeys {
public:
    // Whether this press starts a hold, rather than repeating one.
    bool pressStartsHold(const QKeyEvent& event);
    void release(const QKeyEvent& event);
    // Forgets every key: releases go elsewhere while the window lacks the focus.
    void releaseAll();

private:
    struct Key {
        bool down = false;
        unsigned long releasedAt = 0; // the timestamp of its last release
    };
    QHash<int, Key> m_keys;
};
