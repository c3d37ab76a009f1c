#include "shell/RotarImagen.h"

#include <gtest/gtest.h>

using shell::RotarImagen;

namespace {

// A picture whose every pixel has its own colour: red = column, green = row.
QImage numbered(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            image.setPixel(x, y, qRgb(x, y, 7));
        }
    }
    return image;
}

QRgb source(int x, int y) {
    return qRgb(x, y, 7);
}

} // namespace

TEST(RotarImagen, HalfTurnSwapsTwoPixelsAndLeavesOneAlone) {
    QImage two = numbered(2, 1);
    RotarImagen(two, 1, 0, 0, 2, 1);
    EXPECT_EQ(two.pixel(0, 0), source(1, 0));
    EXPECT_EQ(two.pixel(1, 0), source(0, 0));

    QImage one = numbered(1, 1);
    RotarImagen(one, 1, 0, 0, 1, 1);
    EXPECT_EQ(one.pixel(0, 0), source(0, 0));
}

TEST(RotarImagen, QuarterTurnsMoveTheTopLeftCorner) {
    QImage clockwise = numbered(2, 2);
    RotarImagen(clockwise, 0, 0, 0, 2, 2);
    EXPECT_EQ(clockwise.pixel(1, 0), source(0, 0));
    EXPECT_EQ(clockwise.pixel(0, 0), source(0, 1));

    QImage counter = numbered(2, 2);
    RotarImagen(counter, 2, 0, 0, 2, 2);
    EXPECT_EQ(counter.pixel(0, 1), source(0, 0));
    EXPECT_EQ(counter.pixel(0, 0), source(1, 0));
}

TEST(RotarImagen, UnknownModeBlackensOnlyTheRectangle) {
    QImage image = numbered(4, 4);
    RotarImagen(image, 7, 1, 1, 2, 2);
    EXPECT_EQ(image.pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(2, 2), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(0, 0), source(0, 0));
    EXPECT_EQ(image.pixel(3, 3), source(3, 3));
}

TEST(RotarImagen, TheStripOutsideTheRectangleKeepsItsPlace) {
    // The moon pictures are turned without their last 4 columns and rows.
    QImage image = numbered(10, 10);
    RotarImagen(image, 1, 0, 0, 6, 6);
    EXPECT_EQ(image.pixel(0, 0), source(5, 5));
    EXPECT_EQ(image.pixel(5, 5), source(0, 0));
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(image.pixel(8, i), source(8, i));
        EXPECT_EQ(image.pixel(i, 9), source(i, 9));
    }
}

TEST(RotarImagen, RectanglesBeyondThePictureOrQuarterTurnsOfNonSquaresAreSafe) {
    QImage image = numbered(3, 2);
    RotarImagen(image, 1, 0, 0, 50, 50); // clipped to the picture
    EXPECT_EQ(image.pixel(0, 0), source(2, 1));
    QImage wide = numbered(3, 2);
    RotarImagen(wide, 0, 0, 0, 3, 2);
    EXPECT_EQ(wide, numbered(3, 2));
}
