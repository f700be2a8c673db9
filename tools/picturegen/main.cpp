// SPDX-License-Identifier: GPL-3.0-or-later
// morvela-picturegen: draws every page picture and the window icon of Morvela.
//
//   morvela-picturegen <folder>
//
// writes <folder>/pictures/*.bmp (24-bit uncompressed bitmaps) and <folder>/icons/* (PNG, ICO, SVG).
// The drawing is deterministic: fixed seeds, no clock, our own BMP and ICO writers, and only the two
// CJK fonts Debian installs for Morvela (AR PL UKai CN, WenQuanYi Zen Hei), so every run writes the
// same bytes.

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int PageWidth = 987, PageHeight = 537;
constexpr int AboutWidth = 990, AboutHeight = 563;
// Where the emblem covers the about picture: the emblem lies at 960, 1560 twips on the about page and
// the about picture at 0, 360 twips, i.e. 64, 80 px into the picture.
constexpr QPoint EmblemAt(64, 80);
constexpr QSize EmblemSize(59, 58);
// The note card on the note picture. The note text box covers x 360..633, y 136..361 of the picture.
const QRectF CardRect(338, 80, 317, 306);
constexpr double CardBand = 40; // height of the red band, the dark line below it included

// A small fixed-seed generator, so clouds and stars come out the same on every run.
class Lcg {
public:
    explicit Lcg(quint32 seed) : m_state(seed) {}
    double next() {
        m_state = m_state * 1664525u + 1013904223u;
        return (m_state >> 8) / double(1u << 24);
    }
    double between(double low, double high) { return low + (high - low) * next(); }

private:
    quint32 m_state;
};

// One of the two CJK fonts, or exit: a stand-in font would silently change the pictures.
QFont font(const QString &family, int pixelSize) {
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setStyleStrategy(QFont::NoFontMerging);
    const QString resolved = QFontInfo(f).family();
    if (resolved != family) {
        std::fprintf(stderr, "morvela-picturegen: font \"%s\" is not installed (got \"%s\")\n",
                     qPrintable(family), qPrintable(resolved));
        std::exit(2);
    }
    return f;
}

// Three passes of a box blur over a one-channel buffer approach a Gaussian blur.
void blur(std::vector<double> &values, int width, int height, int radius) {
    if (radius < 1)
        return;
    std::vector<double> line;
    auto pass = [&](int count, int length, auto at) {
        line.resize(length);
        for (int c = 0; c < count; ++c) {
            for (int i = 0; i < length; ++i)
                line[i] = at(c, i);
            double sum = 0;
            for (int i = -radius; i <= radius; ++i)
                sum += line[std::clamp(i, 0, length - 1)];
            for (int i = 0; i < length; ++i) {
                at(c, i) = sum / (2 * radius + 1);
                sum += line[std::min(i + radius + 1, length - 1)] - line[std::max(i - radius, 0)];
            }
        }
    };
    for (int round = 0; round < 3; ++round) {
        pass(height, width, [&](int y, int x) -> double & { return values[size_t(y) * width + x]; });
        pass(width, height, [&](int x, int y) -> double & { return values[size_t(y) * width + x]; });
    }
}

// Pictures are painted with 16 bits per channel and dithered down to 8 bits at the end, so the soft
// gradients show no bands.
QImage canvas(QSize size) {
    QImage image(size, QImage::Format_RGBX64);
    image.fill(Qt::white);
    return image;
}

// Ordered (4 x 4 Bayer) dithering to 8 bits per channel. The pattern depends only on the pixel's place,
// so two pictures that agree somewhere still agree there after dithering.
QImage finish(const QImage &deep) {
    static constexpr int Bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    QImage out(deep.size(), QImage::Format_RGB32);
    for (int y = 0; y < deep.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgba64 *>(deep.constScanLine(y));
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < deep.width(); ++x) {
            const double threshold = (Bayer[y % 4][x % 4] + 0.5) / 16.0;
            auto level = [threshold](quint16 v) {
                return std::clamp(int(std::floor(v * 255.0 / 65535.0 + threshold)), 0, 255);
            };
            line[x] = qRgb(level(in[x].red()), level(in[x].green()), level(in[x].blue()));
        }
    }
    return out;
}

