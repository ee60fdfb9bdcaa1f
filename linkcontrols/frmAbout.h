#pragma once
// The library's own about window: a small form without a title bar with the
// library's title, its version, a rights notice and a home-page link, three
// gradient controls as decoration and as the handles by which the user drags
// the form, closed by a click on its background. Shown modally by ShowAbout
// of either control (Module.h).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "com/Control.h"
#include "com/PropertyBag.h"
#include "com/WindowFunctions.h"
#include "forms/Form.h"

namespace com {
class OleControl;
}
namespace forms {
class Control;
class Label;
class Timer;
}  // namespace forms

namespace linkcontrols {

class frmAbout final : public forms::Form {
public:
    static constexpr int kMouseOutInterval = 20;  // ms
    static const char* const kHomepage;
    static std::string rightsNotice();
    // "Version " with the major and minor number only.
    static std::string versionCaption(int major, int minor);
    // The stored entries of the three gradient controls (keys in lower case).
    static std::vector<com::PropertyBag::Entry> zorbShading2Properties();
    static std::vector<com::PropertyBag::Entry> shdMove1Properties();
    static std::vector<com::PropertyBag::Entry> shdMove0Properties();

    frmAbout();
    ~frmAbout() override;

    // The control whose ShowAbout shows the form: its site answers the shell
    // and lends its window functions; its window is the form's owner.
    void setCaller(com::IControlSite* site, com::WindowHandle window);
    com::IControlSite* caller() const { return site_; }
    // Centres the form on its owner's window, or on the screen without one.
    void placeOnOwner();

    com::OleControl* zorbShading2 = nullptr;
    com::OleControl* shdMove[2] = {nullptr, nullptr};
    forms::Timer* tmrMouseOut = nullptr;
    forms::Label* Label2 = nullptr;
    forms::Label* lblURL = nullptr;
    forms::Label* lblVersion = nullptr;
    forms::Label* Label1 = nullptr;
    forms::Label* lblTitel = nullptr;

    // Handlers.
    void Form_Load();
    void Form_Click();
    void Form_Unload();
    void Form_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void lblURL_Click();
    void lblURL_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void tmrMouseOut_Timer();
    void shdMove_MouseMove(int Index, std::int16_t Button, std::int16_t Shift, float X, float Y);
    // Whether the cursor lies in the control's rectangle, taken from the
    // form's outer position (bounds inclusive).
    bool IsMouseOverControl(forms::Control& K);

protected:
    void createControls() override;
    void onLoad() override { Form_Load(); }
    void onUnload(bool&) override { Form_Unload(); }
    void onClick() override { Form_Click(); }
    void onMouseMove(int button, int shift, float x, float y) override;

private:
    struct Sink;
    com::WindowFunctions& windows();
    com::OleControl* placeShading(const char* name, std::vector<com::PropertyBag::Entry> stored, int left,
                                     int top, int width, int height, int index);

    com::IControlSite* site_ = nullptr;
    com::WindowHandle owner_ = 0;
    std::vector<Sink*> sinks_;
};

}  // namespace linkcontrols
