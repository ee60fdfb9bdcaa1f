#include "dictionary/TrayIcon.h"

#include <cmath>
#include <cstring>

#include "forms/Control.h"
#include "forms/Form.h"
#include "forms/Types.h"

namespace dictionary {

TrayIcon::TrayIcon(forms::Form& window, forms::Control& pichook, std::string tip)
    : window_(window), pichook_(pichook), tip_(std::move(tip)) {}

void TrayIcon::fill() {
    nid_.cbSize = shell::NotifyIconData::kSize;
    nid_.hWnd = shell::windowOf(pichook_);
    nid_.uID = 1;
    nid_.uFlags = shell::NIF_MESSAGE | shell::NIF_ICON | shell::NIF_TIP;
    nid_.uCallbackMessage = shell::WM_MOUSEMOVE;
    nid_.hIcon = shell::iconOf(window_);
    // The title, one NUL, then spaces up to 64 characters.
    nid_.szTip.fill(' ');
    std::size_t n = std::min(tip_.size(), nid_.szTip.size() - 1);
    std::memcpy(nid_.szTip.data(), tip_.data(), n);
    nid_.szTip[n] = '\0';
}

void TrayIcon::hideToTray() {
    fill();
    // Without an icon there would be no way back to a hidden window: it
    // stays where it is.
    if (!shell::Shell_NotifyIconA(shell::NIM_ADD, nid_)) return;
    window_.hide();
    if (setTaskVisible) setTaskVisible(false);
}

void TrayIcon::pichook_MouseMove(int, int, float x, float) {
    lastMessage_ = static_cast<std::int32_t>(std::nearbyint(x / static_cast<float>(forms::TwipsPerPixel)));
    if (busy_) return;
    busy_ = 1;
    if (lastMessage_ == shell::WM_LBUTTONDBLCLK) {
        window_.show();
        if (setTaskVisible) setTaskVisible(true);
        shell::Shell_NotifyIconA(shell::NIM_DELETE, nid_);
    }
    busy_ = 0;
}

void TrayIcon::removeOnClose() {
    nid_.cbSize = shell::NotifyIconData::kSize;
    nid_.hWnd = shell::windowOf(pichook_);
    nid_.uID = 1;
    shell::Shell_NotifyIconA(shell::NIM_DELETE, nid_);
}

}  // namespace dictionary