// Lays `colour` over the image through the shape of `path` softened by a blur of `radius` pixels.
void softFill(QImage &image, const QPainterPath &path, int radius, const QColor &colour, double opacity) {
    const int margin = radius * 3 + 2;
    const QRect box = path.boundingRect().toAlignedRect().adjusted(-margin, -margin, margin, margin);
    QImage mask(box.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(-box.topLeft());
        p.fillPath(path, Qt::white);
    }
    std::vector<double> alpha(size_t(box.width()) * box.height());
    for (int y = 0; y < box.height(); ++y)
        for (int x = 0; x < box.width(); ++x)
            alpha[size_t(y) * box.width() + x] = qAlpha(mask.pixel(x, y)) / 255.0;
    blur(alpha, box.width(), box.height(), radius);
    const QRgba64 over = colour.rgba64();
    for (int y = std::max(0, -box.top()); y < box.height() && box.top() + y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgba64 *>(image.scanLine(box.top() + y));
        for (int x = std::max(0, -box.left()); x < box.width() && box.left() + x < image.width(); ++x) {
            const double a = alpha[size_t(y) * box.width() + x] * opacity;
            if (a <= 0)
                continue;
            QRgba64 &under = line[box.left() + x];
            auto mix = [a](quint16 from, quint16 to) { return quint16(std::lround(from + (to - from) * a)); };
            under = QRgba64::fromRgba64(mix(under.red(), over.red()), mix(under.green(), over.green()),
                                        mix(under.blue(), over.blue()), 65535);
        }
    }
}

// A fair-weather cloud: puffs heaped over a flat base, white on top and faintly shaded below.
void cloud(QImage &image, QPointF base, double width, double height, quint32 seed, double opacity = 0.92,
           double softness = 1, QColor shade = QColor(0xcf, 0xdb, 0xea)) {
    Lcg rng(seed);
    QPainterPath puffs;
    puffs.setFillRule(Qt::WindingFill);
    const int count = 5 + int(width / 40);
    for (int i = 0; i < count; ++i) {
        const double t = (i + rng.between(0.25, 0.75)) / count;
        const double hump = std::pow(std::sin(M_PI * t), 0.7);
        const double r = height * (0.2 + 0.3 * hump) * rng.between(0.8, 1.15);
        const double y = base.y() - r * 0.6 - height * 0.38 * hump * rng.between(0.7, 1.0);
        const QPointF centre(base.x() - width / 2 + t * width, y);
        puffs.addEllipse(centre, r, r);
        // Smaller billows along its top give the cauliflower outline.
        for (int k = 0; k < 2; ++k) {
            const double angle = M_PI * rng.between(0.2, 0.8);
            const double small = r * rng.between(0.35, 0.5);
            puffs.addEllipse(centre + QPointF(std::cos(angle), -std::sin(angle)) * (r * 0.8), small, small);
        }
    }
    puffs.addRoundedRect(QRectF(base.x() - width * 0.46, base.y() - height * 0.3, width * 0.92, height * 0.3),
                         height * 0.15, height * 0.15);
    QPainterPath above;
    above.addRect(QRectF(base.x() - width, base.y() - height * 2, width * 2, height * 2));
    puffs = puffs.intersected(above);
    const int radius = int(std::max(2.0, height / 26) * softness);
    softFill(image, puffs, radius * 3, shade, opacity);
    softFill(image, puffs.translated(0, -height * 0.15), radius, Qt::white, opacity);
}

void radialGlow(QImage &image, QPointF centre, double radius, const QColor &colour, double opacity) {
    QPainter p(&image);
    QRadialGradient g(centre, radius);
    QColor inner = colour, outer = colour;
    inner.setAlphaF(float(opacity));
    outer.setAlphaF(0);
    g.setColorAt(0, inner);
    g.setColorAt(1, outer);
    p.fillRect(image.rect(), g);
}

QImage gradient(QSize size, std::initializer_list<std::pair<double, QColor>> stops) {
    QImage image = canvas(size);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, size.height());
    for (const auto &[at, colour] : stops)
        g.setColorAt(at, colour);
    p.fillRect(image.rect(), g);
    return image;
}

