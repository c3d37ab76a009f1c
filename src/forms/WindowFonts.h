#pragma once

#include <QFont>

namespace forms {

// The windows' fonts: "Arial" is Liberation Sans (same metrics), "MS Sans Serif" DejaVu Sans.
inline QFont arialFont(double points, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

inline QFont sansSerifFont(double points, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace forms
