#pragma once
// The reverse-search window "Indeks polsko-niemiecki": a Polish word, one of
// three match modes, and the German headwords whose translations hold it.
// The first result is shown in the lookup window at once; Space in the
// result list steps through the others.
#include <cstdint>
#include <string>

#include "dictionary/ReverseSearch.h"
#include "forms/Form.h"

namespace forms {
class CommandButton;
class Frame;
class Label;
class ListBox;
class OptionButton;
class Shape;
class TextBox;
}  // namespace forms

namespace dictionary {

class Form2 : public forms::Form {
public:
    Form2();

    forms::Frame* Frame1 = nullptr;
    forms::TextBox* Text1 = nullptr;
    forms::Frame* Frame2 = nullptr;
    forms::ListBox* List1 = nullptr;
    forms::CommandButton* Command1 = nullptr;
    forms::CommandButton* Command2 = nullptr;
    forms::Frame* Frame3 = nullptr;
    forms::OptionButton* Option1 = nullptr;
    forms::OptionButton* Option2 = nullptr;
    forms::OptionButton* Option3 = nullptr;
    forms::Shape* Shape1 = nullptr;
    forms::Label* Label1 = nullptr;
    forms::Label* Label2 = nullptr;

    // Window state.
    std::string strSlowo;             // the word of the last search
    std::int16_t intKolejny = 0;      // the result the next Space shows

    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void List1_DblClick();
    void List1_KeyDown(int& keyCode, int shift);
    void Option1_DblClick();
    void Option2_DblClick();
    void Option3_DblClick();
    void Label1_Click();
    void Label1_MouseDown();
    void Label1_MouseMove();
    void Label1_MouseUp();
    void Form_MouseMove();

    // Shows a headword in the lookup window (loading it when needed).
    static void showInLookup(const std::string& headword);

protected:
    void createControls() override;
    void onLoad() override { Form_Load(); }
    void onMouseMove(int, int, float, float) override { Form_MouseMove(); }

private:
    ReverseSearch::Mode mode() const;
    void advise(const char* utf8);
};

}  // namespace dictionary
