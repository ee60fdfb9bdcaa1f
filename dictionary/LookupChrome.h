#pragma once
// What the lookup window adds for its tray icon and its two small windows:
// the picture box pichook that hears the icon, the handlers of Image1
// (hide to the tray), Label2 ("O programie") and Label9 ("Skróty"), and the
// removal of the icon when the window closes. The lookup window keeps one
// for its whole life and calls createControls at the end of its own
// createControls and Form_QueryUnload from its query-unload handler.
#include <memory>

#include "dictionary/Form3.h"
#include "dictionary/TrayIcon.h"
#include "dictionary/frmAbout.h"

namespace forms {
class PictureBox;
}

namespace dictionary {

class Form1;

class LookupChrome {
public:
    LookupChrome();
    ~LookupChrome();

    void createControls(Form1& f);

    void Image1_Click();
    void pichook_MouseMove(int button, int shift, float x, float y);
    void Form_QueryUnload();
    void Label2_Click();
    void Label9_Click();

    forms::PictureBox* pichook = nullptr;
    TrayIcon* tray() { return tray_.get(); }
    frmAbout& about() { return about_; }
    Form3& abbreviations() { return abbreviations_; }

private:
    Form1* form_ = nullptr;
    std::unique_ptr<TrayIcon> tray_;
    frmAbout about_;
    Form3 abbreviations_;
};

}  // namespace dictionary
