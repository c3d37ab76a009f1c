#include "CardFrame.h"

#include <QLinearGradient>
#include <QRandomGenerator>

#include <cmath>

using tooldraw::Canvas;
using tooldraw::Face;

namespace cards {

namespace {

constexpr double kFrameInset = 7.0;
constexpr double kCornerRadius = 12.0;
constexpr QRectF kNumeralBox(kPanelLeft, 16.0, kPanelWidth, 38.0);
constexpr QRectF kTitleBox(kPanelLeft, kPanelTop + kPanelHeight + 6.0, kPanelWidth, 40.0);
constexpr QRectF kPanel(kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight);
constexpr quint32 kStarSeed = 1909; // fixed, so every build places the stars alike
constexpr int kNightStars = 46;

QImage blankCard() {
    QImage image(kCardWidth * kSupersample, kCardHeight * kSupersample, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage finished(const QImage& big) {
    return big.scaled(kCardWidth, kCardHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(kSupersample, kSupersample);
}

void drawBorder(Canvas& c, const DeckStyle& deck) {
    QPainter& p = c.painter();
    p.fillRect(QRectF(0, 0, kCardWidth, kCardHeight), deck.border);
    const QRectF outer(kFrameInset, kFrameInset, kCardWidth - 2 * kFrameInset,
                       kCardHeight - 2 * kFrameInset);
    QPainterPath frame;
    frame.addRoundedRect(outer, kCornerRadius, kCornerRadius);
    c.stroke(frame, deck.frame, deck.hatchedGround ? 3.2 : 2.2);
    QPainterPath inner;
    inner.addRoundedRect(outer.adjusted(4, 4, -4, -4), kCornerRadius - 3, kCornerRadius - 3);
    c.stroke(inner, deck.frameInner, 0.8);
    // Small lozenges at the corners of the frame.
    const double d = kFrameInset + 10.0;
    for (const QPointF& corner :
         {QPointF(d, d), QPointF(kCardWidth - d, d), QPointF(d, kCardHeight - d),
          QPointF(kCardWidth - d, kCardHeight - d)}) {
        QPainterPath lozenge;
        lozenge.moveTo(corner + QPointF(0, -3.2));
        lozenge.lineTo(corner + QPointF(3.2, 0));
        lozenge.lineTo(corner + QPointF(0, 3.2));
        lozenge.lineTo(corner + QPointF(-3.2, 0));
        lozenge.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(deck.frame);
        p.drawPath(lozenge);
    }
}

void drawCartouche(Canvas& c, const DeckStyle& deck, const QRectF& box) {
    QPainterPath path;
    path.addRoundedRect(box, 6, 6);
    QPainter& p = c.painter();
    p.setPen(Qt::NoPen);
    p.setBrush(deck.cartouche);
    p.drawPath(path);
    c.stroke(path, deck.frame, deck.hatchedGround ? 2.4 : 1.4);
}

void drawScene(Canvas& c, const DeckStyle& deck, Scene scene) {
    QPainter& p = c.painter();
    const QRectF whole(0, 0, kPanelWidth, kPanelHeight);
    const bool night = scene == Scene::Night;
    if (scene == Scene::Day || night) {
        QLinearGradient sky(0, 0, 0, kGroundTop);
        sky.setColorAt(0, night ? deck.nightTop : deck.skyTop);
        sky.setColorAt(1, night ? deck.nightBottom : deck.skyBottom);
        p.fillRect(whole, sky);
    } else {
        p.fillRect(whole, deck.paper);
    }
    if (night && deck.starsAtNight) {
        QRandomGenerator random(kStarSeed);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < kNightStars; ++i) {
            const QPointF at(random.bounded(kPanelWidth), random.bounded(kGroundTop - 20.0));
            const double r = 0.5 + random.bounded(1.1);
            p.setBrush(tooldraw::mix(deck.white, deck.nightTop, random.bounded(0.5)));
            p.drawEllipse(at, r, r);
        }
    }
    if (scene == Scene::Plain) {
        return;
    }
    QLinearGradient earth(0, kGroundTop, 0, kPanelHeight);
    earth.setColorAt(0, night ? tooldraw::mix(deck.groundDark, deck.dark, 0.4) : deck.ground);
    earth.setColorAt(1, night ? deck.dark : deck.groundDark);
    QPainterPath hill;
    hill.moveTo(0, kGroundTop + 6);
    hill.cubicTo(70, kGroundTop - 6, 170, kGroundTop + 10, kPanelWidth, kGroundTop - 2);
    hill.lineTo(kPanelWidth, kPanelHeight);
    hill.lineTo(0, kPanelHeight);
    hill.closeSubpath();
    if (deck.hatchedGround && !night) {
        c.shape(hill, deck.ground, 0.9);
        for (double x = -40; x < kPanelWidth; x += 11) {
            c.line(QPointF(x, kPanelHeight), QPointF(x + 30, kGroundTop + 8), 0.45);
        }
    } else {
        p.setPen(QPen(c.ink().line, c.ink().width * 0.7));
        p.setBrush(earth);
        p.drawPath(hill);
    }
}

void drawCorrespondences(Canvas& c, const DeckStyle& deck, const CardFace& face) {
    const double r = 13.0;
    const QPointF left(kNumeralBox.left() + 22, kNumeralBox.center().y());
    const QPointF right(kNumeralBox.right() - 22, kNumeralBox.center().y());
    for (const QPointF& at : {left, right}) {
        QPainterPath ring;
        ring.addEllipse(at, r, r);
        c.stroke(ring, deck.frameInner, 0.8);
    }
    if (!face.hebrew.isEmpty()) {
        c.glyph(face.hebrew, QRectF(left.x() - 8, left.y() - 8, 16, 16), deck.cartoucheText,
                Face::SansBold);
    }
    if (!face.astro.isEmpty()) {
        c.glyph(face.astro, QRectF(right.x() - 8, right.y() - 8, 16, 16), deck.cartoucheText);
    }
}

void drawLabels(Canvas& c, const DeckStyle& deck, const CardFace& face) {
    drawCartouche(c, deck, kNumeralBox);
    drawCartouche(c, deck, kTitleBox);
    if (!face.numeral.isEmpty()) {
        c.text(face.numeral, kNumeralBox.center(), Face::Display, 23, deck.cartoucheText);
    } else {
        c.star(kNumeralBox.center(), 6, 8, deck.cartoucheText, 0.4);
    }
    const double size = face.title.size() > 16 ? 14.5 : 17.0;
    c.text(face.title, kTitleBox.center(), deck.titleFace, size, deck.cartoucheText);
    if (deck.correspondences) {
        drawCorrespondences(c, deck, face);
    }
}

} // namespace

QImage drawCard(const DeckStyle& deck, const CardFace& face, const Emblem& emblem) {
    QImage image = blankCard();
    QPainter painter(&image);
    prepare(painter);
    Canvas canvas(painter, deck.ink);
    drawBorder(canvas, deck);
    drawLabels(canvas, deck, face);

    painter.save();
    QPainterPath panel;
    panel.addRoundedRect(kPanel, 4, 4);
    painter.setClipPath(panel);
    painter.translate(kPanel.topLeft());
    drawScene(canvas, deck, face.scene);
    Art art{canvas, deck};
    emblem(art);
    painter.restore();
    canvas.stroke(panel, deck.frame, deck.hatchedGround ? 2.6 : 1.6);
    painter.end();
    return finished(image);
}

QImage drawFullCard(const DeckStyle& deck, const Emblem& emblem) {
    QImage image = blankCard();
    QPainter painter(&image);
    prepare(painter);
    Canvas canvas(painter, deck.ink);
    Art art{canvas, deck};
    emblem(art);
    painter.end();
    return finished(image);
}

} // namespace cards
