// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>

#include <functional>

namespace runtime {

// An invisible area that takes clicks: a press and a release inside it, as
// with a button. It draws nothing and never takes the keyboard focus.
class ClickArea : public QAbstractButton {
    Q_OBJECT

public:
    ClickArea(QWidget* parent, const QRect& geometry);

    // Whether the player at the screen may use it now, by mouse or through a
    // screen reader's press action; click() from the program always works.
    // By default they always may.
    void setTakesPlayerInputWhen(std::function<bool()> condition);
    bool takesPlayerInput() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::function<bool()> m_takesPlayerInput;
};

} // namespace runtime
