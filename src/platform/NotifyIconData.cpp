#include "platform/NotifyIconData.h"

#include "runtime/Ansi.h"

#include <algorithm>
#include <cstring>

namespace platform {

void setField(char* field, std::size_t size, const QString& text) {
    const QByteArray bytes = runtime::toAnsi(text);
    const std::size_t length = std::min(static_cast<std::size_t>(bytes.size()), size);
    std::memcpy(field, bytes.constData(), length);
    if (length < size) {
        field[length] = '\0';
        std::fill(field + length + 1, field + size, ' ');
    }
}

QString fieldText(const char* field, std::size_t size) {
    const char* end = std::find(field, field + size - 1, '\0');
    return runtime::fromAnsi(QByteArray(field, static_cast<int>(end - field)));
}

} // namespace platform