// Far hills in the haze along the bottom edge.
void hills(QImage &image, double top, const QColor &colour, quint32 seed) {
    Lcg rng(seed);
    QPainterPath ridge(QPointF(0, image.height()));
    const double phase1 = rng.between(0, 6.28), phase2 = rng.between(0, 6.28);
    for (int x = 0; x <= image.width(); x += 6)
        ridge.lineTo(x, top + 14 * std::sin(x / 140.0 + phase1) + 7 * std::sin(x / 53.0 + phase2));
    ridge.lineTo(image.width(), image.height());
    ridge.closeSubpath();
    softFill(image, ridge, 1, colour, 1.0);
}

struct SkyLook {
    QColor top, bottom;
    QPointF sun;
    quint32 seed;
    double hillTop; // 0: no hills
    QColor hillColour;
};

// A light sky over which black captions and controls stay legible.
QImage lightSky(const SkyLook &look) {
    QImage image = gradient({PageWidth, PageHeight}, {{0.0, look.top}, {1.0, look.bottom}});
    radialGlow(image, look.sun, 460, QColor(0xf9, 0xfc, 0xff), 0.7);
    Lcg rng(look.seed);
    for (int i = 0; i < 5; ++i) {
        const double x = (i + rng.between(0.15, 0.85)) * PageWidth / 5.0;
        const double y = rng.between(80, PageHeight - 70);
        const double w = rng.between(130, 230);
        cloud(image, {x, y}, w, w * rng.between(0.32, 0.42), quint32(look.seed * 31 + i), 0.6, 2.5,
              QColor(0xe6, 0xed, 0xf5));
    }
    if (look.hillTop > 0)
        hills(image, look.hillTop, look.hillColour, look.seed + 7);
    return image;
}

QImage welcome() {
    QImage image = gradient(
        {PageWidth, PageHeight},
        {{0.0, QColor(0x7c, 0xb2, 0xe2)}, {0.62, QColor(0xbf, 0xdc, 0xf3)}, {1.0, QColor(0xea, 0xf3, 0xfb)}});
    radialGlow(image, {130, 30}, 480, QColor(0xff, 0xfe, 0xf6), 0.4);
    cloud(image, {130, 480}, 320, 130, 11);
    cloud(image, {860, 465}, 340, 140, 12);
    cloud(image, {500, 560}, 560, 170, 13);
    cloud(image, {800, 118}, 200, 72, 14, 0.75);
    cloud(image, {200, 160}, 160, 56, 15, 0.65);

    QPainterPath title;
    title.addText(0, 0, font(u"AR PL UKai CN"_s, 132), u"欢迎使用"_s);
    title.translate(PageWidth / 2.0 - title.boundingRect().center().x(), 235 - title.boundingRect().bottom());
    softFill(image, title, 6, Qt::white, 0.9);
    QPainterPath name;
    QFont nameFont = font(u"WenQuanYi Zen Hei"_s, 32);
    nameFont.setLetterSpacing(QFont::AbsoluteSpacing, 7);
    name.addText(0, 0, nameFont, u"Morvela"_s);
    const QRectF nameBox = name.boundingRect();
    name.translate(PageWidth / 2.0 - nameBox.center().x(), 298 - nameBox.bottom());
    softFill(image, name, 4, Qt::white, 0.8);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(title, QColor(0x23, 0x4a, 0x7c));
    const QColor nameColour(0x4b, 0x6d, 0x96);
    p.fillPath(name, nameColour);
    // Thin rules either side of the name.
    const QRectF placed = name.boundingRect();
    p.setPen(QPen(QColor(0x4b, 0x6d, 0x96, 140), 1.2));
    const double lineY = placed.center().y();
    p.drawLine(QPointF(placed.left() - 110, lineY), QPointF(placed.left() - 22, lineY));
    p.drawLine(QPointF(placed.right() + 22, lineY), QPointF(placed.right() + 110, lineY));
    return image;
}

