#include "runtime/Numeric.h"

#include "runtime/SystemFormats.h"

#include <cmath>
#include <limits>

namespace runtime {
namespace {

template <typename T> std::optional<T> roundInto(double value) {
    const double rounded = roundHalfEven(value);
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<T>::min() ||
        rounded > std::numeric_limits<T>::max()) {
        return std::nullopt;
    }
    return static_cast<T>(rounded);
}

} // namespace

double roundHalfEven(double value) {
    return std::nearbyint(value);
}

std::optional<Integer> toInteger(double value) {
    return roundInto<Integer>(value);
}
std::optional<Long> toLong(double value) {
    return roundInto<Long>(value);
}

double Int(double value) {
    return std::floor(value);
}
double Fix(double value) {
    return std::trunc(value);
}

int digitValue(QChar ch) {
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9') ? ch.digitValue() : 0;
}

std::optional<double> numericValue(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return std::nullopt;
    }
    bool ok = false;
    double value = currentLocale().toDouble(trimmed, &ok);
    if (!ok) {
        value = trimmed.toDouble(&ok);
    }
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

bool isNumeric(const QString& text) {
    return numericValue(text).has_value();
}

} // namespace runtime
