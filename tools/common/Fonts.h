#pragma once

#include <QFont>
#include <QString>

// Fonts of the generators, loaded from their Debian files so that the pictures do not depend on
// what the font configuration of a machine prefers.
namespace tooldraw {

enum class Face {
    Serif,     // DejaVu Serif
    SerifBold, // DejaVu Serif Bold
    SerifItalic,
    Sans,     // DejaVu Sans
    SansBold, // DejaVu Sans Bold
    Symbols,  // Symbola: zodiac, planets, chess, Hebrew letters
    Display,  // Liberation Serif Bold, for the titles
};

// Loads every face once; exits the generator with a message when a font file is missing.
void loadFonts();

// A font of the face at a pixel size.
QFont font(Face face, double pixelSize);

} // namespace tooldraw
