#pragma once
// The update window "Aktualizacja": loading it runs the word-base update
// (WordBaseMerge) with its steps shown in Label1, then reloads the lookup
// window on the new base. It stays open, kept on top, until the user closes
// it; while it is loaded, loading it again runs nothing.
#include <string>

#include "forms/Form.h"

namespace forms {
class Label;
class ListBox;
}  // namespace forms

namespace dictionary {

class frmUpdate : public forms::Form {
public:
    frmUpdate();

    forms::Label* Label1 = nullptr;
    forms::ListBox* List1 = nullptr;  // the merged entry lines
    forms::ListBox* List2 = nullptr;  // the merged headwords

    // Whether the last load's update failed, and why (Windows-1250).
    bool failed() const { return failed_; }
    const std::string& failure() const { return failure_; }

    void Form_Load();

protected:
    void createControls() override;
    void onLoad() override { Form_Load(); }

private:
    void showStep(const std::string& step);
    bool failed_ = false;
    std::string failure_;
};

}  // namespace dictionary
