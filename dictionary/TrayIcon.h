#pragma once
// The lookup window's tray icon: a click on Image1 hides the window (and its
// taskbar button) and puts an icon into the notification area; a left double
// click on the icon brings the window back and removes the icon; closing the
// window removes the icon. The icon's messages arrive at the picture box
// pichook as mouse moves (X = the icon's mouse message in pixels, in twips).
#include <cstdint>
#include <functional>
#include <string>

#include "shell/NotifyIcon.h"

namespace forms {
class Form;
class Control;
}  // namespace forms

namespace dictionary {

class TrayIcon {
public:
    // `window` is the lookup window, `pichook` its callback picture box,
    // `tip` the program's title (Windows-1250).
    TrayIcon(forms::Form& window, forms::Control& pichook, std::string tip);

    // Shows or hides the program's taskbar button (the window itself is
    // shown and hidden here); by default nothing beyond the window.
    std::function<void(bool visible)> setTaskVisible;

    // Image1_Click. When the icon cannot be added (no notification area),
    // the window stays shown.
    void hideToTray();
    // pichook_MouseMove.
    void pichook_MouseMove(int button, int shift, float x, float y);
    // Form_QueryUnload: the icon goes whenever the window closes.
    void removeOnClose();

    const shell::NotifyIconData& record() const { return nid_; }
    int lastMessage() const { return lastMessage_; }

private:
    void fill();

    forms::Form& window_;
    forms::Control& pichook_;
    std::string tip_;
    shell::NotifyIconData nid_;
    std::int16_t busy_ = 0;
    std::int32_t lastMessage_ = 0;
};

}  // namespace dictionary
