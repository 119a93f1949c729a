#include "label.h"

#include <QPainter>
#include <QTextLayout>

namespace runtime {

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

void Label::paintEvent(QPaintEvent*)
{
    if (text().isEmpty())
        return;
    const QRectF area = contentsRect();
    QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QTextLayout layout(text(), font());
    layout.setTextOption(option);
    layout.beginLayout();
    // Lines are laid out only until one falls below the label: a caption of
    // thousands of lines costs no more to paint than one that fits.
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        line.setPosition({ 0, y });
        y += line.height();
        if (y > area.height())
            break;
    }
    layout.endLayout();

    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const int lineCount = layout.lineCount();
    int shown = 0;
    while (shown < lineCount && (shown == 0 || layout.lineAt(shown).rect().bottom() <= area.height()))
        ++shown;
    for (int i = 0; i < shown - 1; ++i)
        layout.lineAt(i).draw(&painter, area.topLeft());

    const QTextLine last = layout.lineAt(shown - 1);
    if (last.textStart() + last.textLength() >= text().size()) {
        last.draw(&painter, area.topLeft());
        return;
    }
    // More text than lines: the last line that fits takes the rest, elided.
    const QString rest = text().mid(last.textStart());
    const QString elided = QFontMetricsF(font()).elidedText(rest, Qt::ElideRight, area.width());
    const QRectF lineArea(area.left(), area.top() + last.y(), area.width(), last.height());
    painter.drawText(lineArea, int(option.alignment() | Qt::AlignTop), elided);
}

} // namespace runtime
