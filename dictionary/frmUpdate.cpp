#include "dictionary/frmUpdate.h"

#include <exception>

#include "dictionary/Form1.h"
#include "dictionary/Program.h"
#include "dictionary/SetZOrder.h"
#include "dictionary/UpdateEndpoint.h"
#include "dictionary/WordBaseMerge.h"
#include "forms/Application.h"
#include "forms/Label.h"
#include "forms/ListBox.h"
#include "forms/ModalAnswers.h"
#include "text/CodePage.h"

namespace dictionary {

using namespace text::literals;

frmUpdate::frmUpdate() : forms::Form("frmUpdate") {}

void frmUpdate::createControls() {
    setCaption("Aktualizacja");
    setBorder(Border::Fixed);
    setMinButton(false);
    setMaxButton(false);
    setBackColor(forms::color::White);
    setClientSize(5400, 1260);

    Label1 = add<forms::Label>("Label1");
    Label1->move(180, 180, 5040, 900);
    Label1->setFont({"Arial", 12, true, true});
    Label1->setWordWrap(true);
    Label1->setTransparent(true);

    // Work lists of the merge, not meant for the user's eyes.
    List1 = add<forms::ListBox>("List1", nullptr, true);
    List1->move(0, 0, 15, 15);
    List1->setVisible(false);
    List2 = add<forms::ListBox>("List2", nullptr, true);
    List2->move(0, 0, 15, 15);
    List2->setVisible(false);
    centre();
}

void frmUpdate::showStep(const std::string& step) {
    Label1->setCaption(step);
    // Drawn before the next step; the user's input waits.
    forms::Application::processEventsWithoutInput();
}

void frmUpdate::fitLabel() {
    // The whole reason is shown, down to the server's address at its end: the
    // window grows to the text.
    const int needed = Label1->wrappedHeight();
    if (needed <= Label1->height()) return;
    const int grow = needed - Label1->height();
    Label1->resize(Label1->width(), needed);
    setClientSize(clientWidth(), clientHeight() + grow);
}

void frmUpdate::cancel() {
    if (!running_) return;
    cancelled_ = true;
    UpdateEndpoint::cancel();
}

void frmUpdate::onQueryUnload(bool& cancelUnload, bool) {
    if (!running_) return;
    // Closed while the update runs: it is cancelled, and the window goes
    // when the update is over.
    cancelUnload = true;
    closeAsked_ = true;
    cancel();
}

void frmUpdate::Form_Load() {
    failed_ = false;
    failure_.clear();
    cancelled_ = closeAsked_ = false;
    // 1. Shown, kept on top.
    show();
    SetZOrder(*this, 1);

    Program& p = Program::current();
    WordBaseMerge merge(p.folder());
    WordBaseMerge::Hooks hooks;
    hooks.fetch = [](const std::string& file) { return UpdateEndpoint::fetch(file); };
    hooks.fetchTo = [](const std::string& file, const std::filesystem::path& target) {
        UpdateEndpoint::fetchTo(file, target);
    };
    hooks.step = [this](const std::string& s) { showStep(s); };
    hooks.cancelled = [this] { return cancelled_; };
    hooks.maxIncrements = incrementsAhead_;
    incrementsAhead_ = 32767;
    // The busy pointer once the number is shown, while the files come and go.
    struct Busy {
        bool on = false;
        void start() {
            forms::Application::setBusy(true);
            on = true;
        }
        ~Busy() {
            if (on) forms::Application::setBusy(false);
        }
    } busy;
    hooks.announce = [&busy](std::int16_t m) {
        forms::modal().messageBox(std::to_string(m), "", forms::mb::OkOnly);
        busy.start();
    };
    struct Running {
        bool& flag;
        explicit Running(bool& f) : flag(f) { flag = true; }
        ~Running() { flag = false; }
    };
    try {
        Running running(running_);
        merge.run(hooks);
    } catch (const std::exception& e) {
        failed_ = true;
        failure_ = e.what();
        if (closeAsked_) {
            unload();
            return;
        }
        Label1->setCaption("Aktualizacja nie powiodła się, baza wyrazów pozostała bez zmian. "_w + failure_);
        fitLabel();
        forms::Application::processEventsWithoutInput();
        return;
    }
    List1->addItems(merge.entries());
    List2->addItems(merge.headwords());

    // The lookup window is built afresh on the new base.
    p.blnPrzeladowanie = true;
    p.form1().unload();
    p.form1().show();
    p.blnPrzeladowanie = false;
}

}  // namespace dictionary
