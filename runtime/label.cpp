// SPDX-License-Identifier: GPL-3.0-or-later
#include "label.h"

#include <QEvent>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <QTextLayout>

#include <algorithm>

namespace runtime {
namespace {

const QString ellipsis(QChar(0x2026));

// Where the name may be cut: between graphemes, so that no letter loses its
// accents and no emoji is split.
QList<qsizetype> graphemeEnds(const QString& name)
{
    QList<qsizetype> ends;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, name);
    for (qsizetype end = finder.toNextBoundary(); end > 0; end = finder.toNextBoundary())
        ends.append(end);
    return ends;
}

} // namespace

Label::Label(QWidget* parent, const QRect& geometry, Qt::Alignment alignment)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(alignment | Qt::AlignTop);
    setWordWrap(true);
    setGeometry(geometry);
}

void Label::setTextColor(const QColor& color)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, color);
    setPalette(palette);
}

void Label::setOpaque()
{
    setAutoFillBackground(true);
}

void Label::setText(const QString& text)
{
    setTextWithName(QStringLiteral("%1"), text);
}

void Label::setTextWithName(const QString& pattern, const QString& name)
{
    m_pattern = pattern;
    m_name = name;
    QLabel::setText(pattern.arg(name));
    fitText();
}

void Label::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitText();
}

// Keeps as much of the name as fits beside the rest of the pattern. When not
// even the pattern fits, the whole caption is shown and its last line elided.
void Label::fitText()
{
    m_shownText = text();
    if (fits(m_shownText)) {
        setToolTip({});
        return;
    }
    setToolTip(text());
    const QList<qsizetype> ends = graphemeEnds(m_name);
    qsizetype low = 0; // graphemes known to fit; 0 may not, and is checked last
    qsizetype high = ends.size() - 1;
    const auto shortened = [&](qsizetype graphemes) {
        return m_pattern.arg(m_name.left(graphemes > 0 ? ends[graphemes - 1] : 0) + ellipsis);
    };
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (fits(shortened(middle)))
            low = middle;
        else
            high = middle - 1;
    }
    if (fits(shortened(low)))
        m_shownText = shortened(low);
}

// A line takes the height of the label's own font. Letters that font lacks
// come from another, whose taller line would push a second line out of the
// label: Japanese text with Latin metrics fits two lines where a Latin name
// does, and Latin text is laid out exactly as before.
qreal Label::lineBottom(const QTextLine& line) const
{
    return line.y() + std::min(line.height(), QFontMetricsF(font()).height());
}

void Label::layOut(QTextLayout& layout) const
{
    const QRectF area = contentsRect();
    QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setFont(font());
    layout.setTextOption(option);
    layout.beginLayout();
    // Lines are laid out only until one falls below the label: a caption of
    // thousands of lines costs no more to lay out than one that fits.
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        line.setPosition({ 0, y });
        y = lineBottom(line);
        if (y > area.height())
            break;
    }
    layout.endLayout();
}

bool Label::fits(const QString& text) const
{
    QTextLayout layout(text);
    layOut(layout);
    const int lineCount = layout.lineCount();
    if (lineCount == 0)
        return true;
    // The first line is shown even when it is taller than the label.
    const QTextLine last = layout.lineAt(lineCount - 1);
    return last.textStart() + last.textLength() >= text.size()
        && (lineCount == 1 || lineBottom(last) <= contentsRect().height());
}

void Label::paintEvent(QPaintEvent*)
{
    if (m_shownText.isEmpty())
        return;
    QTextLayout layout(m_shownText);
    layOut(layout);
    const QRectF area = contentsRect();
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const int lineCount = layout.lineCount();
    int shown = 0;
    while (shown < lineCount && (shown == 0 || lineBottom(layout.lineAt(shown)) <= area.height()))
        ++shown;
    for (int i = 0; i < shown - 1; ++i)
        layout.lineAt(i).draw(&painter, area.topLeft());

    const QTextLine last = layout.lineAt(shown - 1);
    if (last.textStart() + last.textLength() >= m_shownText.size()) {
        last.draw(&painter, area.topLeft());
        return;
    }
    // More text than lines: the last line that fits takes the rest, elided.
    const QString rest = m_shownText.mid(last.textStart());
    const QString elided = QFontMetricsF(font()).elidedText(rest, Qt::ElideRight, area.width());
    const QRectF lineArea(area.left(), area.top() + last.y(), area.width(), last.height());
    painter.drawText(lineArea, int(layout.textOption().alignment() | Qt::AlignTop), elided);
}

} // namespace runtime