const SkyLook ScheduleSky{QColor(0xc9, 0xe0, 0xf4), QColor(0xf4, 0xf8, 0xfc), {880, 20}, 101, 505,
                          QColor(0xdc, 0xe7, 0xf0)};
const SkyLook DateQuerySky{QColor(0xcd, 0xe3, 0xf6), QColor(0xf7, 0xfa, 0xfd), {110, 10}, 202, 0, {}};
const SkyLook MailSky{QColor(0xc8, 0xe5, 0xf0), QColor(0xf2, 0xf9, 0xfa), {500, -80}, 303, 492,
                      QColor(0xd8, 0xeb, 0xe6)};
const SkyLook NoteSky{QColor(0xd6, 0xde, 0xf5), QColor(0xfa, 0xf3, 0xf1), {820, 580}, 404, 500,
                      QColor(0xe4, 0xe2, 0xf0)};

// The note picture with the note card drawn in, under the note text box.
QImage noteCard(QImage image) {
    QPainterPath card;
    card.addRoundedRect(CardRect, 12, 12);
    softFill(image, card.translated(2, 6), 7, QColor(0x30, 0x3c, 0x55), 0.28);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(card, Qt::white);
    p.save();
    p.setClipPath(card);
    const QRectF band(CardRect.left(), CardRect.top(), CardRect.width(), CardBand);
    QLinearGradient red(band.topLeft(), band.bottomLeft());
    red.setColorAt(0, QColor(0xd5, 0x5b, 0x50));
    red.setColorAt(1, QColor(0xbf, 0x43, 0x3a));
    p.fillRect(band, red);
    p.fillRect(QRectF(band.left(), band.bottom() - 1.5, band.width(), 1.5), QColor(0x5a, 0x25, 0x21));
    p.fillRect(QRectF(band.left(), band.top(), band.width(), 1), QColor(255, 255, 255, 70));
    p.restore();
    p.setPen(QPen(QColor(0x8c, 0x98, 0xa8), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(CardRect.adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);
    return image;
}

// One pale, calm picture for the five tool pages: a soft wash with two gentle swells along the bottom.
QImage tools() {
    QImage image = gradient(
        {PageWidth, PageHeight},
        {{0.0, QColor(0xf0, 0xf4, 0xf9)}, {0.7, QColor(0xf8, 0xfa, 0xfc)}, {1.0, QColor(0xf4, 0xf7, 0xfa)}});
    radialGlow(image, {900, 30}, 520, QColor(0xe2, 0xeb, 0xf6), 0.9);
    struct Swell {
        QPointF from, c1, c2, to;
        QColor colour;
    };
    const Swell swells[] = {
        {{0, 455}, {300, 535}, {640, 380}, {PageWidth, 425}, QColor(0xeb, 0xf1, 0xf8)},
        {{0, 515}, {360, 455}, {690, 545}, {PageWidth, 470}, QColor(0xe3, 0xeb, 0xf4)},
    };
    for (const Swell &w : swells) {
        QPainterPath swell(w.from);
        swell.cubicTo(w.c1, w.c2, w.to);
        swell.lineTo(PageWidth + 10, PageHeight + 10);
        swell.lineTo(-10, PageHeight + 10);
        swell.closeSubpath();
        softFill(image, swell, 3, w.colour, 1.0);
        QPainterPath crest(w.from);
        crest.cubicTo(w.c1, w.c2, w.to);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.strokePath(crest.translated(0, 2), QPen(QColor(255, 255, 255, 170), 1.5));
    }
    return image;
}

// Stars keep away from the about texts and the emblem.
QImage about() {
    QImage image = gradient(
        {AboutWidth, AboutHeight},
        {{0.0, QColor(0x0a, 0x12, 0x30)}, {0.6, QColor(0x15, 0x1e, 0x50)}, {1.0, QColor(0x24, 0x28, 0x68)}});
    radialGlow(image, {800, 440}, 460, QColor(0x5a, 0x4a, 0xb0), 0.3);
    const QRect quiet(40, 60, 400, 220);
    Lcg rng(505);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 170; ++i) {
        const QPointF at(rng.between(0, AboutWidth), rng.between(0, AboutHeight));
        const double size = rng.next(), bright = rng.next();
        if (quiet.contains(at.toPoint()))
            continue;
        p.setBrush(QColor(0xe8, 0xee, 0xff, int(40 + 150 * bright * bright)));
        p.drawEllipse(at, 0.5 + 0.9 * size * size, 0.5 + 0.9 * size * size);
    }
    p.end();
    // A few brighter stars with a soft halo.
    for (int i = 0; i < 9; ++i) {
        const QPointF at(rng.between(0, AboutWidth), rng.between(0, AboutHeight * 0.75));
        if (quiet.adjusted(-20, -20, 20, 20).contains(at.toPoint()))
            continue;
        QPainterPath star;
        star.addEllipse(at, 1.6, 1.6);
        softFill(image, star, 3, QColor(0xb8, 0xc8, 0xff), 0.6);
        softFill(image, star, 0, QColor(0xf4, 0xf7, 0xff), 0.9);
    }
    // The rim of a far planet low on the right, lit from behind.
    QPainterPath planet;
    planet.addEllipse(QPointF(800, 1560), 1120, 1120);
    softFill(image, planet, 12, QColor(0x6f, 0x9c, 0xe8), 0.4);
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient surface(0, 440, 0, AboutHeight);
    surface.setColorAt(0, QColor(0x1a, 0x22, 0x55));
    surface.setColorAt(1, QColor(0x0c, 0x11, 0x2e));
    p.fillPath(planet.translated(0, 2.5), surface);
    return image;
}

// The calendar page of the icon and the emblem, drawn on a grid of `unit` pixels (1/32 of a 32 px icon):
// a white page under a red band with two binder rings. Small sizes show a grid of days with one day
// marked, larger ones a big day number. Edges fall on whole pixels so small sizes stay crisp.
void calendarPage(QPainter &p, QPointF origin, double unit, const QColor &rings) {
    auto px = [&](double v) { return std::round(v * unit); };
    const QRectF page(origin.x() + px(2), origin.y() + px(4), px(28), px(26));
    const double radius = std::max(1.5, 3 * unit);
    QPainterPath sheet;
    sheet.addRoundedRect(page, radius, radius);
    p.fillPath(sheet, QColor(0xfd, 0xfd, 0xfe));
    p.save();
    p.setClipPath(sheet);
    const QRectF band(page.left(), page.top(), page.width(), px(8));
    QLinearGradient red(band.topLeft(), band.bottomLeft());
    red.setColorAt(0, QColor(0xda, 0x5e, 0x52));
    red.setColorAt(1, QColor(0xc0, 0x44, 0x3a));
    p.fillRect(band, red);
    const double line = std::max(1.0, px(1));
    p.fillRect(QRectF(band.left(), band.bottom() - line, band.width(), line), QColor(0x6a, 0x2a, 0x25));
    p.restore();
    const double border = std::max(1.0, unit * 0.9);
    p.setPen(QPen(QColor(0x5d, 0x6b, 0x7c), border));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(page.adjusted(border / 2, border / 2, -border / 2, -border / 2), radius, radius);
    // Two binder rings through the band.
    p.setPen(Qt::NoPen);
    for (double fx : {9.0, 19.0}) {
        const double x = page.left() + px(fx), w = std::max(1.0, px(2)), holeY = band.top() + px(5);
        p.setBrush(QColor(0x8a, 0x2e, 0x28));
        p.drawEllipse(QPointF(x + w / 2, holeY), w * 0.8, w * 0.8);
        p.setBrush(rings);
        p.drawRoundedRect(QRectF(x, page.top() - px(3), w, holeY - page.top() + px(3)), w / 2, w / 2);
    }
    const QRectF body(page.left(), band.bottom(), page.width(), page.bottom() - band.bottom());
    if (unit >= 1.5) {
        QPainterPath day;
        day.addText(0, 0, font(u"WenQuanYi Zen Hei"_s, int(std::round(body.height() * 0.8))), u"1"_s);
        day.translate(body.center() - day.boundingRect().center());
        const QColor ink(0x2c, 0x3a, 0x4c);
        p.fillPath(day, ink);
        p.strokePath(day,
                     QPen(ink, unit * 0.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)); // a bolder digit
        return;
    }
    // The grid of days: 4 x 3 cells of 4 x 3 units, or 3 x 2 cells at the smallest size.
    const bool tiny = unit < 1;
    const int cols = tiny ? 3 : 4, rows = tiny ? 2 : 3;
    const double cellW = px(4), cellH = tiny ? px(4) : px(3), gap = px(2);
    const double gridW = cols * cellW + (cols - 1) * gap, gridH = rows * cellH + (rows - 1) * gap;
    const double left = page.left() + std::round((page.width() - gridW) / 2);
    const double top = body.top() + std::round((body.height() - gridH) / 2);
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < cols; ++col) {
            const bool marked = row == 1 && col == cols - 2;
            p.fillRect(QRectF(left + col * (cellW + gap), top + row * (cellH + gap), cellW, cellH),
                       marked ? QColor(0xc9, 0x4c, 0x42) : QColor(0x93, 0xa0, 0xb0));
        }
}

