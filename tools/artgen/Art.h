// Shared helpers and the entry points of each artwork family.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSizeF>
#include <QString>

class QTranslator;

#include <cstdint>

namespace art {

// Float colour, so blends and shading do not round at every step.
struct Rgb {
    float r = 0, g = 0, b = 0;
};
Rgb rgb(uint32_t hex);
Rgb mix(Rgb a, Rgb b, float t);
Rgb scale(Rgb c, float k);
QRgb toQRgb(Rgb c);
QColor toQColor(Rgb c, int alpha = 255);

float smoothstep(float e0, float e1, float x);

// Deterministic noise: the same inputs give the same art on every run and machine.
float hash01(int x, int y, uint32_t seed);
float valueNoise(float x, float y, uint32_t seed);   // smooth, in [0,1]
float fbm(float x, float y, int octaves, uint32_t seed);  // in [0,1]

// Soft blur of a premultiplied ARGB image (three box passes approximate a Gaussian).
void blur(QImage &img, int radius);

// Writes img to path, creating folders; exits the program on failure.
void save(const QImage &img, const QString &path, int quality = -1);

// One brick of the given style, logical size times scale pixels. texZoom > 1 packs
// more texture into each pixel (for tiny bricks); variant shifts the texture so
// neighbouring bricks of one style differ.
inline constexpr int kBrickStyles = 12;
QImage renderBrick(int style, QSizeF logical, qreal scale, qreal texZoom = 1.0, int variant = 0);

void writeBricks(const QString &dir, int scale);
// language: the game's translations the words come from; none for English.
void writeButtons(const QString &dir, int scale, const QTranslator *language = nullptr);
void writeAbout(const QString &dir, int scale, const QTranslator *language = nullptr);
void writeProgramIcon(const QString &dir);
void writePictures(const QString &dir);

// The script face for lettering, or the best fallback installed.
QFont scriptFont(int pixelSize);

}  // namespace art
