#pragma once

#include "runtime/Numeric.h"

#include <QString>

#include <optional>

namespace readings {

// The description of a sign (0 Aries .. 11 Pisces) from "\sigtxt\aries.txt" .. "piscis.txt",
// lines joined by "\n"; nothing for another index or a missing file.
std::optional<QString> signText(runtime::Integer sign);

} // namespace readings