QImage icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    calendarPage(p, {0, 0}, size / 32.0, QColor(0x55, 0x61, 0x70));
    return image;
}

// The emblem is drawn straight onto its own patch of the about picture, so it blends in. Its place
// (64, 80) is a multiple of the dither pattern's size, so its edges match the about picture exactly.
QImage emblem(const QImage &deepAbout) {
    QImage image = deepAbout.copy(QRect(EmblemAt, EmblemSize));
    QPainterPath glow;
    glow.addRoundedRect(QRectF(8, 12, 42, 39), 5, 5);
    softFill(image, glow, 2, QColor(0x9d, 0xb4, 0xf0), 0.3);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    calendarPage(p, {6, 6}, 1.5, QColor(0xc3, 0xcb, 0xd6));
    return image;
}

bool saveBytes(const QString &path, const QByteArray &bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "morvela-picturegen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

void putLe16(QByteArray &out, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}
void putLe32(QByteArray &out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

// A BITMAPINFOHEADER for an uncompressed (BI_RGB) bitmap.
void putInfoHeader(QByteArray &out, int width, int height, int bits, quint32 imageSize) {
    putLe32(out, 40);
    putLe32(out, quint32(width));
    putLe32(out, quint32(height));
    putLe16(out, 1);
    putLe16(out, quint16(bits));
    putLe32(out, 0); // BI_RGB
    putLe32(out, imageSize);
    putLe32(out, 3780); // 96 dots per inch
    putLe32(out, 3780);
    putLe32(out, 0);
    putLe32(out, 0);
}

// A 24-bit uncompressed bottom-up BMP, rows padded to four bytes.
QByteArray bmp(const QImage &image) {
    const int stride = (image.width() * 3 + 3) & ~3;
    const quint32 imageSize = quint32(stride) * image.height();
    QByteArray out;
    out.append("BM");
    putLe32(out, 14 + 40 + imageSize);
    putLe32(out, 0);
    putLe32(out, 14 + 40);
    putInfoHeader(out, image.width(), image.height(), 24, imageSize);
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            row[3 * x] = char(qBlue(c));
            row[3 * x + 1] = char(qGreen(c));
            row[3 * x + 2] = char(qRed(c));
        }
        out.append(row);
    }
    return out;
}

