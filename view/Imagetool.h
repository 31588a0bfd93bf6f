#pragma once
// Pixel tools on 32-bit bitmaps (blue, green, red, fourth byte in memory).
// Rectangles are clipped to their bitmaps.
#include <QImage>
#include <QRect>

// percent: each channel becomes channel * amount / 100; otherwise channel + amount.
// Channels are clamped to 0..255; the fourth byte is kept.
bool ChangeBrightness(QImage& bitmap, int amount, const QRect& rect, bool percent);

// Writes first * (100 - weight) / 100 + second * weight / 100 into targetRect
// of target; each source rectangle is stretched to the target rectangle's size.
bool CrossFade(const QImage& first, const QRect& firstRect, const QImage& second, const QRect& secondRect,
               QImage& target, const QRect& targetRect, int weight);
