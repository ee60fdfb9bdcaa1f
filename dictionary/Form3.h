#pragma once
// The abbreviation window: the subject and style abbreviations that entries use.
#include <string>
#include <vector>

#include "forms/Form.h"

namespace forms {
class Label;
class ListBox;
}  // namespace forms

namespace dictionary {

class Form3 : public forms::Form {
public:
    Form3();

    forms::Label* Label1 = nullptr;
    forms::ListBox* List1 = nullptr;

    // The 21 items stored with the window (Windows-1250).
    static std::vector<std::string> abbreviations();

protected:
    void createControls() override;
    void onLoad() override;
};

}  // namespace dictionary
