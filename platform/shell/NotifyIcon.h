#pragma once
// Icons in the notification area of the taskbar. A program adds an icon with
// a record naming the window that hears the icon's mouse messages; the
// window receives its callback message (the mouse-move message, 512) with the
// icon's mouse message as the low word of lParam, which a control reports as
// a mouse move at that many pixels across.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace forms {
class Control;
class Form;
}  // namespace forms

namespace shell {

using WindowHandle = std::uintptr_t;
using IconHandle = std::uintptr_t;

enum NotifyMessage : int { NIM_ADD = 0, NIM_MODIFY = 1, NIM_DELETE = 2 };
enum NotifyFlags : std::uint32_t { NIF_MESSAGE = 1, NIF_ICON = 2, NIF_TIP = 4 };
// The mouse messages an icon reports.
enum TrayMouse : int {
    WM_MOUSEMOVE = 512,
    WM_LBUTTONDOWN = 513,
    WM_LBUTTONUP = 514,
    WM_LBUTTONDBLCLK = 515,
    WM_RBUTTONDOWN = 516,
    WM_RBUTTONUP = 517,
    WM_RBUTTONDBLCLK = 518,
    WM_MBUTTONDOWN = 519,
    WM_MBUTTONUP = 520,
};

// The record in the platform's 88-byte single-byte layout.
struct NotifyIconData {
    std::uint32_t cbSize = 0;
    WindowHandle hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    IconHandle hIcon = 0;
    std::array<char, 64> szTip{};

    static constexpr std::size_t kSize = 88;
    // The tip: the characters up to the first NUL.
    std::string tip() const;
    // The record's bytes (handles as their low 32 bits).
    std::array<std::uint8_t, kSize> bytes() const;
};

// Adds, changes or removes an icon; false when the platform refused (an
// icon added twice, one removed that is not there, a wrong record size, or a
// desktop without a notification area).
bool Shell_NotifyIconA(int message, const NotifyIconData& data);

// A control's window, for the record's hWnd.
WindowHandle windowOf(const forms::Control& c);
// The icon of a form's window, for the record's hIcon (0 when it has none).
IconHandle iconOf(const forms::Form& f);

// Whether the desktop has a notification area. Tests may decide it
// (nullopt: ask the desktop).
bool trayAvailable();
void assumeTrayAvailable(std::optional<bool> available);

// The icons shown now.
struct ShownIcon {
    WindowHandle hWnd;
    std::uint32_t uID;
    std::string tip;
};
std::vector<ShownIcon> shownIcons();
// Delivers an icon's mouse message to its window, as the taskbar does when
// the user acts on the icon; false when no such icon is shown.
bool sendTrayMouse(WindowHandle hWnd, std::uint32_t uID, int mouseMessage);

}  // namespace shell
