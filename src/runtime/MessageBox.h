#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace runtime {

// Button and icon codes of the message boxes, added together as the windows pass them.
enum MsgBoxStyle {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};
// Answers.
enum MsgBoxResult { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// A message box: the text, the style codes and a title (the program's name when empty).
// Returns the answer. Blocks until answered, unless a script answers it; events run meanwhile
// (see NestedEvents).
int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = QString());

// An input box: the text typed, or "" when cancelled.
QString InputBox(const QString& prompt, const QString& title = QString(),
                 const QString& defaultText = QString());

// What a box showed, for scripts.
struct DialogCall {
    QString prompt;
    int style = 0;
    QString title;
    QString defaultText;
    bool input = false;
};

// Tests answer boxes without showing them: the script gets each call and returns the answer
// (a MsgBoxResult for message boxes; for input boxes the answer text goes in `typed`).
using DialogScript = std::function<int(const DialogCall& call, QString& typed)>;
void setDialogScript(DialogScript script);

// The parent that boxes centre on (the active window when unset).
void setDialogParent(QWidget* parent);

} // namespace runtime
