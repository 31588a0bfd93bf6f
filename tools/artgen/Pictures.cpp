// Background pictures shown through the gap and when a puzzle is solved: painted
// landscapes built from gradients, noise and layered silhouettes.
#include "Art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <random>
#include <vector>

namespace art {
namespace {

constexpr int W = 640, H = 480;

// Fixed-seed random numbers; the distribution is done by hand because the
// standard ones may differ between library versions.
class Rng
{
public:
    explicit Rng(uint32_t seed) : m_engine(seed) {}
    float uniform(float lo, float hi) { return lo + (hi - lo) * float(m_engine() >> 8) / float(1u << 24); }

private:
    std::mt19937 m_engine;
};

struct Stop {
    float at;
    Rgb colour;
};

Rgb ramp(std::initializer_list<Stop> stops, float t)
{
    const Stop *prev = stops.begin();
    for (const Stop &s : stops) {
        if (t <= s.at)
            return s.at == prev->at ? s.colour : mix(prev->colour, s.colour, (t - prev->at) / (s.at - prev->at));
        prev = &s;
    }
    return prev->colour;
}

// Sets each pixel from a colour function; a little dither keeps smooth skies free of bands.
void shade(QImage &img, const std::function<Rgb(float x, float y, Rgb old)> &colour)
{
    for (int y = 0; y < img.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QColor old = QColor::fromRgb(line[x]);
            const Rgb c = colour(float(x) + 0.5f, float(y) + 0.5f, {float(old.redF()), float(old.greenF()), float(old.blueF())});
            const float d = (hash01(x, y, 999) - 0.5f) / 255.f;
            line[x] = toQRgb({c.r + d, c.g + d, c.b + d});
        }
    }
}

QImage canvas()
{
    QImage img(W, H, QImage::Format_RGB32);
    img.fill(Qt::black);
    return img;
}

void sky(QImage &img, std::initializer_list<Stop> stops, float horizon)
{
    shade(img, [&](float, float y, Rgb) { return ramp(stops, y / horizon); });
}

// Soft clouds: thresholded noise, squashed sideways, lit from above.
void clouds(QImage &img, Rgb lit, Rgb shadow, float cover, float top, float bottom, float size, uint32_t seed)
{
    shade(img, [&](float x, float y, Rgb old) {
        const float band = smoothstep(top, top + 40, y) * (1.f - smoothstep(bottom - 40, bottom, y));
        const float n = fbm(x / (size * 2.6f), y / size, 5, seed);
        const float a = smoothstep(cover, cover + 0.22f, n) * band;
        const float light = smoothstep(cover, cover + 0.4f, fbm(x / (size * 2.6f), (y - 6) / size, 5, seed));
        return mix(old, mix(shadow, lit, 1.f - light * 0.6f), a * 0.9f);
    });
}

void glow(QPainter &p, QPointF centre, qreal radius, QColor colour)
{
    QRadialGradient g(centre, radius);
    g.setColorAt(0, colour);
    colour.setAlpha(colour.alpha() / 4);
    g.setColorAt(0.35, colour);
    colour.setAlpha(0);
    g.setColorAt(1, colour);
    p.fillRect(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), g);
}

QPainterPath rectPath(const QRectF &r)
{
    QPainterPath path;
    path.addRect(r);
    return path;
}

// Height of a skyline of hills (smooth noise) or mountains (ridged noise: sharp
// crests), as y for every second x.
std::vector<float> skyline(float base, float height, float wavelength, bool jagged, uint32_t seed)
{
    std::vector<float> ys;
    for (int x = 0; x <= W; x += 2) {
        float n = 0;
        if (jagged) {
            float amp = 0.6f, f = float(x) / wavelength;
            for (int o = 0; o < 6; ++o, amp *= 0.45f, f *= 2.1f) {
                const float r = 1.f - std::abs(2.f * valueNoise(f, 0.5f + float(o), seed) - 1.f);
                n += amp * r * r;
            }
            n = 0.2f + 0.8f * std::pow(std::min(n / 1.05f, 1.f), 2.2f);
        } else {
            n = fbm(float(x) / wavelength, 0.5f, 3, seed);
        }
        ys.push_back(base - height * n);
    }
    return ys;
}

// The land below a skyline, closed along the bottom edge.
QPainterPath below(const std::vector<float> &ys)
{
    QPainterPath path(QPointF(0, H));
    for (size_t i = 0; i < ys.size(); ++i)
        path.lineTo(qreal(i) * 2, ys[i]);
    path.lineTo(W, H);
    path.closeSubpath();
    return path;
}

