#include "readings/ResultLogMenu.h"

#include "forms/LoadGuard.h"
#include "platform/ShellOpen.h"
#include "runtime/MessageBox.h"

#include <QUrl>

namespace readings {

void showResults(const ResultLog& log) {
    platform::ShellExecute(QUrl::fromLocalFile(logPath(log)));
}

void deleteResults(const ResultLog& log, const forms::Form& window) {
    const forms::LoadGuard guard(&window);
    if (runtime::MsgBox(log.deleteQuestion, runtime::vbYesNo) == runtime::vbYes && guard &&
        !emptyLog(log)) {
        runtime::MsgBox(QStringLiteral("The results could not be deleted."), runtime::vbExclamation,
                        QStringLiteral("Error"));
    }
}

} // namespace readings
