// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

class QTextLayout;
class QTextLine;

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

    // Shows the text as it is; what does not fit ends in an ellipsis.
    void setText(const QString& text);
    // Shows pattern with its %1 replaced by name. When that does not fit, the
    // name is shortened with an ellipsis so that the rest of the pattern, the
    // part that carries the meaning, stays whole. text() and the tooltip keep
    // the whole caption.
    void setTextWithName(const QString& pattern, const QString& name);
    // The caption as painted: text(), or the shortened form that fits.
    QString shownText() const { return m_shownText; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitText();
    bool fits(const QString& text) const;
    void layOut(QTextLayout& layout) const;
    qreal lineBottom(const QTextLine& line) const;

    QString m_pattern = QStringLiteral("%1");
    QString m_name;
    QString m_shownText;
};

} // namespace runtime
