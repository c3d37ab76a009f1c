#include "runtime/EventLoop.h"

#include <QCoreApplication>

namespace runtime {

void DoEvents() {
    if (QCoreApplication::instance()) {
        QCoreApplication::processEvents();
    }
}

} // namespace runtime
