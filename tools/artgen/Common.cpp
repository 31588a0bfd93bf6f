#include "Art.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QImageWriter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace art {

Rgb rgb(uint32_t hex)
{
    return {float((hex >> 16) & 0xff) / 255.f, float((hex >> 8) & 0xff) / 255.f, float(hex & 0xff) / 255.f};
}

Rgb mix(Rgb a, Rgb b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb scale(Rgb c, float k)
{
    return {c.r * k, c.g * k, c.b * k};
}

static int channel(float v)
{
    return std::clamp(int(std::lround(v * 255.f)), 0, 255);
}

QRgb toQRgb(Rgb c)
{
    return qRgb(channel(c.r), channel(c.g), channel(c.b));
}

QColor toQColor(Rgb c, int alpha)
{
    return QColor(channel(c.r), channel(c.g), channel(c.b), alpha);
}

float smoothstep(float e0, float e1, float x)
{
    const float t = std::clamp((x - e0) / (e1 - e0), 0.f, 1.f);
    return t * t * (3.f - 2.f * t);
}

float hash01(int x, int y, uint32_t seed)
{
    uint32_t h = uint32_t(x) * 0x8da6b343u ^ uint32_t(y) * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return float(h & 0xffffff) / float(0xffffff);
}

float valueNoise(float x, float y, uint32_t seed)
{
    const float fx = std::floor(x), fy = std::floor(y);
    const int ix = int(fx), iy = int(fy);
    // Quintic fade: no visible grid creases even when strongly contrasted.
    auto fade = [](float t) { return t * t * t * (t * (t * 6.f - 15.f) + 10.f); };
    const float tx = fade(x - fx), ty = fade(y - fy);
    const float a = hash01(ix, iy, seed), b = hash01(ix + 1, iy, seed);
    const float c = hash01(ix, iy + 1, seed), d = hash01(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float fbm(float x, float y, int octaves, uint32_t seed)
{
    float sum = 0, amp = 0.5f, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * valueNoise(x, y, seed + uint32_t(i) * 101u);
        norm += amp;
        x = x * 2.03f + 17.1f;
        y = y * 2.03f + 9.7f;
        amp *= 0.5f;
    }
    return sum / norm;
}

// One box pass along rows (or columns via stride), with edges clamped.
static void boxPass(uchar *base, int count, int length, qsizetype lineStep, qsizetype pixStep, int radius)
{
    std::vector<int> acc(size_t(length) * 4);
    for (int line = 0; line < count; ++line) {
        uchar *p = base + line * lineStep;
        auto px = [&](int i) { return p + std::clamp(i, 0, length - 1) * pixStep; };
        int sum[4] = {0, 0, 0, 0};
        for (int i = -radius - 1; i < radius; ++i)
            for (int c = 0; c < 4; ++c)
                sum[c] += px(i)[c];
        for (int i = 0; i < length; ++i) {
            for (int c = 0; c < 4; ++c) {
                sum[c] += px(i + radius)[c] - px(i - radius - 1)[c];
                acc[size_t(i) * 4 + size_t(c)] = sum[c] / (2 * radius + 1);
            }
        }
        for (int i = 0; i < length; ++i)
            for (int c = 0; c < 4; ++c)
                p[i * pixStep + c] = uchar(acc[size_t(i) * 4 + size_t(c)]);
    }
}

void blur(QImage &img, int radius)
{
    if (radius < 1)
        return;
    img = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int r = std::max(1, radius / 2);
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(img.bits(), img.height(), img.width(), img.bytesPerLine(), 4, r);
        boxPass(img.bits(), img.width(), img.height(), 4, img.bytesPerLine(), r);
    }
}

void save(const QImage &img, const QString &path, int quality)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImageWriter writer(path);
    if (quality >= 0)
        writer.setQuality(quality);
    if (!writer.write(img)) {
        std::fprintf(stderr, "artgen: cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        std::exit(1);
    }
}

QFont scriptFont(int pixelSize)
{
    // Z003 is the current name of URW Chancery; DejaVu Serif italic is the last resort.
    static const QString family = [] {
        for (const char *name : {"Z003", "URW Chancery L", "TeX Gyre Chorus"})
            if (QFontDatabase::hasFamily(QString::fromLatin1(name)))
                return QString::fromLatin1(name);
        std::fprintf(stderr, "artgen: no script face installed (Debian: fonts-urw-base35), using DejaVu Serif\n");
        return QStringLiteral("DejaVu Serif");
    }();
    QFont font(family);
    font.setItalic(family == QLatin1String("DejaVu Serif"));  // script faces slant already
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace art
