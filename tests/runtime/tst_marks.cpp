// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/layout.h"
#include "runtime/halo.h"
#include "runtime/shape.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace {

// A hole as the board lays it out, on the board's yellow, with its hint's
// ring around it when asked: drawn at a scale, as on a high-density screen.
struct Hole {
    QWidget board;
    runtime::Shape shape;
    runtime::Halo halo;

    explicit Hole(const QColor& fill)
        : shape(&board, QRect(QPoint(margin(), margin()), game::cellArea(1, 0).size()), fill)
        , halo(&board)
    {
        board.setFixedSize(shape.size() + 2 * QSize(margin(), margin()));
        QPalette palette = board.palette();
        palette.setColor(QPalette::Window, game::yellow);
        board.setPalette(palette);
        board.setAutoFillBackground(true);
    }

    static int margin() { return runtime::pixelsFromTwips(game::hintRingTwips) + 4; }

    void ring(const QColor& colour) { halo.surround(shape.geometry(), runtime::pixelsFromTwips(game::hintRingTwips), colour); }

    QImage render(int scale)
    {
        QImage image(board.size() * scale, QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        board.render(&image);
        return image;
    }
};

using Marking = std::function<void(Hole&)>;

// Contrast of two colours as the Web Content Accessibility Guidelines define it.
double luminance(QRgb rgb)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

int distance(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// The pixels a mark changed: where the marked picture differs from the plain one.
QList<QPoint> changed(const QImage& plain, const QImage& marked)
{
    QList<QPoint> points;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (distance(plain.pixel(x, y), marked.pixel(x, y)) > 48)
                points << QPoint(x, y);
    return points;
}

bool isChanged(const QImage& plain, const QImage& marked, QPoint p)
{
    return plain.valid(p) && distance(plain.pixel(p), marked.pixel(p)) > 48;
}

// How the mark stands out from what lies under it: the median contrast of
// its edge, taken a whole pixel of the scale inside, where antialiasing
// has not mixed it with what lies under, against what the plain picture
// shows there.
double edgeContrast(const QImage& plain, const QImage& marked, int scale)
{
    QList<double> edge;
    const int depth = scale + 1;
    for (const QPoint p : changed(plain, marked)) {
        bool atDepth = false;
        for (const QPoint step : { QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1) }) {
            bool inside = true;
            for (int i = 1; i < depth; ++i)
                inside = inside && isChanged(plain, marked, p + i * step);
            atDepth = atDepth || (inside && !isChanged(plain, marked, p + depth * step));
        }
        if (atDepth)
            edge << contrast(marked.pixel(p), plain.pixel(p));
    }
    if (edge.isEmpty())
        return 0;
    std::sort(edge.begin(), edge.end());
    return edge[edge.size() / 2];
}

// The widest run across, in pixels of the scale, of pixels near a colour.
int widthOf(const QImage& image, const QColor& colour)
{
    int widest = 0;
    for (int y = 0; y < image.height(); ++y) {
        int run = 0;
        for (int x = 0; x < image.width(); ++x) {
            run = distance(image.pixel(x, y), colour.rgb()) < 60 ? run + 1 : 0;
            widest = std::max(widest, run);
        }
    }
    return widest;
}

// A green caption's pixels: the win's colour, which no other mark has.
bool isCaption(QRgb rgb)
{
    return qGreen(rgb) > qRed(rgb) + 40 && qGreen(rgb) > qBlue(rgb) + 40;
}

} // namespace

// The marks the board draws, seen as a player sees them: each large enough
// and standing out from what lies under it by 3:1 or more (the non-text
// contrast of WCAG 2.1), for both players' colours, at every scale a
// screen may have; and none drawn over another.
class TestMarks : public QObject {
    Q_OBJECT

private slots:
    void eachMarkIsLargeAndStandsOut_data();
    void eachMarkIsLargeAndStandsOut();
    void marksInOneHoleKeepApart_data();
    void marksInOneHoleKeepApart();
    void marksOnOneDiscKeepApart();
    void theHintsRingStaysClearOfTheNextHole();
};

