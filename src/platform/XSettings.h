#pragma once

#include <QByteArray>

#include <cstdint>
#include <map>
#include <optional>
#include <variant>

namespace platform {

// The desktop's settings that X clients share (XSETTINGS), by name: whole numbers and texts
// (colours are left out).
using XSettings = std::map<QByteArray, std::variant<std::int32_t, QByteArray>>;

// The settings in the bytes of the manager's _XSETTINGS_SETTINGS property; nothing where the data
// is cut short or is not of that form.
std::optional<XSettings> parseXSettings(const QByteArray& data);

// The settings that the manager of the display's default screen publishes, read through Qt's own
// X connection; nothing off X11 or where no manager runs.
std::optional<XSettings> readXSettings();

} // namespace platform