QPainterPath ridge(float base, float height, float wavelength, bool jagged, uint32_t seed)
{
    return below(skyline(base, height, wavelength, jagged, seed));
}

void fillRidge(QPainter &p, const QPainterPath &path, QColor top, QColor bottom)
{
    QLinearGradient g(0, path.boundingRect().top(), 0, H);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillPath(path, g);
}

// Mist lying in front of a layer, fading upwards.
void mist(QPainter &p, float y, float depth, QColor colour)
{
    QLinearGradient g(0, y - depth, 0, y);
    QColor clear = colour;
    clear.setAlpha(0);
    g.setColorAt(0, clear);
    g.setColorAt(1, colour);
    p.fillRect(QRectF(0, y - depth, W, H - y + depth), g);
}

QImage sunset()
{
    QImage img = canvas();
    sky(img, {{0, rgb(0x1b1744)}, {0.35f, rgb(0x5c2a6e)}, {0.62f, rgb(0xd9525e)}, {0.82f, rgb(0xf6a35a)}, {1, rgb(0xffdc8c)}}, 360);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        glow(p, {420, 318}, 260, QColor(255, 200, 120, 150));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xf1, 0xc0));
        p.drawEllipse(QPointF(420, 318), 36, 36);
    }
    clouds(img, rgb(0xffb27a), rgb(0x6a2c60), 0.55f, 60, 290, 26, 41);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    fillRidge(p, ridge(335, 60, 160, false, 42), QColor(0x9a, 0x4a, 0x78), QColor(0x6e, 0x2e, 0x5e));
    mist(p, 360, 40, QColor(0xf0, 0x90, 0x80, 90));
    fillRidge(p, ridge(385, 70, 120, false, 43), QColor(0x5a, 0x24, 0x5a), QColor(0x3a, 0x16, 0x44));
    fillRidge(p, ridge(440, 60, 90, false, 44), QColor(0x2c, 0x10, 0x30), QColor(0x16, 0x08, 0x1c));
    return img;
}

QImage night()
{
    QImage img = canvas();
    sky(img, {{0, rgb(0x03040f)}, {0.5f, rgb(0x0b1742)}, {1, rgb(0x27407e)}}, 420);
    // A faint band of the galaxy, then the stars.
    shade(img, [](float x, float y, Rgb old) {
        const float d = std::abs((y - 40) - (x * 0.45f)) / 90.f;
        const float n = fbm(x / 40.f, y / 40.f, 5, 51);
        return mix(old, rgb(0x8c9ad0), 0.28f * std::exp(-d * d) * smoothstep(0.35f, 0.8f, n));
    });
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    Rng rng(52);
    for (int i = 0; i < 420; ++i) {
        const QPointF at(rng.uniform(0, W), rng.uniform(0, 400));
        const float bright = std::pow(rng.uniform(0, 1), 3.f);
        const QColor c = QColor::fromHsvF(rng.uniform(0.55f, 0.7f), rng.uniform(0, 0.25f), 1.0, 0.35 + 0.65 * bright);
        if (bright > 0.5f)
            glow(p, at, 6 + 8 * bright, QColor(200, 215, 255, int(120 * bright)));
        p.setBrush(c);
        p.drawEllipse(at, 0.5 + bright, 0.5 + bright);
    }
    const QPointF moon(480, 110);
    glow(p, moon, 170, QColor(200, 210, 255, 90));
    p.end();
    shade(img, [&](float x, float y, Rgb old) {
        const float d = std::hypot(x - float(moon.x()), y - float(moon.y()));
        const float inside = 1.f - smoothstep(33.f, 35.f, d);
        const float craters = smoothstep(0.5f, 0.75f, fbm(x / 9.f, y / 9.f, 4, 53));
        const float limb = smoothstep(10.f, 34.f, std::hypot(x - float(moon.x()) + 8, y - float(moon.y()) + 6));
        const Rgb face = mix(mix(rgb(0xfbf8e8), rgb(0xc9c6b6), craters * 0.7f), rgb(0xa9a896), limb * 0.35f);
        return mix(old, face, inside);
    });
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    fillRidge(p, ridge(400, 70, 180, false, 54), QColor(0x14, 0x1f, 0x3e), QColor(0x0c, 0x14, 0x2a));
    fillRidge(p, ridge(450, 60, 110, false, 55), QColor(0x06, 0x0a, 0x18), QColor(0x03, 0x05, 0x0c));
    // Lit windows of a far village, the only warm colour in the scene.
    Rng lights(56);
    for (int i = 0; i < 14; ++i) {
        const QPointF at(lights.uniform(60, 300), lights.uniform(404, 418));
        glow(p, at, 7, QColor(255, 200, 110, 120));
        p.fillRect(QRectF(at, QSizeF(2, 2)), QColor(0xff, 0xdc, 0x8a));
    }
    return img;
}

