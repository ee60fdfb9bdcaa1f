#pragma once
// The page body dialog (Tbody): the background picture and colour and the
// colours of text, links, active and visited links, with a small preview.
// The editor frame fills it from the page's BODY element, shows it and, on
// OK, writes what attributes() gives. One form for the whole run; the
// components are in the order the language pack addresses them.
#include <cstdint>
#include <string>

#include "pageeditor/dialogs/EditorDialog.h"

namespace forms {
class CheckBox;
class Label;
class Panel;
class Shape;
class SpeedButton;
class TextBox;
}  // namespace forms

namespace pageeditor {

class ColourChooser;
class FileChooser;

class Tbody : public EditorDialog {
public:
    Tbody();

    forms::Shape* Bevel1 = nullptr;              // 0
    forms::SpeedButton* SpeedButton1 = nullptr;  // 1 OK
    forms::SpeedButton* SpeedButton2 = nullptr;  // 2 Cancel
    forms::Label* Label1 = nullptr;              // 3
    forms::SpeedButton* SpeedButton3 = nullptr;  // 4 browse for the picture
    forms::Label* Label2 = nullptr;              // 5
    forms::CheckBox* CheckBox1 = nullptr;        // 6 picture
    forms::CheckBox* CheckBox2 = nullptr;        // 7 background colour
    forms::Panel* Panel1 = nullptr;              // 8
    forms::CheckBox* CheckBox3 = nullptr;        // 9 text
    forms::Panel* Panel2 = nullptr;              // 10
    forms::CheckBox* CheckBox4 = nullptr;        // 11 links
    forms::Panel* Panel3 = nullptr;              // 12
    forms::CheckBox* CheckBox5 = nullptr;        // 13 active links
    forms::Panel* Panel4 = nullptr;              // 14
    forms::CheckBox* CheckBox6 = nullptr;        // 15 visited links
    forms::Panel* Panel5 = nullptr;              // 16
    forms::Panel* Panel6 = nullptr;              // 17 preview
    forms::Label* Label3 = nullptr;              // 18
    forms::Label* Label4 = nullptr;              // 19
    forms::Label* Label5 = nullptr;              // 20
    forms::Label* Label6 = nullptr;              // 21
    forms::TextBox* Edit1 = nullptr;             // 22 the picture
    FileChooser* OpenPictureDialog1 = nullptr;   // 23
    ColourChooser* ColorDialog1 = nullptr;       // 24

    // The background picture as the page names it, filled in by the caller
    // ("" for none): OK leaves that name as it is.
    std::string PagePicture;

    // What OK writes on the BODY element, in the order it is written.
    struct Attributes {
        std::string background;       // attribute "background"
        std::string styleBackground;  // the style's background
        std::string text, link, alink, vlink;
    };
    Attributes attributes() const;

    // A style background split into the picture of its url(...) (with
    // backslashes, as the picture field holds it; an address as it is) and
    // the colour beside it; either may be empty.
    struct StyleBackground {
        std::string picture, colour;
    };
    static StyleBackground splitStyleBackground(const std::string& style);
    // The style background of a colour (may be empty) and a picture (may be
    // empty): the picture's address with forward slashes, as a browser reads
    // it, behind the colour, so that both show.
    static std::string styleBackgroundOf(const std::string& colour, const std::string& picture);

    // Ticks or clears a box as the user does, so the enabling follows.
    void setBox(forms::CheckBox* box, bool ticked);
    // Sets a colour panel (1 to 5) and its preview.
    void setPanelColour(int panel, std::uint32_t colour);
    std::uint32_t panelColour(int panel) const;

    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void CheckBoxClick(int box);    // 1 to 6
    void PanelClick(int panel);     // 1 to 5
    // Published handlers that nothing uses.
    void FormShow() {}
    void SpeedButton4Click() {}
    void SpeedButton5Click() {}
    void SpeedButton6Click() {}

protected:
    void createControls() override;
    void onKeyDown(int& keyCode, int shift) override;

private:
    forms::CheckBox* box(int i) const;
    forms::Panel* panel(int i) const;
};

}  // namespace pageeditor
