#pragma once

#include <QUrl>

namespace platform {

// ShellExecute "Open" (and the default verb of a mail link): hands a file or a link to the
// desktop's program for it and returns at once. A missing file or program is not reported.
class ShellOpener {
public:
    virtual ~ShellOpener() = default;
    virtual bool open(const QUrl& target) = 0;
};

ShellOpener& shellOpener();
// Installs another opener (not owned); nullptr puts the real one back.
void setShellOpener(ShellOpener* opener);

bool ShellExecute(const QUrl& target);

} // namespace platform
