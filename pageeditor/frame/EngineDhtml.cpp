#include "pageeditor/frame/EngineDhtml.h"

#include "forms/Form.h"
#include "htmledit/EditHost.h"
#include "htmledit/Error.h"

namespace pageeditor {

EngineDhtml::EngineDhtml(htmledit::EditHost& host) : host_(host), ctl_(host.control()) {}

std::unique_ptr<DhtmlControl> EngineDhtml::create(forms::Form& form, forms::Control* container,
                                                  forms::Control*& component) {
    auto* host = form.add<htmledit::EditHost>("DHTML", container);
    component = host;
    return std::make_unique<EngineDhtml>(*host);
}

void EngineDhtml::ExecCommand(int command, int option, const htmledit::Value& input, htmledit::Value* output) {
    ctl_.execCommand(command, option, input, output);
}
int EngineDhtml::QueryStatus(int command) { return ctl_.queryStatus(command); }
void EngineDhtml::NewDocument() { ctl_.newDocument(); }
bool EngineDhtml::LoadDocument(const std::string& path, bool prompt) { return ctl_.loadDocument(path, prompt); }
bool EngineDhtml::SaveDocument(const std::string& path, bool prompt) { return ctl_.saveDocument(path, prompt); }
std::string EngineDhtml::DocumentHTML() { return ctl_.documentHTML(); }
bool EngineDhtml::isDirty() { return ctl_.isDirty(); }
void EngineDhtml::focus() { ctl_.focus(); }
void EngineDhtml::screenRect(int& x, int& y, int& width, int& height) { host_.screenRect(x, y, width, height); }

htmledit::Value EngineDhtml::queryCommandValue(const std::string& name) {
    return ctl_.dom().selection().createRange().queryCommandValue(name);
}
void EngineDhtml::execCommand(const std::string& name, const htmledit::Value& value) {
    ctl_.dom().execCommand(name, false, value);
}
std::string EngineDhtml::selectionType() { return ctl_.dom().selection().type(); }
void EngineDhtml::pasteHTML(const std::string& html) { ctl_.dom().selection().createRange().pasteHTML(html); }
void EngineDhtml::replaceSelectedElement(const std::string& html) {
    ctl_.dom().selection().createRange().commonParentElement().setOuterHTML(html);
}

// The document offers its command target once it is loaded.
bool EngineDhtml::hasCommandTarget() { return ctl_.documentReady(); }
int EngineDhtml::execOle(htmledit::CommandGroup group, int command, int option, const htmledit::Value& input,
                         htmledit::Value* output) {
    return ctl_.dom().commandTarget().exec(group, command, option, input, output);
}
int EngineDhtml::queryOle(htmledit::CommandGroup group, int command) {
    return ctl_.dom().commandTarget().queryStatus(group, command);
}
htmledit::Events& EngineDhtml::events() { return ctl_.events(); }
htmledit::EditControl* EngineDhtml::engine() { return &ctl_; }

}  // namespace pageeditor
