#pragma once
// The scrolling-text dialog (Tmarquee): the text (HTML allowed), alignment,
// direction, behaviour, background colour, speed, delay, repetitions and the
// position box. The editor frame reads a selected marquee back into it and
// inserts the tag after OK. One form for the whole run.
#include <cstdint>
#include <string>

#include "pageeditor/dialogs/EditorDialog.h"
#include "pageeditor/dialogs/MediaMarkup.h"

namespace forms {
class CheckBox;
class ComboBox;
class Label;
class Panel;
class SpeedButton;
class TextBox;
}  // namespace forms

namespace pageeditor {

class ColourChooser;
class SpinEdit;

class Tmarquee : public EditorDialog {
public:
    Tmarquee();

    forms::Label* Label1 = nullptr;
    forms::TextBox* Edit1 = nullptr;  // the scrolling text
    forms::Label* Label2 = nullptr;
    forms::ComboBox* ComboBox1 = nullptr;  // ALIGN
    forms::Label* Label3 = nullptr;
    forms::ComboBox* ComboBox2 = nullptr;  // DIRECTION
    forms::Label* Label4 = nullptr;
    forms::ComboBox* ComboBox3 = nullptr;  // BEHAVIOR
    forms::Label* Label5 = nullptr;
    forms::Panel* Panel1 = nullptr;  // background colour box
    forms::SpeedButton* SpeedButton3 = nullptr;  // no colour
    forms::Label* Label6 = nullptr;
    SpinEdit* SpinEdit5 = nullptr;  // SCROLLAMOUNT
    forms::Label* Label7 = nullptr;
    SpinEdit* SpinEdit4 = nullptr;  // SCROLLDELAY
    forms::Label* Label8 = nullptr;
    SpinEdit* SpinEdit7 = nullptr;  // LOOP count
    forms::CheckBox* CheckBox1 = nullptr;  // endless loop
    forms::CheckBox* CheckBox3 = nullptr;  // position box
    forms::SpeedButton* SpeedButton1 = nullptr;  // OK
    forms::SpeedButton* SpeedButton2 = nullptr;  // Cancel
    ColourChooser* ColorDialog1 = nullptr;

    std::string Geometry;

    std::uint32_t colour() const;
    void setColour(std::uint32_t c);
    void setEndless(bool on);
    // The dialog's values as the tag takes them.
    MarqueeValues values() const;

    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void Panel1Click();
    void CheckBox1Click();

protected:
    void createControls() override;
    void onShow() override;
    void onKeyDown(int& keyCode, int shift) override;
};

}  // namespace pageeditor
