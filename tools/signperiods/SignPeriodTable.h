#pragma once

#include "signperiods/SunIngress.h"

#include <array>
#include <string>
#include <vector>

namespace signperiods {

// File stems of the sign-period tables, Aries first.
extern const std::array<const char*, 12> kFileStems;

// The universal time of a Julian day to the nearest second, "YYYY/MM/DD HH:MM:SS".
std::string universalTimeText(double jdUT);

// For every sign, its periods in order, one line each: "<start> - <end>", from one ingress to
// the next; a period ends at the very instant the next one starts.
std::array<std::vector<std::string>, 12> periodLines(const std::vector<Ingress>& ingresses);

} // namespace signperiods
