#pragma once

#include <QAbstractButton>

namespace runtime {

// An invisible area that takes clicks: a press and a release inside it, as
// with a button. It draws nothing and never takes the keyboard focus.
class ClickArea : public QAbstractButton {
    Q_OBJECT

public:
    ClickArea(QWidget* parent, const QRect& geometry);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace runtime