// An .ico holding each image as a 32-bit DIB with its AND mask (set where the pixel is transparent).
QByteArray ico(const QList<QImage> &images) {
    QList<QByteArray> entries;
    for (const QImage &image : images) {
        const int w = image.width(), h = image.height();
        const int maskStride = ((w + 31) / 32) * 4;
        QByteArray dib;
        putInfoHeader(dib, w, 2 * h, 32, quint32(w * 4 * h + maskStride * h));
        for (int y = h - 1; y >= 0; --y)
            for (int x = 0; x < w; ++x)
                putLe32(dib, image.pixel(x, y));
        for (int y = h - 1; y >= 0; --y) {
            QByteArray row(maskStride, '\0');
            for (int x = 0; x < w; ++x)
                if (qAlpha(image.pixel(x, y)) < 128)
                    row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
            dib.append(row);
        }
        entries.append(dib);
    }
    QByteArray out;
    putLe16(out, 0);
    putLe16(out, 1); // icon
    putLe16(out, quint16(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        out.append(char(images[i].width() % 256));
        out.append(char(images[i].height() % 256));
        out.append('\0'); // no palette
        out.append('\0');
        putLe16(out, 1);
        putLe16(out, 32);
        putLe32(out, quint32(entries[i].size()));
        putLe32(out, offset);
        offset += quint32(entries[i].size());
    }
    for (const QByteArray &entry : entries)
        out.append(entry);
    return out;
}

// The same calendar page as a scalable picture for the desktop theme.
QByteArray svg() {
    return QByteArray(
        R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32" stroke="none">
  <rect x="2" y="4" width="28" height="26" rx="3" fill="#fdfdfe"/>
  <path d="M2 12V7a3 3 0 0 1 3-3h22a3 3 0 0 1 3 3v5z" fill="#cd5147"/>
  <rect x="2" y="11" width="28" height="1" fill="#6a2a25"/>
  <rect x="2.45" y="4.45" width="27.1" height="25.1" rx="3" fill="none" stroke="#5d6b7c" stroke-width="0.9"/>
  <circle cx="12" cy="9" r="1.6" fill="#8a2e28"/>
  <circle cx="22" cy="9" r="1.6" fill="#8a2e28"/>
  <rect x="11" y="1" width="2" height="8" rx="1" fill="#556170"/>
  <rect x="21" y="1" width="2" height="8" rx="1" fill="#556170"/>
  <text x="16" y="26.2" text-anchor="middle" font-family="WenQuanYi Zen Hei, sans-serif" font-size="14.4"
        fill="#2c3a4c" stroke="#2c3a4c" stroke-width="0.7" stroke-linejoin="round">1</text>
</svg>
)svg");
}

} // namespace

