#pragma once

#include <QDate>
#include <QPoint>
#include <QString>

#include <ostream>

// Lets test failures print Qt texts, dates and screen positions readably.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QPoint& point, std::ostream* os) {
    *os << '(' << point.x() << ", " << point.y() << ')';
}
inline void PrintTo(const QDate& date, std::ostream* os) {
    *os << date.toString(Qt::ISODate).toStdString();
}
