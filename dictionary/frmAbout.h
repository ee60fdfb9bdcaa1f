#pragma once
// The about window: the program's title, version line, copyright line,
// credits and two live links (hyperlink controls of the control library,
// created by their class name and loaded from their stored entries).
#include <functional>

#include "forms/Form.h"

namespace com {
class OleControl;
}
namespace forms {
class Label;
}

namespace dictionary {

class frmAbout : public forms::Form {
public:
    frmAbout();

    // Runs when the window unloads (the lookup window focuses its search box).
    std::function<void()> onClosed;

    com::OleControl* zorbLink1 = nullptr;
    com::OleControl* zorbLink2 = nullptr;
    forms::Label* lblTitle = nullptr;
    forms::Label* lblVersion = nullptr;
    forms::Label* lblDescription = nullptr;
    forms::Label* Label1 = nullptr;

    // "Wersja 0.7.3 Kompilacja 02.05.2003".
    static std::string versionLine(int major, int minor, int revision);

protected:
    void createControls() override;
    void onLoad() override;
    void onUnload(bool& cancel) override;
};

}  // namespace dictionary
