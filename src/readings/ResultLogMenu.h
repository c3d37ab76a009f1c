#pragma once

#include "readings/ResultLogs.h"

namespace readings {

// "Show results": the desktop opens the log with its program; a missing log shows nothing.
void showResults(const ResultLog& log);
// "Delete results": asks the log's question (Yes, No) and empties the log on Yes; says so when
// the log could not be emptied.
void deleteResults(const ResultLog& log);

} // namespace readings
