#include "readings/ResultLogMenu.h"

#include "platform/ShellOpen.h"
#include "runtime/MessageBox.h"

#include <QUrl>

namespace readings {

void showResults(const ResultLog& log) {
    platform::ShellExecute(QUrl::fromLocalFile(logPath(log)));
}

void deleteResults(const ResultLog& log) {
    if (runtime::MsgBox(log.deleteQuestion, runtime::vbYesNo) == runtime::vbYes && !emptyLog(log)) {
        runtime::MsgBox(QStringLiteral("The results could not be deleted."), runtime::vbExclamation,
                        QStringLiteral("Error"));
    }
}

} // namespace readings
