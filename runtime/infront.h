// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace runtime {

// Keeps a dialog in front of its owner window for as long as both live: the
// window manager stacks it above the owner (and leaves it out of the task
// bar), and while the owner is disabled, activating the owner, say by a click
// on it, hands the keyboard straight back to the dialog.
void keepInFrontOf(QWidget* dialog, QWidget* owner);

// Brings a window that is already shown to the front, with the keyboard.
void bringToFront(QWidget* window);

} // namespace runtime
