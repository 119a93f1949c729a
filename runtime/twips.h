// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>
#include <QStringList>

// The window layouts are written in twips (1/1440 inch). They become logical
// pixels through this one conversion, at 96 dots per inch; Qt's device-pixel
// ratio then takes care of high-density screens.
namespace runtime {

inline constexpr int twipsPerPixel = 15;

constexpr int pixelsFromTwips(int twips)
{
    return twips / twipsPerPixel;
}

constexpr QRect rectFromTwips(int left, int top, int width, int height)
{
    return { pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width),
             pixelsFromTwips(height) };
}

// Point sizes are converted at 96 dots per inch too, so the layout never
// depends on the platform's logical DPI (20.25 pt is 27 px).
constexpr int pixelsFromPoints(double points)
{
    return static_cast<int>(points * 96.0 / 72.0 + 0.5);
}

// A font of the given faces, first one installed wins, at a size in points.
inline QFont fontFromPoints(const QStringList& faces, double points)
{
    QFont font;
    font.setFamilies(faces);
    font.setPixelSize(pixelsFromPoints(points));
    font.setWeight(QFont::Normal);
    return font;
}

// The faces the layouts ask for, each followed by its metric-compatible
// stand-in for systems that lack it.
inline const QStringList serifFaces{ QStringLiteral("Times New Roman"),
                                     QStringLiteral("Liberation Serif"), QStringLiteral("serif") };
inline const QStringList sansFaces{ QStringLiteral("MS Sans Serif"),
                                    QStringLiteral("Liberation Sans"), QStringLiteral("sans-serif") };

} // namespace runtime
