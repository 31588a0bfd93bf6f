// Brick faces: one shading routine with a per-style surface pattern, used for the
// wall bricks, the piece icons and the about box.
#include "Art.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace art {
namespace {

enum class Pattern { Clay, Stripes, Stone, Grain, Brushed, Granite, Gloss, Glow, Mottle, Chrome };

struct BrickStyle {
    Pattern pattern;
    Rgb a;  // main colour
    Rgb b;  // second colour of the pattern
    uint32_t seed;
};

const BrickStyle kStyles[kBrickStyles] = {
    {Pattern::Clay, rgb(0xb24a32), rgb(0x7e2c1d), 101},     // reddish clay
    {Pattern::Stripes, rgb(0x2fa89f), rgb(0x14625c), 102},  // teal stripes
    {Pattern::Stone, rgb(0xbcd6ea), rgb(0x86a9c8), 103},    // pale blue stone
    {Pattern::Grain, rgb(0xc66e2c), rgb(0x7f3c14), 104},    // orange-brown wood
    {Pattern::Brushed, rgb(0x939aa3), rgb(0x626972), 105},  // grey metal
    {Pattern::Grain, rgb(0xecd5a4), rgb(0xc39f66), 106},    // pale wood
    {Pattern::Granite, rgb(0x8f8d8b), rgb(0x4a4846), 107},  // grey granite
    {Pattern::Gloss, rgb(0xe0262c), rgb(0x86090f), 108},    // glossy red
    {Pattern::Gloss, rgb(0xfad22a), rgb(0xc28a04), 109},    // glossy yellow
    {Pattern::Glow, rgb(0xd5520c), rgb(0xffe35c), 110},     // orange, yellow glow
    {Pattern::Mottle, rgb(0xf8ad26), rgb(0xe27810), 111},   // orange-yellow
    {Pattern::Chrome, rgb(0xeef1f5), rgb(0x7d848e), 112},   // silver
};

// Round grains, one per cell at a random spot: the grain's random id in [0,1),
// or -1 where no grain covers (u, v).
float grain(float u, float v, float cell, float radius, uint32_t seed)
{
    const float gx = u / cell, gy = v / cell;
    const int cx = int(std::floor(gx)), cy = int(std::floor(gy));
    for (int iy = cy - 1; iy <= cy + 1; ++iy) {
        for (int ix = cx - 1; ix <= cx + 1; ++ix) {
            const float r = radius / cell * (0.5f + hash01(ix, iy, seed + 2));
            if (std::hypot(gx - float(ix) - hash01(ix, iy, seed), gy - float(iy) - hash01(ix, iy, seed + 1)) < r)
                return hash01(ix, iy, seed + 3);
        }
    }
    return -1.f;
}

// Surface colour before edge shading. (s, t) run 0..1 across the brick, for
// features that belong to the whole brick; (u, v) are texture units, for grain.
Rgb surface(const BrickStyle &st, float s, float t, float u, float v)
{
    const uint32_t seed = st.seed;
    switch (st.pattern) {
    case Pattern::Clay: {
        Rgb c = mix(st.a, st.b, 0.75f * fbm(u / 7.f, v / 5.f, 4, seed));
        const float g = grain(u, v, 3.5f, 0.6f, seed);
        if (g > 0.75f)
            c = scale(c, 0.72f);
        else if (g >= 0.f && g < 0.2f)
            c = mix(c, rgb(0xe8a27a), 0.4f);
        return c;
    }
    case Pattern::Stripes: {
        const float phase = (u + v * 1.2f) / 9.f + 0.15f * fbm(u / 9.f, v / 9.f, 2, seed);
        const float f = phase - std::floor(phase);
        const float band = smoothstep(0.08f, 0.16f, f) - smoothstep(0.48f, 0.56f, f);
        Rgb c = mix(st.b, st.a, band);
        return mix(c, rgb(0xbff5ee), 0.12f * band * (1.f - t));
    }
    case Pattern::Stone: {
        Rgb c = mix(st.a, st.b, fbm(u / 11.f, v / 8.f, 5, seed));
        const float vein = std::abs(fbm(u / 16.f + 3.f, v / 10.f, 4, seed + 7) - 0.5f);
        c = mix(c, scale(st.b, 0.75f), 0.7f * (1.f - smoothstep(0.f, 0.035f, vein)));
        return mix(c, rgb(0xffffff), 0.25f * (1.f - smoothstep(0.f, 0.02f, std::abs(vein - 0.12f))));
    }
    case Pattern::Grain: {
        // Rings run along the brick, wobbled by noise so they read as wood.
        const float warp = 6.f * fbm(u / 22.f, v / 6.f, 3, seed);
        const float ring = 0.5f + 0.5f * std::sin((v + warp) * 1.35f);
        const float streak = fbm(u / 1.5f, v * 2.2f, 2, seed + 3);
        Rgb c = mix(st.a, st.b, 0.65f * std::pow(ring, 3.f) + 0.25f * streak);
        const float knot = std::hypot((u - 44.f) / 4.f, (v - 9.f) / 2.2f);
        return mix(c, st.b, 0.5f * (1.f - smoothstep(0.4f, 1.6f, knot)));
    }
    case Pattern::Brushed: {
        const float streak = 0.6f * valueNoise(u / 24.f, v * 1.6f, seed) + 0.4f * hash01(0, int(std::floor(v * 2.f)), seed);
        Rgb c = mix(st.a, st.b, 0.55f * streak + 0.35f * t);
        return mix(c, rgb(0xffffff), 0.22f * (1.f - smoothstep(0.f, 0.35f, std::abs(s - 0.3f))));
    }
    case Pattern::Granite: {
        Rgb c = mix(st.a, st.b, 0.45f * fbm(u / 5.f, v / 5.f, 3, seed));
        // Crystals: dark mica, white quartz and a few pink feldspar grains.
        const float g = grain(u, v, 2.4f, 0.55f, seed);
        if (g > 0.7f)
            c = mix(c, scale(st.b, 0.45f), 0.8f);
        else if (g >= 0.f && g < 0.22f)
            c = mix(c, rgb(0xe8e4e0), 0.7f);
        else if (g >= 0.22f && g < 0.34f)
            c = mix(c, rgb(0xc09080), 0.6f);
        return c;
    }
    case Pattern::Gloss: {
        Rgb c = mix(st.a, st.b, smoothstep(0.1f, 1.f, t));
        // A soft window reflection across the upper half.
        const float hl = (1.f - smoothstep(0.08f, 0.42f, t)) * smoothstep(0.f, 0.12f, s) * (1.f - smoothstep(0.88f, 1.f, s));
        c = mix(c, rgb(0xffffff), 0.55f * hl);
        return mix(c, scale(st.a, 1.15f), 0.35f * smoothstep(0.7f, 0.95f, t));
    }
    case Pattern::Glow: {
        const float d = std::hypot((s - 0.5f) * 3.2f, (t - 0.5f) * 1.1f);
        Rgb c = mix(st.a, st.b, std::exp(-d * d * 2.2f));
        return mix(c, scale(st.a, 0.8f), 0.25f * fbm(u / 5.f, v / 5.f, 3, seed));
    }
    case Pattern::Mottle:
        return mix(mix(st.a, st.b, fbm(u / 9.f, v / 6.f, 4, seed)), st.b, 0.4f * t);
    case Pattern::Chrome: {
        // Reflected sky above a dark horizon, then a lighter floor, like polished steel.
        const float sky = 1.f - smoothstep(0.05f, 0.5f, t);
        const float floor = smoothstep(0.52f, 1.f, t);
        Rgb c = mix(st.b, st.a, std::max(sky, 0.55f * floor));
        c = mix(c, scale(st.b, 0.7f), 0.6f * (1.f - smoothstep(0.f, 0.06f, std::abs(t - 0.5f))));
        return mix(c, st.b, 0.12f * valueNoise(u / 20.f, v * 1.5f, seed));
    }
    }
    return st.a;
}

}  // namespace

