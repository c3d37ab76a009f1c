#pragma once

namespace runtime {

constexpr int kTwipsPerInch = 1440;
constexpr double kDefaultDpi = 96.0; // 15 twips a pixel

// Twips per pixel at a logical DPI (15 at 96 DPI).
double twipsPerPixel(double logicalDpi = kDefaultDpi);
int twipsToPixels(double twips, double logicalDpi = kDefaultDpi);
double pixelsToTwips(int pixels, double logicalDpi = kDefaultDpi);

} // namespace runtime
