#pragma once
// The editor frame's control on the browser engine: the editing control
// placed on the frame as its component `DHTML`.
#include <memory>
#include <string>

#include "pageeditor/frame/DhtmlControl.h"

namespace forms {
class Control;
class Form;
}  // namespace forms

namespace htmledit {
class EditHost;
}

namespace pageeditor {

class EngineDhtml : public DhtmlControl {
public:
    explicit EngineDhtml(htmledit::EditHost& host);

    // Makes the component `DHTML` in `container` and its control.
    static std::unique_ptr<DhtmlControl> create(forms::Form& form, forms::Control* container,
                                                forms::Control*& component);

    void ExecCommand(int command, int option, const htmledit::Value& input, htmledit::Value* output) override;
    int QueryStatus(int command) override;
    void NewDocument() override;
    bool LoadDocument(const std::string& path, bool prompt) override;
    bool SaveDocument(const std::string& path, bool prompt) override;
    std::string DocumentHTML() override;
    bool isDirty() override;
    void focus() override;
    void screenRect(int& x, int& y, int& width, int& height) override;
    htmledit::Value queryCommandValue(const std::string& name) override;
    void execCommand(const std::string& name, const htmledit::Value& value) override;
    std::string selectionType() override;
    void pasteHTML(const std::string& html) override;
    void replaceSelectedElement(const std::string& html) override;
    bool hasCommandTarget() override;
    int execOle(htmledit::CommandGroup group, int command, int option, const htmledit::Value& input,
                htmledit::Value* output) override;
    int queryOle(htmledit::CommandGroup group, int command) override;
    htmledit::Events& events() override;
    htmledit::EditControl* engine() override;

private:
    htmledit::EditHost& host_;
    htmledit::EditControl& ctl_;
};

}  // namespace pageeditor
