#pragma once
// A text box, one line or several. Text is Windows-1250; positions count
// characters (one byte each). Characters typed or pasted that Windows-1250
// cannot hold are left out of the box.
#include "forms/Control.h"

namespace forms {

class TextBox : public Control {
public:
    enum class Kind { SingleLine, MultiLine };
    TextBox(Form& form, std::string name, Control* container = nullptr, Kind kind = Kind::SingleLine);

    // Replaces the text; the caret goes to its end. Setting the text the box
    // already holds changes nothing and raises no change event.
    void setText(const std::string& text);
    std::string text() const;
    int selStart() const;
    void setSelStart(int pos);  // clears the selection, puts the caret there
    int selLength() const;
    void setSelLength(int len);  // selects from selStart
    std::string selText() const;
    // Replaces the selection (or inserts at the caret) and puts the caret after it.
    void setSelText(const std::string& text);
    void setReadOnly(bool on);
    void setMaxLength(int n);
    void setPasswordChar(char c);
    void setAlignment(Alignment a);
    void setScrollBars(bool on);

    // Runs on every change of the text, by the user or by code.
    std::function<void()> onChange;

private:
    Kind kind_;
};

}  // namespace forms
