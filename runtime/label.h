#pragma once

#include <QLabel>

namespace runtime {

// A caption at a fixed place: always plain text, never markup or mnemonics.
// Text wraps at word boundaries like a form label's; what still does not fit
// is elided, so a long caption neither spills out nor enlarges anything.
class Label : public QLabel {
    Q_OBJECT

public:
    explicit Label(QWidget* parent, const QRect& geometry, Qt::Alignment alignment);

    void setTextColor(const QColor& color);
    // Paints the window colour behind the text instead of letting the window show through.
    void setOpaque();

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace runtime
