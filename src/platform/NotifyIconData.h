#pragma once

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

class QIcon;

namespace platform {

// Receives the callback of a tray icon: the mouse message that happened on the icon.
class TrayWindow {
public:
    virtual ~TrayWindow() = default;
    virtual void trayCallback(int mouseMessage) = 0;
};

// Mouse messages of a tray icon's callback.
constexpr int WM_MOUSEMOVE = 512;
constexpr int WM_LBUTTONUP = 514;
constexpr int WM_LBUTTONDBLCLK = 515;
constexpr int WM_RBUTTONUP = 517;

// Shell_NotifyIcon operations.
constexpr std::uint32_t NIM_ADD = 0;
constexpr std::uint32_t NIM_MODIFY = 1;
constexpr std::uint32_t NIM_DELETE = 2;

// Which fields of the record an operation takes.
constexpr std::uint32_t NIF_MESSAGE = 1;
constexpr std::uint32_t NIF_ICON = 2;
constexpr std::uint32_t NIF_TIP = 4;
constexpr std::uint32_t NIF_INFO = 16;

// Balloon icon and sound.
constexpr std::uint32_t NIIF_INFO = 1;
constexpr std::uint32_t NIIF_NOSOUND = 16;

// The record of one tray icon, 488 bytes in its original form. Its texts are fixed fields of
// single-byte Windows-1252 text: the text, one NUL, then blanks up to the field's size; a text at
// least as long as the field is cut at the field's size (and then has no NUL).
struct NotifyIconData {
    static constexpr std::uint32_t kRecordSize = 488;
    static constexpr std::size_t kTipSize = 128;
    static constexpr std::size_t kInfoSize = 256;
    static constexpr std::size_t kInfoTitleSize = 64;

    std::uint32_t cbSize = 0;
    TrayWindow* hWnd = nullptr; // receives the callbacks
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    const QIcon* hIcon = nullptr; // not owned; must outlive the icon
    std::array<char, kTipSize> szTip{};
    std::uint32_t dwState = 0;
    std::uint32_t dwStateMask = 0;
    std::array<char, kInfoSize> szInfo{};
    std::uint32_t uTimeout = 0;
    std::array<char, kInfoTitleSize> szInfoTitle{};
    std::uint32_t dwInfoFlags = 0;
};

// Stores a text in a field by the rule above.
void setField(char* field, std::size_t size, const QString& text);
template <std::size_t N> void setField(std::array<char, N>& field, const QString& text) {
    setField(field.data(), N, text);
}

// The text the shell takes from a field: up to the first NUL, and never more than size - 1
// characters (the shell keeps room for its own terminator and never reads past the field).
QString fieldText(const char* field, std::size_t size);
template <std::size_t N> QString fieldText(const std::array<char, N>& field) {
    return fieldText(field.data(), N);
}

} // namespace platform