QImage sea()
{
    QImage img = canvas();
    constexpr float horizon = 250;
    sky(img, {{0, rgb(0x2a6fc4)}, {0.6f, rgb(0x7db8ea)}, {1, rgb(0xd6eefc)}}, horizon);
    clouds(img, rgb(0xffffff), rgb(0x9ab4cc), 0.5f, 10, 230, 30, 61);
    auto shore = [](float x) { return 372.f + 16.f * std::sin(x / 95.f) + 14.f * fbm(x / 60.f, 3.f, 3, 62); };
    shade(img, [&](float x, float y, Rgb old) {
        if (y < horizon)
            return old;
        const float s = shore(x);
        if (y < s) {
            // Water: deeper blue far out, turquoise in the shallows, glinting wave crests.
            const float t = (y - horizon) / (s - horizon);
            Rgb c = ramp({{0, rgb(0x1f5f9c)}, {0.6f, rgb(0x2a8fb8)}, {1, rgb(0x52c6c8)}}, t);
            const float wave = std::sin(y * (0.9f - 0.6f * t) + 4.f * fbm(x / 40.f, y / 6.f, 3, 63));
            c = mix(c, rgb(0xe8f8ff), 0.35f * smoothstep(0.85f, 1.f, wave) * (0.4f + t));
            const float foam = 1.f - smoothstep(0.f, 7.f, s - y);
            return mix(c, rgb(0xf8fcff), 0.85f * foam * smoothstep(0.3f, 0.6f, fbm(x / 6.f, y / 3.f, 3, 64)) + 0.5f * foam);
        }
        // Sand: darker where still wet, speckled with grains.
        const float wet = 1.f - smoothstep(0.f, 22.f, y - s);
        Rgb c = mix(rgb(0xedd8a2), rgb(0xd9bd80), fbm(x / 30.f, y / 12.f, 4, 65));
        c = mix(c, rgb(0xb49a6a), 0.5f * wet);
        return mix(c, rgb(0xfff4d6), 0.4f * smoothstep(0.85f, 0.95f, hash01(int(x), int(y), 66)));
    });
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    glow(p, {150, 90}, 200, QColor(255, 255, 235, 120));
    // A distant headland on the horizon.
    QPainterPath land = ridge(horizon, 26, 70, false, 67).intersected(rectPath(QRectF(440, 0, 200, horizon + 1)));
    fillRidge(p, land, QColor(0x5d, 0x86, 0x9e), QColor(0x6d, 0x98, 0xae));
    return img;
}

// Round clumps of leaves: many small overlapping discs, lighter towards the top.
void foliage(QPainter &p, Rng &rng, QPointF centre, float radius, const std::vector<QColor> &palette)
{
    for (int i = 0; i < 420; ++i) {
        const float a = rng.uniform(0, 6.2832f), r = radius * std::sqrt(rng.uniform(0, 1));
        const QPointF at = centre + QPointF(r * std::cos(a), r * std::sin(a) * 0.85f);
        const QColor c = palette[size_t(rng.uniform(0, float(palette.size()))) % palette.size()];
        p.setBrush(c.lighter(int(80 + 35 * (1 - (at.y() - centre.y() + radius) / (2 * radius)))));
        const float s = rng.uniform(radius * 0.06f, radius * 0.13f);
        p.drawEllipse(at, s, s * 0.8f);
    }
}

