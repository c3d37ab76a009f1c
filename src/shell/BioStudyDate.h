#pragma once

#include "runtime/DateValue.h"

#include <functional>
#include <optional>

namespace shell {

// The study date of the Biorhythms window (its day, month and year controls), for the alert
// check that the window asks for. The window installs the source while it is loaded; without
// one, or when its controls hold no date, the check studies today.
using StudyDateSource = std::function<std::optional<runtime::DateValue>()>;
void setBioStudyDateSource(StudyDateSource source);
std::optional<runtime::DateValue> bioWindowStudyDate();

} // namespace shell