void TestMarks::eachMarkIsLargeAndStandsOut_data()
{
    QTest::addColumn<QColor>("fill");
    QTest::addColumn<Marking>("mark");
    QTest::addColumn<QList<QColor>>("colours"); // the mark's own colours, each measured across
    QTest::addColumn<int>("leastAcross");       // pixels at scale 1
    QTest::addColumn<double>("mostOfHole");     // the share of the hole it may cover

    const QColor hole = game::emptyHole;
    for (int scale = 1; scale <= 3; ++scale) {
        const auto row = [scale](const char* name) -> QTestData& { return QTest::addRow("%s, scale %d", name, scale); };
        row("red threat") << hole << Marking([](Hole& h) { h.shape.setSpots({ game::red }); })
                          << QList<QColor>{ game::red } << 16 << 1.0;
        row("blue threat") << hole << Marking([](Hole& h) { h.shape.setSpots({ game::blue }); })
                           << QList<QColor>{ game::blue } << 16 << 1.0;
        row("both threats") << hole << Marking([](Hole& h) { h.shape.setSpots({ game::red, game::blue }); })
                            << QList<QColor>{ game::red, game::blue } << 12 << 1.0;
        row("red hint") << hole << Marking([](Hole& h) { h.ring(game::red); }) << QList<QColor>{ game::red } << 0 << 1.0;
        row("blue hint") << hole << Marking([](Hole& h) { h.ring(game::blue); }) << QList<QColor>{ game::blue } << 0
                         << 1.0;
        row("last move, red") << game::red << Marking([](Hole& h) { h.shape.setDot(true); })
                              << QList<QColor>{ Qt::white } << 0 << 0.25;
        row("last move, blue") << game::blue << Marking([](Hole& h) { h.shape.setDot(true); })
                               << QList<QColor>{ Qt::white } << 0 << 0.25;
        row("mistake, red") << game::red << Marking([](Hole& h) { h.shape.setDashedEdge(true); })
                            << QList<QColor>{} << 0 << 1.0;
        row("mistake, blue") << game::blue << Marking([](Hole& h) { h.shape.setDashedEdge(true); })
                             << QList<QColor>{} << 0 << 1.0;
        row("winning line, red") << game::red << Marking([](Hole& h) { h.shape.setRing(game::yellow); })
                                 << QList<QColor>{} << 0 << 1.0;
        row("winning line, blue") << game::blue << Marking([](Hole& h) { h.shape.setRing(game::yellow); })
                                  << QList<QColor>{} << 0 << 1.0;
    }
}

void TestMarks::eachMarkIsLargeAndStandsOut()
{
    QFETCH(QColor, fill);
    QFETCH(Marking, mark);
    QFETCH(QList<QColor>, colours);
    QFETCH(int, leastAcross);
    QFETCH(double, mostOfHole);
    const int scale = QString::fromLatin1(QTest::currentDataTag()).back().digitValue();

    Hole plain(fill);
    Hole marked(fill);
    mark(marked);
    const QImage before = plain.render(scale);
    const QImage after = marked.render(scale);

    QVERIFY2(edgeContrast(before, after, scale) >= 3.0, qPrintable(QString::number(edgeContrast(before, after, scale))));
    for (const QColor& colour : colours)
        QVERIFY2(widthOf(after, colour) >= leastAcross * scale,
                 qPrintable(QStringLiteral("%1 px across").arg(widthOf(after, colour))));
    const double holeArea = std::numbers::pi * std::pow(plain.shape.width() * scale / 2.0, 2);
    QVERIFY(static_cast<double>(changed(before, after).size()) <= mostOfHole * holeArea);
}

void TestMarks::marksInOneHoleKeepApart_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<QList<QColor>>("spots");
    for (int scale = 1; scale <= 3; ++scale) {
        QTest::addRow("one threat, scale %d", scale) << scale << QList<QColor>{ game::blue };
        QTest::addRow("two threats, scale %d", scale) << scale << QList<QColor>{ game::red, game::blue };
    }
}

