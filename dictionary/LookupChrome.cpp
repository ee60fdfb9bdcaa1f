#include "dictionary/LookupChrome.h"

#include "dictionary/Form1.h"
#include "dictionary/Program.h"
#include "forms/PictureBox.h"

namespace dictionary {

LookupChrome::LookupChrome() {
    // Closing the about window puts the caret into the search box.
    about_.onClosed = [this] {
        if (form_ && form_->isLoaded() && form_->Text1) form_->Text1->setFocus();
    };
}

LookupChrome::~LookupChrome() {
    about_.unload();
    abbreviations_.unload();
}

void LookupChrome::createControls(Form1& f) {
    form_ = &f;
    pichook = f.add<forms::PictureBox>("pichook");
    pichook->move(5085, 180, 465, 330);
    tray_ = std::make_unique<TrayIcon>(f, *pichook, Program::title());
    pichook->onMouseMove = [this](int b, int s, float x, float y) { pichook_MouseMove(b, s, x, y); };
    if (f.Image1) f.Image1->onClick = [this] { Image1_Click(); };
    if (f.Label2) f.Label2->onClick = [this] { Label2_Click(); };
    if (f.Label9) f.Label9->onClick = [this] { Label9_Click(); };
}

void LookupChrome::Image1_Click() {
    if (tray_) tray_->hideToTray();
}

void LookupChrome::pichook_MouseMove(int button, int shift, float x, float y) {
    if (tray_) tray_->pichook_MouseMove(button, shift, x, y);
}

void LookupChrome::Form_QueryUnload() {
    if (tray_) tray_->removeOnClose();
}

// Loaded on first use and shown modeless with no owner; an open window only
// comes to the front.
void LookupChrome::Label2_Click() { about_.show(); }
void LookupChrome::Label9_Click() { abbreviations_.show(); }

}  // namespace dictionary
