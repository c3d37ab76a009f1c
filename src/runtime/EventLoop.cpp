#include "runtime/EventLoop.h"

#include <QCoreApplication>

namespace runtime {
namespace {

int depth = 0;

std::function<void()>& afterNestedEvents() {
    static std::function<void()> hook;
    return hook;
}

} // namespace

NestedEvents::NestedEvents() {
    ++depth;
}

NestedEvents::~NestedEvents() {
    if (--depth == 0 && afterNestedEvents()) {
        afterNestedEvents()();
    }
}

bool nestedEventsRunning() {
    return depth > 0;
}

void setAfterNestedEvents(std::function<void()> hook) {
    afterNestedEvents() = std::move(hook);
}

void DoEvents() {
    if (QCoreApplication::instance()) {
        const NestedEvents nested;
        QCoreApplication::processEvents();
    }
}

} // namespace runtime
