#pragma once
// A caption on a form; often used as a command: it has click and mouse events.
#include "forms/Control.h"

namespace forms {

class Label : public Control {
public:
    Label(Form& form, std::string name, Control* container = nullptr);
    void setCaption(const std::string& caption);
    std::string caption() const;
    void setAlignment(Alignment a);
    Alignment alignment() const;
    // Transparent lets the form's picture show through (the default).
    void setTransparent(bool t);
    bool transparent() const;
    void setWordWrap(bool on);
    void setAutoSize(bool on);
    // The height the caption needs when it is wrapped at the label's width,
    // in the form's scale.
    int wrappedHeight() const;
    // With accelerator characters on, a "&" in the caption marks the access
    // key and is not shown ("&&" shows one "&"); off (the default) shows the
    // caption as it is.
    void setShowAccelChar(bool on);
    // "|" or "\n" in captions set with setCaption break lines as written.

private:
    std::string caption_;
    Alignment alignment_ = Alignment::Left;
    bool transparent_ = true;
    bool autoSize_ = false;
    bool accel_ = false;
};

}  // namespace forms
