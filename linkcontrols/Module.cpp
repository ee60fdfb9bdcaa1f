#include "linkcontrols/Module.h"

#include <cmath>
#include <cstdint>
#include <memory>

#include "com/Control.h"
#include "linkcontrols/frmAbout.h"
#include "shell/Shell.h"

namespace linkcontrols {

namespace {
// The desktop's working folder for the opened program: the file system's root.
const char* const kDirectory = "/";

std::shared_ptr<frmAbout>& aboutForm() {
    static std::shared_ptr<frmAbout> form;
    return form;
}
}  // namespace

std::int32_t roundEven(double v) {
    const double r = std::nearbyint(v);
    if (std::isnan(r)) return 0;
    if (r < -2147483648.0) return INT32_MIN;
    if (r > 2147483647.0) return INT32_MAX;
    return static_cast<std::int32_t>(r);
}

int ShellOpen(com::IControlSite* site, std::string& target) {
    if (site) return site->shellExecute("Open", target, "", kDirectory, shell::kShowNormal);
    return shell::execute("Open", target, "", kDirectory, shell::kShowNormal);
}

void showLibraryAbout(com::IControlSite* site, com::WindowHandle caller) {
    auto& ref = aboutForm();
    if (!ref) ref = std::make_shared<frmAbout>();
    // The form object lives until its showing returns, even when its unload
    // clears the reference meanwhile.
    std::shared_ptr<frmAbout> form = ref;
    if (form->visible()) return;
    // However the showing ends (closed by its own click, by the system's
    // close command, or by an error on the way), the form does not stay
    // loaded: its unload clears the reference, and the next ShowAbout makes
    // a new one.
    struct Done {
        frmAbout& f;
        ~Done() {
            if (f.isLoaded()) f.unload();
            f.setCaller(nullptr, 0);
        }
    } done{*form};
    form->setCaller(site, caller);
    form->load();
    form->placeOnOwner();
    form->showModal();
}

frmAbout* libraryAbout() { return aboutForm().get(); }

void clearLibraryAbout() { aboutForm().reset(); }

void forgetLibraryAboutCaller(com::IControlSite* site) {
    if (frmAbout* f = aboutForm().get(); f && f->caller() == site) f->setCaller(nullptr, 0);
}

}  // namespace linkcontrols
