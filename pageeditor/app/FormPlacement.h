#pragma once
// The main window's placement and panel sizes, kept in the registry under
// HKEY_CURRENT_USER\Software\Sitecraft\TMainForm and restored at start-up.
// Values that are missing or make no sense (a window off every screen, a
// panel of no size) are left out, so the window always opens usable.
#include <optional>
#include <string>

namespace registry {
class Registry;
}

namespace pageeditor {

class TMainForm;

struct FormPlacement {
    static const char* const kKey;  // "Software\\Sitecraft\\TMainForm"

    std::optional<int> left, top, width, height;  // client area's position on the screen, and its size
    bool maximized = false;
    std::optional<int> panel1Width, panel5Height, panel6Height, panel8Height, listView3Height;

    static FormPlacement read(registry::Registry& reg);
    void write(registry::Registry& reg) const;
    // Drops what lies outside a screen of the given size (pixels).
    void sanitize(int screenWidth, int screenHeight);

    static FormPlacement takeFrom(const TMainForm& form);
    void applyTo(TMainForm& form) const;
};

}  // namespace pageeditor
