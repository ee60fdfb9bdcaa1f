#include "pageeditor/app/Tprog.h"

#include "forms/Animation.h"
#include "forms/Application.h"
#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/ProgressBar.h"
#include "forms/WindowOrder.h"
#include "pageeditor/dialogs/HandlerGuard.h"
#include "pageeditor/app/TMainForm.h"
#include "pageeditor/publish/Publisher.h"
#include "text/CodePage.h"

namespace pageeditor {

Tprog::Tprog() : EditorDialog("Tprog", text::ansi("Postęp:"), 400, 196, EditorDialog::NoKeys) {}

Tprog::~Tprog() = default;

std::string Tprog::uploadHeading() { return text::ansi("Trwa instalowanie serwisu na serwerze FTP:"); }

Publisher& Tprog::IdFTP1(const MessageList& messages) {
    if (!publisher_) publisher_ = std::make_unique<Publisher>(messages);
    return *publisher_;
}

void Tprog::createControls() {
    using namespace forms;
    using text::ansi;
    Label1 = add<Label>("Label1");
    Label1->move(12, 10, 376, 18);
    Label1->setCaption(uploadHeading());
    Animate1 = add<Animation>("Animate1");
    Animate1->move(100, 32, 200, 50);
    Label2 = add<Label>("Label2");
    Label2->move(12, 90, 110, 18);
    Label2->setCaption(ansi("Kopiowanie pliku:"));
    Label7 = add<Label>("Label7");
    Label7->move(124, 90, 264, 18);
    Label7->setCaption("");
    ProgressBar1 = add<ProgressBar>("ProgressBar1");
    ProgressBar1->move(12, 114, 376, 16);
    ProgressBar1->setMax(0);
    ProgressBar2 = add<ProgressBar>("ProgressBar2");
    ProgressBar2->move(12, 136, 376, 16);
    ProgressBar2->setMax(0);
    Button1 = add<CommandButton>("Button1");
    Button1->move(154, 160, 92, 28);
    Button1->setCaption("&Anuluj");
    Button1->onClick = guarded([this] { Button1Click(); });
}

void Tprog::onLoad() {
    EditorDialog::onLoad();
    forms::setWindowOrder(*this, forms::WindowOrder::Topmost);
}

void Tprog::setHeading(const std::string& heading) {
    load();
    Label1->setCaption(heading);
}

void Tprog::Button1Click() {
    cancelled = true;
    // A job closes the window itself once the steps it still has to end
    // are over; till then the main window stays disabled.
    if (cancelJob)
        cancelJob();
    else
        close();
}

void Tprog::onQueryUnload(bool& cancel, bool fromUser) {
    if (!fromUser) return;
    // The window stays loaded (its bars and the client live on); the close
    // box only ever hides it.
    cancel = true;
    if (cancelled) {
        if (!cancelJob) close();
        return;
    }
    bool stop = true;
    runHandler([&] { stop = confirmClose ? confirmClose() : true; });
    if (stop) Button1Click();
}

void Tprog::open(std::int64_t totalBytes) {
    load();
    cancelled = false;
    ProgressBar2->setMax(totalBytes);
    ProgressBar2->setPosition(0);
    ProgressBar1->setMax(0);
    ProgressBar1->setPosition(0);
    Label7->setCaption("");
    Animate1->setActive(true);
    if (TMainForm* m = MainForm()) m->setEnabled(false);
    show();
    forms::Application::processEvents();
}

void Tprog::showFile(const std::string& name) {
    forms::Application::processEvents();
    if (Label7) Label7->setCaption(name);
}

void Tprog::fileBegin(std::int64_t expected) {
    if (ProgressBar1) ProgressBar1->setMax(expected > 0 ? expected : 0);
}

void Tprog::fileBytes(std::int64_t soFar, std::int64_t jobSoFar) {
    forms::Application::processEvents();
    if (!ProgressBar1) return;
    ProgressBar2->setPosition(jobSoFar);
    ProgressBar1->setPosition(soFar);
}

void Tprog::fileEnd() {
    if (ProgressBar1) ProgressBar1->setPosition(0);
}

void Tprog::close() {
    if (Animate1) Animate1->setActive(false);
    hide();
    if (TMainForm* m = MainForm()) m->setEnabled(true);
}

}  // namespace pageeditor