QImage forest()
{
    QImage img = canvas();
    sky(img, {{0, rgb(0xf8e6b8)}, {0.6f, rgb(0xf2c27c)}, {1, rgb(0xe49a52)}}, 440);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    glow(p, {330, 140}, 320, QColor(255, 248, 220, 170));
    p.setPen(Qt::NoPen);
    Rng rng(71);
    // Three depths of trees; a veil of haze over each before the nearer one is drawn.
    struct Depth {
        int trees;
        float trunk, crown;
        std::vector<QColor> leaves;
        QColor bark;
    };
    const Depth depths[] = {
        {10, 6, 46, {QColor(0xd8, 0x7a, 0x3a), QColor(0xe8, 0xa8, 0x48), QColor(0xc8, 0x5a, 0x30)}, QColor(0x7a, 0x52, 0x3c)},
        {7, 10, 66, {QColor(0xd0, 0x4c, 0x22), QColor(0xe8, 0x90, 0x26), QColor(0xb8, 0x36, 0x22), QColor(0xf0, 0xb8, 0x3c)},
         QColor(0x5a, 0x38, 0x28)},
        {4, 18, 95, {QColor(0xa8, 0x26, 0x18), QColor(0xd8, 0x6c, 0x16), QColor(0xf0, 0xb8, 0x28), QColor(0x88, 0x1e, 0x16)},
         QColor(0x36, 0x22, 0x18)},
    };
    for (size_t layer = 0; layer < std::size(depths); ++layer) {
        const Depth &d = depths[layer];
        for (int i = 0; i < d.trees; ++i) {
            const float x = (float(i) + rng.uniform(0.15f, 0.85f)) * W / float(d.trees);
            const float top = rng.uniform(50, 120) + 60.f * float(2 - layer);
            QPainterPath trunk;
            trunk.moveTo(x - d.trunk / 2, H);
            trunk.lineTo(x - d.trunk / 4, top);
            trunk.lineTo(x + d.trunk / 4, top);
            trunk.lineTo(x + d.trunk / 2, H);
            p.fillPath(trunk, d.bark);
            foliage(p, rng, {x, top + d.crown * 0.2f}, d.crown, d.leaves);
        }
        // Undergrowth, so the trunks do not stand on bare ground.
        for (int i = 0; i < d.trees * 2; ++i)
            foliage(p, rng, {rng.uniform(0, W), 440.f - 25.f * float(2 - layer)}, d.crown * 0.45f, d.leaves);
        if (layer + 1 < std::size(depths))
            p.fillRect(QRectF(0, 0, W, H), QColor(0xf6, 0xdc, 0xb0, 100));
    }
    p.end();
    // Leaf litter on the forest floor.
    shade(img, [](float x, float y, Rgb old) {
        const float floor = smoothstep(425, 445, y + 12 * fbm(x / 40.f, 0, 2, 72));
        const Rgb litter = mix(rgb(0x9a3e18), rgb(0xe8a040), fbm(x / 5.f, y / 3.f, 3, 73));
        return mix(old, litter, floor);
    });
    return img;
}

QImage dawn()
{
    QImage img = canvas();
    sky(img, {{0, rgb(0x24366a)}, {0.4f, rgb(0x8a6aa0)}, {0.72f, rgb(0xf2a488)}, {1, rgb(0xffe6b4)}}, 330);
    clouds(img, rgb(0xffd0b4), rgb(0x9a78a6), 0.62f, 30, 190, 22, 81);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The sun just clearing a pass in the far range.
    const QPointF sun(548, 226);
    glow(p, sun, 300, QColor(255, 232, 180, 210));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xf4, 0xd8));
    p.drawEllipse(sun, 22, 22);
    // Far ranges are paler and their feet fade into valley haze.
    struct Range {
        float base, height, wavelength, snowLine;
        QColor snow, rock, foot;
        uint32_t seed;
    };
    const Range ranges[] = {
        {300, 200, 160, 190, QColor(0xfc, 0xec, 0xf0), QColor(0xa8, 0x8c, 0xbc), QColor(0xf0, 0xc8, 0xc0), 82},
        {380, 200, 120, 250, QColor(0xfa, 0xdc, 0xe0), QColor(0x6c, 0x54, 0x8e), QColor(0xd8, 0xa8, 0xb4), 83},
        {490, 180, 95, 350, QColor(0xd8, 0xbc, 0xd0), QColor(0x34, 0x2a, 0x52), QColor(0x20, 0x1a, 0x36), 84},
    };
    for (const Range &r : ranges) {
        const std::vector<float> crest = skyline(r.base, r.height, r.wavelength, true, r.seed);
        QLinearGradient fill(0, r.base - r.height, 0, r.base);
        fill.setColorAt(0, r.rock);
        fill.setColorAt(0.45, r.rock);
        fill.setColorAt(1, r.foot);
        p.fillPath(below(crest), fill);
        // Snow caps: a ragged band under the crest, deeper the higher the peak.
        QPainterPath snow(QPointF(0, crest[0]));
        for (size_t i = 1; i < crest.size(); ++i)
            snow.lineTo(qreal(i) * 2, crest[i]);
        for (size_t i = crest.size(); i-- > 0;) {
            const float depth = std::clamp((r.snowLine - crest[i]) * 0.7f, 0.f, 45.f);
            snow.lineTo(qreal(i) * 2, crest[i] + depth * (0.4f + 0.6f * fbm(float(i) / 3.f, 7.f, 3, r.seed + 1)));
        }
        p.fillPath(snow, r.snow);
    }
    return img;
}

