#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace sky {

// Side of the sign pictures, in pixels.
constexpr int kSignSize = 64;

struct Sign {
    QString stem;   // Spanish file-name stem: "Aries" ... "Piscis"
    QString glyph;  // the sign's glyph
    QString figure; // the creature or object of the sign
    int element;    // 0 fire, 1 earth, 2 air, 3 water
};

// The twelve signs, Aries first.
const std::vector<Sign>& signs();

QImage drawSign(const Sign& sign);

} // namespace sky