// An outcome's caption, the hint's ring and the threats can all show in
// the hole where a column's next disc lands: the caption stays whole and
// touches neither.
void TestMarks::marksInOneHoleKeepApart()
{
    QFETCH(int, scale);
    QFETCH(QList<QColor>, spots);
    Hole caption(game::emptyHole);
    caption.shape.setCaption(QStringLiteral("+16"), QColor(0x66, 0xEE, 0x66));
    Hole others(game::emptyHole);
    others.shape.setSpots(spots);
    others.ring(game::blue);
    Hole all(game::emptyHole);
    all.shape.setCaption(QStringLiteral("+16"), QColor(0x66, 0xEE, 0x66));
    all.shape.setSpots(spots);
    all.ring(game::blue);

    const QImage plain = Hole(game::emptyHole).render(scale);
    const QImage captionOnly = caption.render(scale);
    const QImage othersOnly = others.render(scale);
    const QImage together = all.render(scale);
    int captionPixels = 0;
    int captionPixelsTogether = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            captionPixels += isCaption(captionOnly.pixel(x, y)) ? 1 : 0;
            if (!isCaption(together.pixel(x, y)))
                continue;
            ++captionPixelsTogether;
            // Not even the caption's edge lies on another mark or next to it.
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    QVERIFY2(!isChanged(plain, othersOnly, QPoint(x + dx, y + dy)),
                             qPrintable(QStringLiteral("caption meets a mark at %1,%2").arg(x).arg(y)));
        }
    // Moved up clear of the spots, it may fall on other pixels' edges.
    QVERIFY(captionPixels > 0);
    QVERIFY2(std::abs(captionPixelsTogether - captionPixels) <= captionPixels / 20,
             qPrintable(QStringLiteral("%1 of %2").arg(captionPixelsTogether).arg(captionPixels)));
}

// The last move, a mistake and the winning line can all mark one disc:
// each where the others are not, with a pixel between.
void TestMarks::marksOnOneDiscKeepApart()
{
    const QList<Marking> marks{ [](Hole& h) { h.shape.setDot(true); },
                                [](Hole& h) { h.shape.setDashedEdge(true); },
                                [](Hole& h) { h.shape.setRing(game::yellow); } };
    for (int scale = 1; scale <= 3; ++scale) {
        const QImage plain = Hole(game::blue).render(scale);
        QList<QImage> marked;
        for (const Marking& mark : marks) {
            Hole hole(game::blue);
            mark(hole);
            marked << hole.render(scale);
        }
        for (qsizetype a = 0; a < marked.size(); ++a)
            for (const QPoint p : changed(plain, marked[a]))
                for (qsizetype b = a + 1; b < marked.size(); ++b)
                    for (const QPoint step : { QPoint(0, 0), QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1) })
                        QVERIFY2(!isChanged(plain, marked[b], p + step),
                                 qPrintable(QStringLiteral("marks %1 and %2 meet at scale %3").arg(a).arg(b).arg(scale)));
    }
}

// The ring lies on the board between the holes and never reaches the next one.
void TestMarks::theHintsRingStaysClearOfTheNextHole()
{
    const int width = runtime::pixelsFromTwips(game::hintRingTwips);
    for (int c = 1; c <= game::columns; ++c)
        for (int r = 0; r < game::rows; ++r) {
            const QRect ring = game::cellArea(c, r).adjusted(-width, -width, width, width);
            for (const QPoint next : { QPoint(c + 1, r), QPoint(c, r + 1) })
                if (next.x() <= game::columns && next.y() < game::rows)
                    QVERIFY(!ring.intersects(game::cellArea(next.x(), next.y())));
            QVERIFY(game::clientArea.contains(ring));
        }
}

QTEST_MAIN(TestMarks)
#include "tst_marks.moc"