int main(int argc, char *argv[]) {
    // Always the offscreen platform: no display is needed, and fonts render the same everywhere.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: morvela-picturegen <folder>\n"
                             "  writes <folder>/pictures/*.bmp and <folder>/icons/*\n");
        return 1;
    }
    const QDir root(args[1]);
    if (!root.mkpath(u"pictures"_s) || !root.mkpath(u"icons"_s)) {
        std::fprintf(stderr, "morvela-picturegen: cannot create folders under %s\n", qPrintable(args[1]));
        return 1;
    }
    auto picture = [&](const QString &name, const QImage &image) {
        return saveBytes(root.filePath(u"pictures/"_s + name), bmp(finish(image)));
    };
    auto png = [&](const QString &name, const QImage &image) {
        QByteArray bytes;
        {
            QBuffer buffer(&bytes);
            if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
                return false;
        }
        return saveBytes(root.filePath(u"icons/"_s + name), bytes);
    };

    const QImage note = lightSky(NoteSky);
    const QImage aboutPicture = about();
    bool ok = picture(u"welcome.bmp"_s, welcome());
    ok = picture(u"schedule.bmp"_s, lightSky(ScheduleSky)) && ok;
    ok = picture(u"datequery.bmp"_s, lightSky(DateQuerySky)) && ok;
    ok = picture(u"mail.bmp"_s, lightSky(MailSky)) && ok;
    ok = picture(u"note.bmp"_s, note) && ok;
    ok = picture(u"note-card.bmp"_s, noteCard(note)) && ok;
    ok = picture(u"tools.bmp"_s, tools()) && ok;
    ok = picture(u"about.bmp"_s, aboutPicture) && ok;
    ok = picture(u"emblem.bmp"_s, emblem(aboutPicture)) && ok;
    ok = png(u"morvela.png"_s, icon(32)) && ok;
    for (int size : {48, 64, 128, 256})
        ok = png(u"morvela-%1.png"_s.arg(size), icon(size)) && ok;
    ok = saveBytes(root.filePath(u"icons/morvela.ico"_s), ico({icon(16), icon(32), icon(48)})) && ok;
    ok = saveBytes(root.filePath(u"icons/morvela.svg"_s), svg()) && ok;
    return ok ? 0 : 1;
}
