#pragma once

#include <QFont>

namespace forms {

inline QFont windowFont(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The windows' fonts: "Arial" is Liberation Sans (same metrics), "MS Sans Serif" DejaVu Sans.
inline QFont arialFont(double points, bool bold = false) {
    return windowFont(QStringLiteral("Liberation Sans"), points, bold);
}

// "Arial Narrow", for long captions that must stand on one line.
inline QFont arialNarrowFont(double points, bool bold = false) {
    return windowFont(QStringLiteral("Liberation Sans Narrow"), points, bold);
}

inline QFont sansSerifFont(double points, bool bold = false) {
    return windowFont(QStringLiteral("DejaVu Sans"), points, bold);
}

} // namespace forms
