// Draws the pictures of the windows (icons, buttons, arrows, notification backgrounds) as PNG
// files into a folder; the build compiles them into the resource library
// velarcana_ui_resources, where the windows find them as ":/ui/<name>.png".
#include "Canvas.h"
#include "Emblem.h"
#include "Fonts.h"
#include "PictureFiles.h"

#include <QDir>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <numbers>

using tooldraw::Canvas;
using tooldraw::Drawing;
using tooldraw::emblem;
using tooldraw::Face;
using tooldraw::kGold;
using tooldraw::kNavy;
using tooldraw::mix;

namespace {

const QColor kCream(0xf8, 0xf0, 0xdc);
const QColor kRed(0xc0, 0x2a, 0x3a);
const QColor kGreen(0x2e, 0xa0, 0x4a);
const QColor kBlue(0x2a, 0x5c, 0xb0);

void button(Canvas& c, QSizeF s, const QColor& face) {
    QRadialGradient shine(QPointF(s.width() * 0.35, s.height() * 0.3), s.width() * 0.7);
    shine.setColorAt(0, mix(face, Qt::white, 0.45));
    shine.setColorAt(1, face);
    c.painter().setPen(QPen(mix(face, Qt::black, 0.45), s.width() * 0.05));
    c.painter().setBrush(shine);
    c.painter().drawEllipse(QRectF(QPointF(0, 0), s).adjusted(1, 1, -1, -1));
}

void trend(Canvas& c, QSizeF s, bool up) {
    const double w = s.width();
    const double h = s.height();
    QPolygonF arrow;
    arrow << QPointF(w / 2, h * 0.08) << QPointF(w * 0.92, h * 0.55) << QPointF(w * 0.64, h * 0.55)
          << QPointF(w * 0.64, h * 0.92) << QPointF(w * 0.36, h * 0.92)
          << QPointF(w * 0.36, h * 0.55) << QPointF(w * 0.08, h * 0.55);
    if (!up) {
        for (QPointF& p : arrow) {
            p.setY(h - p.y());
        }
    }
    const QColor colour = up ? kGreen : kRed;
    c.painter().setPen(
        QPen(mix(colour, Qt::black, 0.45), w * 0.07, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0, mix(colour, Qt::white, 0.3));
    fill.setColorAt(1, colour);
    c.painter().setBrush(fill);
    c.painter().drawPolygon(arrow);
}

void sideArrow(Canvas& c, QSizeF s, bool right) {
    const double w = s.width();
    const double h = s.height();
    QPolygonF arrow;
    arrow << QPointF(w * 0.25, h * 0.15) << QPointF(w * 0.8, h * 0.5)
          << QPointF(w * 0.25, h * 0.85);
    if (!right) {
        for (QPointF& p : arrow) {
            p.setX(w - p.x());
        }
    }
    c.painter().setPen(QPen(kNavy, w * 0.08, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    c.painter().setBrush(kGold);
    c.painter().drawPolygon(arrow);
}

void glyphButton(Canvas& c, QSizeF s, const QColor& face, const QString& glyph, Face font) {
    button(c, s, face);
    const double m = s.width() * 0.24;
    c.glyph(glyph, QRectF(m, m, s.width() - 2 * m, s.height() - 2 * m), Qt::white, font);
}

void speaker(Canvas& c, QSizeF s, bool on) {
    button(c, s, on ? kBlue : QColor(0x70, 0x74, 0x80));
    const double w = s.width();
    QPolygonF body;
    body << QPointF(w * 0.2, w * 0.4) << QPointF(w * 0.33, w * 0.4) << QPointF(w * 0.5, w * 0.24)
         << QPointF(w * 0.5, w * 0.76) << QPointF(w * 0.33, w * 0.6) << QPointF(w * 0.2, w * 0.6);
    c.painter().setPen(Qt::NoPen);
    c.painter().setBrush(Qt::white);
    c.painter().drawPolygon(body);
    QPen pen(Qt::white, w * 0.06, Qt::SolidLine, Qt::RoundCap);
    c.painter().setPen(pen);
    c.painter().setBrush(Qt::NoBrush);
    if (on) {
        for (double r : {0.14, 0.24}) {
            const QRectF arc(w * (0.5 - r), w * (0.5 - r), w * 2 * r, w * 2 * r);
            c.painter().drawArc(arc, -45 * 16, 90 * 16);
        }
    } else {
        c.painter().drawLine(QPointF(w * 0.6, w * 0.38), QPointF(w * 0.8, w * 0.62));
        c.painter().drawLine(QPointF(w * 0.8, w * 0.38), QPointF(w * 0.6, w * 0.62));
    }
}

void alert(Canvas& c, QSizeF s) {
    const double w = s.width();
    QPolygonF triangle;
    triangle << QPointF(w / 2, w * 0.06) << QPointF(w * 0.96, w * 0.9)
             << QPointF(w * 0.04, w * 0.9);
    c.painter().setPen(
        QPen(QColor(0x8a, 0x4a, 0x00), w * 0.07, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient fill(0, 0, 0, w);
    fill.setColorAt(0, QColor(0xff, 0xe0, 0x60));
    fill.setColorAt(1, QColor(0xf0, 0xa0, 0x10));
    c.painter().setBrush(fill);
    c.painter().drawPolygon(triangle);
    c.glyph("!", QRectF(w * 0.38, w * 0.3, w * 0.24, w * 0.5), QColor(0x40, 0x20, 0x00),
            Face::SansBold);
}

void notificationBackground(Canvas& c, QSizeF s) {
    QLinearGradient paper(0, 0, 0, s.height());
    paper.setColorAt(0, Qt::white);
    paper.setColorAt(1, QColor(0xe8, 0xee, 0xfa));
    c.painter().fillRect(QRectF(QPointF(0, 0), s), paper);
    c.painter().fillRect(QRectF(0, 0, s.width(), 3), kNavy);
    c.painter().setPen(QPen(QColor(0x9a, 0xa8, 0xc8), 1));
    c.painter().setBrush(Qt::NoBrush);
    c.painter().drawRect(QRectF(QPointF(0.5, 0.5), s - QSizeF(1, 1)));
    // A faint emblem in the lower right corner, clear of the title and the text's start.
    c.painter().save();
    c.painter().translate(s.width() - 52, s.height() - 52);
    c.painter().setOpacity(0.12);
    emblem(c, QSizeF(48, 48));
    c.painter().restore();
}

void closePicture(Canvas& c, QSizeF s) {
    c.painter().fillRect(QRectF(QPointF(0, 0), s), QColor(0xc8, 0x3a, 0x3a));
    c.painter().setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    c.painter().drawLine(QPointF(3.5, 3), QPointF(s.width() - 3.5, s.height() - 3));
    c.painter().drawLine(QPointF(s.width() - 3.5, 3), QPointF(3.5, s.height() - 3));
}

void biorhythmButton(Canvas& c, QSizeF s) {
    button(c, s, QColor(0x22, 0x36, 0x70));
    const double w = s.width();
    const QColor colours[] = {kRed, kGreen, QColor(0x4a, 0xa8, 0xf0)};
    for (int k = 0; k < 3; ++k) {
        QPainterPath wave;
        for (int i = 0; i <= 40; ++i) {
            const double x = w * (0.16 + 0.68 * i / 40.0);
            const double y =
                w * (0.5 - 0.2 * std::sin(i / 40.0 * 2 * std::numbers::pi * (1.0 + 0.35 * k) + k));
            i == 0 ? wave.moveTo(x, y) : wave.lineTo(x, y);
        }
        c.stroke(wave, colours[k], w * 0.06);
    }
}

void calendar(Canvas& c, QSizeF s) {
    const double w = s.width();
    const QRectF page(w * 0.1, w * 0.16, w * 0.8, w * 0.74);
    c.painter().setPen(QPen(kNavy, w * 0.05));
    c.painter().setBrush(Qt::white);
    c.painter().drawRoundedRect(page, w * 0.08, w * 0.08);
    c.painter().fillRect(QRectF(page.left(), page.top(), page.width(), w * 0.2), kRed);
    c.glyph("1", QRectF(w * 0.3, w * 0.44, w * 0.4, w * 0.38), kNavy, Face::SansBold);
}

struct Picture {
    const char* name;
    QSize size;
    Drawing draw;
};

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: uigen <output folder>\n");
        return 2;
    }
    tooldraw::loadFonts();
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!tooldraw::makeFolder(out.path())) {
        return 1;
    }
    const Picture pictures[] = {
        {"tray", {32, 32}, emblem},
        {"app", {64, 64}, emblem},
        {"trend-up", {16, 16}, [](Canvas& c, QSizeF s) { trend(c, s, true); }},
        {"trend-down", {16, 16}, [](Canvas& c, QSizeF s) { trend(c, s, false); }},
        {"help",
         {24, 24},
         [](Canvas& c, QSizeF s) { glyphButton(c, s, kBlue, "?", Face::SansBold); }},
        {"minimize",
         {24, 24},
         [](Canvas& c, QSizeF s) { glyphButton(c, s, kNavy, "\u2212", Face::SansBold); }},
        {"refresh",
         {24, 24},
         [](Canvas& c, QSizeF s) { glyphButton(c, s, kGreen, "\u27F3", Face::Symbols); }},
        {"sound-on", {32, 32}, [](Canvas& c, QSizeF s) { speaker(c, s, true); }},
        {"sound-off", {32, 32}, [](Canvas& c, QSizeF s) { speaker(c, s, false); }},
        {"alert", {20, 20}, alert},
        {"notif-short", {199, 120}, notificationBackground},
        {"notif-medium", {199, 178}, notificationBackground},
        {"notif-long", {199, 243}, notificationBackground},
        {"notif-close", {13, 12}, closePicture},
        {"biorhythms", {32, 32}, biorhythmButton},
        {"arrow-left", {16, 16}, [](Canvas& c, QSizeF s) { sideArrow(c, s, false); }},
        {"arrow-right", {16, 16}, [](Canvas& c, QSizeF s) { sideArrow(c, s, true); }},
        {"today", {24, 24}, calendar},
    };
    for (const Picture& picture : pictures) {
        const QString file = out.filePath(QString::fromUtf8(picture.name) + ".png");
        if (!tooldraw::writePng(tooldraw::renderPicture(picture.size, picture.draw), file)) {
            return 1;
        }
    }
    return 0;
}
