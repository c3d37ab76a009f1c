#pragma once

#include "readings/ResultLogs.h"

namespace forms {
class Form;
}

namespace readings {

// "Show results": the desktop opens the log with its program; a missing log shows nothing.
void showResults(const ResultLog& log);
// "Delete results": asks the log's question (Yes, No) and empties the log on Yes, unless the
// window that asks was unloaded while the question was open; says so when the log could not be
// emptied.
void deleteResults(const ResultLog& log, const forms::Form& window);

} // namespace readings