QImage renderBrick(int style, QSizeF logical, qreal scale_, qreal texZoom, int variant)
{
    const BrickStyle &st = kStyles[style];
    const int w = int(std::lround(logical.width() * scale_));
    const int h = int(std::lround(logical.height() * scale_));
    const float sc = float(scale_);
    const float outline = sc;  // one logical pixel of mortar-dark edge
    const float bevel = sc * float(std::clamp(std::round(logical.height() / 10.0), 1.0, 3.0));
    const float zoom = float(texZoom) / sc;
    const float shiftU = 97.f * float(variant), shiftV = 41.f * float(variant);
    constexpr int kSub = 4;  // 4x4 samples per pixel keep fine texture from aliasing

    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            Rgb acc;
            for (int sy = 0; sy < kSub; ++sy) {
                for (int sx = 0; sx < kSub; ++sx) {
                    const float px = float(x) + (float(sx) + 0.5f) / kSub;
                    const float py = float(y) + (float(sy) + 0.5f) / kSub;
                    Rgb c = surface(st, px / float(w), py / float(h), px * zoom + shiftU, py * zoom + shiftV);
                    const float dl = px, dt = py, dr = float(w) - px, db = float(h) - py;
                    const float edge = std::min({dl, dt, dr, db});
                    if (edge < outline) {
                        c = mix(scale(c, 0.35f), rgb(0x2a2622), 0.4f);
                    } else if (edge < outline + bevel) {
                        // Mitred bevel: the nearest edge decides light or shade.
                        const float k = 1.f - 0.45f * (edge - outline) / bevel;
                        if (edge == dt)
                            c = mix(c, rgb(0xffffff), 0.5f * k);
                        else if (edge == dl)
                            c = mix(c, rgb(0xffffff), 0.3f * k);
                        else if (edge == db)
                            c = mix(c, rgb(0x000000), 0.5f * k);
                        else
                            c = mix(c, rgb(0x000000), 0.38f * k);
                    }
                    acc = {acc.r + c.r, acc.g + c.g, acc.b + c.b};
                }
            }
            line[x] = toQRgb(scale(acc, 1.f / (kSub * kSub)));
        }
    }
    return img;
}

void writeBricks(const QString &dir, int scale_)
{
    const QString suffix = scale_ == 1 ? QString() : QStringLiteral("@%1x").arg(scale_);
    for (int i = 0; i < kBrickStyles; ++i)
        save(renderBrick(i, QSizeF(64, 20), scale_), QStringLiteral("%1/brick%2%3.png").arg(dir).arg(i, 2, 10, QChar('0')).arg(suffix));

    // Piece icons: a little running-bond stack of three bricks on black.
    const QRectF layout[] = {{1, 7, 15, 9}, {16, 7, 15, 9}, {9, 16, 15, 9}};
    for (int i = 0; i < 10; ++i) {
        QImage icon(32 * scale_, 32 * scale_, QImage::Format_RGB32);
        icon.fill(Qt::black);
        QPainter p(&icon);
        p.scale(scale_, scale_);
        for (int b = 0; b < 3; ++b)
            p.drawImage(layout[b], renderBrick(i, layout[b].size(), scale_, 2.0, b));
        p.end();
        save(icon, QStringLiteral("%1/icon%2%3.png").arg(dir).arg(i, 2, 10, QChar('0')).arg(suffix));
    }
}

}  // namespace art
