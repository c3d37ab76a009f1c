#include "signperiods/DeltaT.h"

#include <array>
#include <cstddef>

namespace signperiods {
namespace {

// c0 + c1 t + c2 t^2 + ... with t = y - epoch (years), valid while y < upTo.
struct Polynomial {
    double upTo;
    double epoch;
    std::array<double, 8> c;
};

// clang-format off
constexpr std::array<Polynomial, 8> kPolynomials = {{
    {1860.0, 1800.0, {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272,
                      -0.0000001699, 0.000000000875}},
    {1900.0, 1860.0, {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174.0, 0, 0}},
    {1920.0, 1900.0, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197, 0, 0, 0}},
    {1941.0, 1920.0, {21.20, 0.84493, -0.076100, 0.0020936, 0, 0, 0, 0}},
    {1961.0, 1950.0, {29.07, 0.407, -1.0 / 233.0, 1.0 / 2547.0, 0, 0, 0, 0}},
    {1986.0, 1975.0, {45.45, 1.067, -1.0 / 260.0, -1.0 / 718.0, 0, 0, 0, 0}},
    {2005.0, 2000.0, {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599, 0, 0}},
    {2050.0, 2000.0, {62.92, 0.32217, 0.005589, 0, 0, 0, 0, 0}},
}};
// clang-format on

constexpr double kParabolaEpoch = 1820.0;
constexpr double kParabolaEnd = 2150.0;
constexpr double kParabolaFade = 0.5628; // seconds a year, fading out at 2150

double evaluate(const Polynomial& p, double y) {
    const double t = y - p.epoch;
    double sum = 0.0;
    for (std::size_t i = p.c.size(); i-- > 0;) {
        sum = sum * t + p.c[i];
    }
    return sum;
}

double longTermParabola(double y) {
    const double u = (y - kParabolaEpoch) / 100.0;
    return -20.0 + 32.0 * u * u;
}

} // namespace

double deltaT(double y) {
    for (const Polynomial& p : kPolynomials) {
        if (y < p.upTo) {
            return evaluate(p, y);
        }
    }
    if (y < kParabolaEnd) {
        return longTermParabola(y) - kParabolaFade * (kParabolaEnd - y);
    }
    return longTermParabola(y);
}

double deltaTYear(int year, int month) {
    return year + (month - 0.5) / 12.0;
}

} // namespace signperiods
