#include "platform/XSettings.h"

#include "platform/X11Connection.h"

#include <cstdlib>

namespace platform {
namespace {

constexpr char kMsbFirst = 1;
constexpr std::uint8_t kTypeInteger = 0;
constexpr std::uint8_t kTypeString = 1;
constexpr std::uint8_t kTypeColor = 2;
constexpr int kColorSize = 8;
// The property is small; a manager that publishes more is not believed.
constexpr std::uint32_t kMaxPropertyLongs = 64 * 1024;

// Reads the fields of the property one after the other in its own byte order; every read fails
// once the data has run out.
class FieldReader {
public:
    explicit FieldReader(const QByteArray& data)
        : m_data(data), m_msbFirst(!data.isEmpty() && data.at(0) == kMsbFirst) {}

    bool skip(qsizetype count) {
        if (count < 0 || count > m_data.size() - m_pos) {
            return false;
        }
        m_pos += count;
        return true;
    }
    bool skipPadded(qsizetype count) { return skip(count + (4 - count % 4) % 4); }

    std::optional<std::uint32_t> card(int size) {
        if (size > m_data.size() - m_pos) {
            return std::nullopt;
        }
        std::uint32_t value = 0;
        for (int i = 0; i < size; ++i) {
            const int index = m_msbFirst ? i : size - 1 - i;
            value = value << 8 | static_cast<std::uint8_t>(m_data.at(m_pos + index));
        }
        m_pos += size;
        return value;
    }

    std::optional<QByteArray> bytes(qsizetype count) {
        const qsizetype start = m_pos;
        if (!skipPadded(count)) {
            return std::nullopt;
        }
        return m_data.mid(start, count);
    }

private:
    const QByteArray& m_data;
    bool m_msbFirst;
    qsizetype m_pos = 0;
};

// One setting's name and value, or false where the data is malformed; colours give no value.
bool readSetting(FieldReader& in, XSettings& settings) {
    const auto type = in.card(1);
    const auto nameLength = type && in.skip(1) ? in.card(2) : std::nullopt;
    const auto name = nameLength ? in.bytes(*nameLength) : std::nullopt;
    if (!name || !in.card(4)) { // the serial of its last change
        return false;
    }
    switch (*type) {
    case kTypeInteger:
        if (const auto value = in.card(4)) {
            settings[*name] = static_cast<std::int32_t>(*value);
            return true;
        }
        return false;
    case kTypeString: {
        const auto length = in.card(4);
        const auto value = length ? in.bytes(*length) : std::nullopt;
        if (value) {
            settings[*name] = *value;
        }
        return value.has_value();
    }
    case kTypeColor:
        return in.skip(kColorSize);
    default:
        return false;
    }
}

xcb_atom_t atomNamed(xcb_connection_t* c, const QByteArray& name) {
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(name.size()), name.constData()),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

} // namespace

std::optional<XSettings> parseXSettings(const QByteArray& data) {
    FieldReader in(data);
    const auto order = in.card(1);
    if (!order || *order > 1 || !in.skip(3) || !in.card(4)) { // byte order, unused, serial
        return std::nullopt;
    }
    const auto count = in.card(4);
    if (!count) {
        return std::nullopt;
    }
    XSettings settings;
    for (std::uint32_t i = 0; i < *count; ++i) {
        if (!readSetting(in, settings)) {
            return std::nullopt;
        }
    }
    return settings;
}

std::optional<XSettings> readXSettings() {
    xcb_connection_t* c = qtX11Connection();
    if (!c) {
        return std::nullopt;
    }
    const QByteArray selection = "_XSETTINGS_S" + QByteArray::number(defaultX11Screen());
    const xcb_atom_t selectionAtom = atomNamed(c, selection);
    const xcb_atom_t property = atomNamed(c, "_XSETTINGS_SETTINGS");
    const Reply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selectionAtom), nullptr));
    if (!owner || owner->owner == XCB_WINDOW_NONE || property == XCB_ATOM_NONE) {
        return std::nullopt;
    }
    // The manager may go between the two questions; its window then answers with an error.
    xcb_generic_error_t* error = nullptr;
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, owner->owner, property, property, 0, kMaxPropertyLongs), &error));
    std::free(error);
    if (!reply || reply->type != property || reply->format != 8) {
        return std::nullopt;
    }
    return parseXSettings(QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                                     xcb_get_property_value_length(reply.get())));
}

} // namespace platform
