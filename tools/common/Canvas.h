#pragma once

#include "Fonts.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <initializer_list>

namespace tooldraw {

// How shapes are inked: outline colour and width, and whether fills carry a soft light from
// above (flat fills give the woodcut look of the classic decks).
struct Ink {
    QColor line = Qt::black;
    double width = 2.0;
    bool shaded = false;
};

// A painter with the few strokes every picture is made of: outlined shapes, outlined thick
// limbs, glyphs of the Debian fonts drawn as coloured woodcuts.
class Canvas {
public:
    Canvas(QPainter& painter, const Ink& ink) : m_painter(painter), m_ink(ink) {}

    QPainter& painter() { return m_painter; }
    const Ink& ink() const { return m_ink; }

    // A filled shape with its outline (lineScale scales the outline width).
    void shape(const QPainterPath& path, const QColor& fill, double lineScale = 1.0);
    void ellipse(QPointF centre, double rx, double ry, const QColor& fill, double lineScale = 1.0);
    void circle(QPointF centre, double r, const QColor& fill, double lineScale = 1.0) {
        ellipse(centre, r, r, fill, lineScale);
    }
    void polygon(std::initializer_list<QPointF> points, const QColor& fill, double lineScale = 1.0);
    void rect(const QRectF& box, const QColor& fill, double lineScale = 1.0);
    // A fill without outline.
    void wash(const QPainterPath& path, const QColor& fill);

    // A thick stroke with an outline on both sides and round ends (arms, legs, staffs).
    void limb(const QPainterPath& path, double width, const QColor& fill);
    void limb(QPointF from, QPointF to, double width, const QColor& fill);
    // A plain ink line.
    void line(QPointF from, QPointF to, double lineScale = 1.0);
    void stroke(const QPainterPath& path, double lineScale = 1.0);
    void stroke(const QPainterPath& path, const QColor& colour, double width);

    // A star of n points (inner radius as a share of the outer).
    void star(QPointF centre, double r, int points, const QColor& fill, double inner = 0.45,
              double turn = 0.0);

    // Text centred on a point, in a face, as filled glyph outlines.
    void text(const QString& text, QPointF centre, Face face, double size, const QColor& fill,
              double outline = 0.0);
    // A glyph fitted into a box (keeping its proportions), its closed regions filled with the
    // colour and its lines drawn in ink: a coloured woodcut of the glyph.
    void woodcut(const QString& glyph, const QRectF& box, const QColor& fill,
                 Face face = Face::Symbols);
    // The same glyph drawn in one colour only (lines and all).
    void glyph(const QString& glyph, const QRectF& box, const QColor& colour,
               Face face = Face::Symbols);

private:
    QBrush fillBrush(const QRectF& bounds, const QColor& fill) const;

    QPainter& m_painter;
    Ink m_ink;
};

// The outline of a text in a face, fitted into a box and centred in it.
QPainterPath fittedText(const QString& text, const QRectF& box, Face face);
// The regions of a path that no other of its regions contains: the silhouette of line art.
QPainterPath silhouette(const QPainterPath& path);

// A colour mixed with another (t = 0 the first, 1 the second).
QColor mix(const QColor& a, const QColor& b, double t);

} // namespace tooldraw
