// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

namespace runtime {

// A window that comes into being, loaded but not shown, the first time it is
// referred to, and lives as long as its holder.
template <class Window>
class WindowInstance {
public:
    Window& operator*()
    {
        if (!m_window)
            m_window = std::make_unique<Window>();
        return *m_window;
    }
    Window* operator->() { return &**this; }
    bool exists() const { return m_window != nullptr; }

private:
    std::unique_ptr<Window> m_window;
};

} // namespace runtime
