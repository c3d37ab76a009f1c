#include "Canvas.h"

#include <QLinearGradient>
#include <QPolygonF>

#include <cmath>
#include <numbers>
#include <vector>

namespace tooldraw {

namespace {

constexpr double kGlyphDesignSize = 200.0; // pixel size at which glyph outlines are taken
constexpr double kLightTop = 1.22;         // shaded fills: lighter at the top
constexpr double kShadeBottom = 0.78;      // and darker at the bottom

QColor scaled(const QColor& c, double factor) {
    auto channel = [factor](int v) { return qBound(0, qRound(v * factor), 255); };
    if (factor > 1.0) {
        const double t = factor - 1.0;
        return mix(c, Qt::white, t);
    }
    return QColor(channel(c.red()), channel(c.green()), channel(c.blue()), c.alpha());
}

} // namespace

QColor mix(const QColor& a, const QColor& b, double t) {
    auto lerp = [t](int x, int y) { return qBound(0, qRound(x + (y - x) * t), 255); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

QBrush Canvas::fillBrush(const QRectF& bounds, const QColor& fill) const {
    if (!m_ink.shaded || bounds.height() <= 0.0) {
        return QBrush(fill);
    }
    QLinearGradient gradient(bounds.topLeft(), bounds.bottomLeft());
    gradient.setColorAt(0.0, scaled(fill, kLightTop));
    gradient.setColorAt(0.55, fill);
    gradient.setColorAt(1.0, scaled(fill, kShadeBottom));
    return QBrush(gradient);
}

void Canvas::shape(const QPainterPath& path, const QColor& fill, double lineScale) {
    m_painter.setBrush(fillBrush(path.boundingRect(), fill));
    if (lineScale > 0.0) {
        m_painter.setPen(
            QPen(m_ink.line, m_ink.width * lineScale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    } else {
        m_painter.setPen(Qt::NoPen);
    }
    m_painter.drawPath(path);
}

void Canvas::wash(const QPainterPath& path, const QColor& fill) {
    shape(path, fill, 0.0);
}

void Canvas::ellipse(QPointF centre, double rx, double ry, const QColor& fill, double lineScale) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    shape(path, fill, lineScale);
}

void Canvas::polygon(std::initializer_list<QPointF> points, const QColor& fill, double lineScale) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    shape(path, fill, lineScale);
}

void Canvas::rect(const QRectF& box, const QColor& fill, double lineScale) {
    QPainterPath path;
    path.addRect(box);
    shape(path, fill, lineScale);
}

void Canvas::limb(const QPainterPath& path, double width, const QColor& fill) {
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setPen(
        QPen(m_ink.line, width + 2.0 * m_ink.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    m_painter.drawPath(path);
    m_painter.setPen(QPen(fill, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    m_painter.drawPath(path);
}

void Canvas::limb(QPointF from, QPointF to, double width, const QColor& fill) {
    QPainterPath path(from);
    path.lineTo(to);
    limb(path, width, fill);
}

void Canvas::line(QPointF from, QPointF to, double lineScale) {
    QPainterPath path(from);
    path.lineTo(to);
    stroke(path, lineScale);
}

void Canvas::stroke(const QPainterPath& path, double lineScale) {
    stroke(path, m_ink.line, m_ink.width * lineScale);
}

void Canvas::stroke(const QPainterPath& path, const QColor& colour, double width) {
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    m_painter.drawPath(path);
}

void Canvas::star(QPointF centre, double r, int points, const QColor& fill, double inner,
                  double turn) {
    QPolygonF polygon;
    for (int i = 0; i < 2 * points; ++i) {
        const double radius = (i % 2 == 0) ? r : r * inner;
        const double angle = turn - std::numbers::pi / 2.0 + i * std::numbers::pi / points;
        polygon << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    shape(path, fill, 0.8);
}

void Canvas::text(const QString& content, QPointF centre, Face face, double size,
                  const QColor& fill, double outline) {
    QPainterPath path;
    path.addText(0, 0, font(face, size), content);
    const QRectF bounds = path.boundingRect();
    path.translate(centre - bounds.center());
    if (outline > 0.0) {
        m_painter.setPen(QPen(m_ink.line, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawPath(path);
    }
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(fill);
    m_painter.drawPath(path);
}

QPainterPath fittedText(const QString& content, const QRectF& box, Face face) {
    QPainterPath path;
    path.addText(0, 0, font(face, kGlyphDesignSize), content);
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty()) {
        return path;
    }
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(scale, scale);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(path);
}

QPainterPath silhouette(const QPainterPath& path) {
    const QList<QPolygonF> rings = path.toSubpathPolygons();
    QPainterPath outer;
    outer.setFillRule(Qt::WindingFill);
    for (int i = 0; i < rings.size(); ++i) {
        if (rings[i].size() < 3) {
            continue;
        }
        const QPointF probe = rings[i].first();
        const double area = rings[i].boundingRect().width() * rings[i].boundingRect().height();
        bool contained = false;
        for (int j = 0; j < rings.size() && !contained; ++j) {
            if (j == i || rings[j].size() < 3) {
                continue;
            }
            const QRectF other = rings[j].boundingRect();
            contained = other.width() * other.height() > area &&
                        rings[j].containsPoint(probe, Qt::OddEvenFill);
        }
        if (!contained) {
            outer.addPolygon(rings[i]);
            outer.closeSubpath();
        }
    }
    return outer;
}

void Canvas::woodcut(const QString& content, const QRectF& box, const QColor& fill, Face face) {
    const QPainterPath lines = fittedText(content, box, face);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(fillBrush(box, fill));
    m_painter.drawPath(silhouette(lines));
    m_painter.setBrush(m_ink.line);
    m_painter.drawPath(lines);
}

void Canvas::glyph(const QString& content, const QRectF& box, const QColor& colour, Face face) {
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(colour);
    m_painter.drawPath(fittedText(content, box, face));
}

} // namespace tooldraw
