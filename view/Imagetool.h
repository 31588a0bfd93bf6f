#pragma once
// Pixel tools on 32-bit bitmaps (blue, green, red, fourth byte in memory).
// Rectangles are in a bitmap's logical pixels (a bitmap made for a HiDPI
// screen has two device pixels to each) and are clipped to their bitmaps.
#include <QImage>
#include <QRect>

class QWidget;

// The art is drawn at 1x and at these larger scales, up to this one: full
// screen on a 3840 x 2160 screen shows the game at 4.5x.
inline constexpr int kLargestArtScale = 5;
// Device pixels per logical pixel for the game's bitmaps where the widget is
// shown, on its screen and through any view that scales it: the shown scale
// rounded up to a whole one, at most kLargestArtScale.
int bitmapScale(const QWidget* widget);
// The art at a resource path, in its larger "@2x" to "@5x" form at those scales.
QImage loadArt(const QString& path, int scale);
// Art with words on it (the buttons, the About picture) has a copy for each
// language beside it, in a folder named by the language's code
// (":/buttons/de/ok_pic.png"); loadArt takes the copy of this language, ""
// for English. A language without a copy of some art shows the English.
void setArtLanguage(const QString& language);
const QString& artLanguage();
// A logical rectangle of the bitmap in its device pixels.
QRect devicePixels(const QImage& bitmap, const QRect& logical);

// percent: each channel becomes channel * amount / 100; otherwise channel + amount.
// Channels are clamped to 0..255; the fourth byte is kept.
bool ChangeBrightness(QImage& bitmap, int amount, const QRect& rect, bool percent);

// Writes first * (100 - weight) / 100 + second * weight / 100 into targetRect
// of target; each source rectangle is stretched to the target rectangle's size.
bool CrossFade(const QImage& first, const QRect& firstRect, const QImage& second, const QRect& secondRect,
               QImage& target, const QRect& targetRect, int weight);
