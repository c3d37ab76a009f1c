#pragma once

#include <QDate>
#include <QPoint>
#include <QRect>
#include <QString>

#include <ostream>

// Lets test failures print Qt texts, dates and screen positions readably.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// And places and rectangles on the screen, as x,y and WIDTHxHEIGHT+X+Y.
inline std::ostream& operator<<(std::ostream& os, const QPoint& point) {
    return os << point.x() << ',' << point.y();
}
inline std::ostream& operator<<(std::ostream& os, const QRect& rect) {
    return os << rect.width() << 'x' << rect.height() << '+' << rect.x() << '+' << rect.y();
}
inline void PrintTo(const QDate& date, std::ostream* os) {
    *os << date.toString(Qt::ISODate).toStdString();
}