// One flower: five petals round a bright centre.
void flower(QPainter &p, QPointF at, float size, QColor petal)
{
    p.setBrush(petal);
    for (int k = 0; k < 5; ++k) {
        const float a = float(k) * 1.2566f;
        p.drawEllipse(at + QPointF(size * 0.5f * std::cos(a), size * 0.4f * std::sin(a)), size * 0.38f, size * 0.3f);
    }
    p.setBrush(QColor(0xff, 0xd8, 0x30));
    p.drawEllipse(at, size * 0.22f, size * 0.18f);
}

QImage meadow()
{
    QImage img = canvas();
    sky(img, {{0, rgb(0x3d86d8)}, {0.7f, rgb(0x92c6ee)}, {1, rgb(0xdaf0fa)}}, 260);
    clouds(img, rgb(0xffffff), rgb(0xaac0d8), 0.56f, 20, 200, 32, 91);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    fillRidge(p, ridge(250, 50, 150, false, 92), QColor(0x7c, 0xa8, 0xa0), QColor(0x8a, 0xb4, 0x98));
    fillRidge(p, ridge(300, 50, 200, false, 93), QColor(0x7c, 0xc0, 0x48), QColor(0x5a, 0xa0, 0x34));
    fillRidge(p, ridge(350, 40, 160, false, 94), QColor(0x64, 0xb4, 0x3a), QColor(0x3a, 0x86, 0x26));
    p.setPen(Qt::NoPen);
    const QColor petals[] = {QColor(0xf0, 0x3c, 0x3c), QColor(0xff, 0xf0, 0xf4), QColor(0xa8, 0x6c, 0xe8),
                             QColor(0xff, 0x8c, 0xc8), QColor(0xff, 0xd0, 0x2c), QColor(0x4c, 0x8c, 0xf0)};
    Rng rng(95);
    // Flowers grow larger towards the viewer; drawn far to near so near ones overlap.
    for (int i = 0; i < 900; ++i) {
        const float depth = float(i) / 900.f;
        const float y = 320 + 165 * depth * depth + rng.uniform(-6, 6);
        const QPointF at(rng.uniform(-10, W + 10), y);
        if (depth > 0.4f) {
            p.setPen(QPen(QColor(0x2e, 0x70, 0x1e), 1 + 1.5 * depth));
            p.drawLine(at, at + QPointF(rng.uniform(-3, 3), 6 + 14 * depth));
            p.setPen(Qt::NoPen);
        }
        flower(p, at, 2.5f + 11.f * depth * depth, petals[int(rng.uniform(0, 6)) % 6]);
    }
    // Grass blades in front.
    for (int i = 0; i < 500; ++i) {
        const QPointF root(rng.uniform(0, W), H + 4);
        const float h = rng.uniform(18, 60), lean = rng.uniform(-14, 14);
        QPainterPath blade(root - QPointF(2, 0));
        blade.quadTo(root + QPointF(lean * 0.3f, -h * 0.6f), root + QPointF(lean, -h));
        blade.quadTo(root + QPointF(lean * 0.3f + 2, -h * 0.6f), root + QPointF(2, 0));
        p.fillPath(blade, QColor::fromHsvF(rng.uniform(0.24f, 0.31f), 0.75f, rng.uniform(0.4f, 0.75f)));
    }
    return img;
}

}  // namespace

void writePictures(const QString &dir)
{
    constexpr int kJpegQuality = 90;
    save(sunset(), dir + QStringLiteral("/sunset.jpg"), kJpegQuality);
    save(night(), dir + QStringLiteral("/night.jpg"), kJpegQuality);
    save(sea(), dir + QStringLiteral("/sea.jpg"), kJpegQuality);
    save(forest(), dir + QStringLiteral("/forest.jpg"), kJpegQuality);
    save(dawn(), dir + QStringLiteral("/dawn.jpg"), kJpegQuality);
    // One bitmap, so the game's loader is exercised with both formats.
    save(meadow().convertToFormat(QImage::Format_RGB888), dir + QStringLiteral("/meadow.bmp"));
}

}  // namespace art
