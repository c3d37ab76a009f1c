#include "MoonPictures.h"

#include <QColor>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace sky {

namespace {

constexpr int kOversample = 4;       // samples per pixel along each axis
constexpr double kRadius = 0.45;     // disc radius as a share of the side
constexpr double kEarthshine = 0.05; // light on the unlit part
constexpr double kTerminatorSoftness = 0.09;
const QColor kSpace(0x0a, 0x0e, 0x22);

struct Mare {
    double x, y;   // centre on the disc, -1..1, y downwards
    double rx, ry; // radii
    double depth;  // how much darker
};

// The large dark plains of the near side, roughly where they lie.
constexpr std::array<Mare, 9> kMaria = {{
    {-0.32, -0.36, 0.30, 0.24, 0.30}, // Imbrium
    {0.10, -0.32, 0.16, 0.15, 0.28},  // Serenitatis
    {0.26, -0.04, 0.20, 0.17, 0.30},  // Tranquillitatis
    {0.62, -0.22, 0.11, 0.13, 0.32},  // Crisium
    {-0.58, 0.02, 0.30, 0.42, 0.24},  // Procellarum
    {-0.16, 0.30, 0.18, 0.14, 0.22},  // Nubium
    {0.44, 0.26, 0.15, 0.13, 0.24},   // Fecunditatis
    {0.22, 0.30, 0.10, 0.09, 0.22},   // Nectaris
    {-0.38, 0.42, 0.12, 0.10, 0.20},  // Humorum
}};

double smoothstep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

// A fixed hash-based value noise: the surface texture, the same in every build.
double hash(int x, int y) {
    unsigned n = static_cast<unsigned>(x) * 374761393u + static_cast<unsigned>(y) * 668265263u;
    n = (n ^ (n >> 13)) * 1274126177u;
    return static_cast<double>((n ^ (n >> 16)) & 0xffff) / 65535.0;
}

double noise(double x, double y) {
    const int ix = static_cast<int>(std::floor(x));
    const int iy = static_cast<int>(std::floor(y));
    const double fx = x - ix;
    const double fy = y - iy;
    const double a = hash(ix, iy), b = hash(ix + 1, iy);
    const double c = hash(ix, iy + 1), d = hash(ix + 1, iy + 1);
    const double u = fx * fx * (3 - 2 * fx), v = fy * fy * (3 - 2 * fy);
    return a + (b - a) * u + (c - a) * v + (a - b - c + d) * u * v;
}

double albedo(double x, double y) {
    double value = 0.92;
    for (const Mare& m : kMaria) {
        const double dx = (x - m.x) / m.rx;
        const double dy = (y - m.y) / m.ry;
        const double edge = noise(x * 7 + 3, y * 7 + 7) * 0.5;
        value -= m.depth * 0.85 * (1.0 - smoothstep(0.3 + edge, 1.4 + edge, dx * dx + dy * dy));
    }
    value += (noise(x * 14, y * 14) - 0.5) * 0.10 + (noise(x * 30 + 11, y * 30) - 0.5) * 0.06;
    // The bright young crater in the south and its rays.
    const double tx = x + 0.12, ty = y - 0.62;
    const double tycho = std::hypot(tx, ty);
    value += 0.22 * (1.0 - smoothstep(0.02, 0.07, tycho));
    const double ray = std::pow(std::abs(std::cos(std::atan2(ty, tx) * 6.0)), 18.0);
    value += 0.06 * ray * (1.0 - smoothstep(0.05, 0.6, tycho));
    return std::clamp(value, 0.35, 1.05);
}

} // namespace

QImage drawMoon(double phaseAngle) {
    const double a = phaseAngle * std::numbers::pi / 180.0;
    // Direction of the sunlight in the viewer's frame: x right, y down, z towards the viewer.
    const double lx = std::sin(a);
    const double lz = -std::cos(a);
    QImage image(kMoonSize, kMoonSize, QImage::Format_RGB32);
    const double centre = kMoonSize / 2.0;
    const double radius = kMoonSize * kRadius;
    for (int py = 0; py < kMoonSize; ++py) {
        for (int px = 0; px < kMoonSize; ++px) {
            double r = 0, g = 0, b = 0;
            for (int sy = 0; sy < kOversample; ++sy) {
                for (int sx = 0; sx < kOversample; ++sx) {
                    const double x = (px + (sx + 0.5) / kOversample - centre) / radius;
                    const double y = (py + (sy + 0.5) / kOversample - centre) / radius;
                    const double rr = x * x + y * y;
                    // A faint glow of the sky near the limb.
                    double sr = kSpace.redF(), sg = kSpace.greenF(), sb = kSpace.blueF();
                    if (rr >= 1.0) {
                        r += sr;
                        g += sg;
                        b += sb;
                        continue;
                    }
                    const double z = std::sqrt(1.0 - rr);
                    const double lit =
                        smoothstep(-kTerminatorSoftness, kTerminatorSoftness, x * lx + z * lz);
                    const double limb = 0.78 + 0.22 * z;
                    const double light = kEarthshine + (1.0 - kEarthshine) * lit;
                    const double v = albedo(x, y) * limb * light;
                    r += std::min(1.0, v * 0.97 + 0.02);
                    g += std::min(1.0, v * 0.95 + 0.02);
                    b += std::min(1.0, v * 0.90 + 0.04);
                }
            }
            const double n = kOversample * kOversample;
            image.setPixelColor(px, py, QColor::fromRgbF(r / n, g / n, b / n));
        }
    }
    return image;
}

} // namespace sky
