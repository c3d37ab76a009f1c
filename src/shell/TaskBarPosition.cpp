#include "shell/TaskBarPosition.h"

#include "platform/TaskbarEdge.h"
#include "shell/ShellState.h"

namespace shell {

QString GetTaskBarPosition() {
    static const char* const kEdges[] = {"left", "top", "right", "bottom"};
    const int edge = platform::taskbarEdge();
    shellState().posicionBarra = edge;
    return QStringLiteral("Taskbar at the %1 edge").arg(QString::fromLatin1(kEdges[edge & 3]));
}

} // namespace shell
