#pragma once
// The update window "Aktualizacja": loading it runs the word-base update
// (WordBaseMerge) with its steps shown in Label1, then reloads the lookup
// window on the new base. It stays open, kept on top, until the user closes
// it; while it is loaded, loading it again runs nothing.
//
// The update is synchronous: while it runs the program's windows take no
// keys or clicks. Closing this window (or the lookup window) meanwhile
// cancels it: the request under way ends, the update fails with the base as
// it was, and the window closes once the update is over.
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

    // True while the update runs.
    bool running() const { return running_; }
    // Ends the running update as failed, the base as it was.
    void cancel();
    bool cancelled() const { return cancelled_; }
    // How many increments the server can have beyond ours, as its count of
    // headwords says, for the next load.
    void setIncrementsAhead(int n) { incrementsAhead_ = n; }

protected:
    void createControls() override;
    void onLoad() override { Form_Load(); }
    void onQueryUnload(bool& cancel, bool fromUser) override;

private:
    void showStep(const std::string& step);
    void fitLabel();
    bool failed_ = false;
    bool running_ = false, cancelled_ = false, closeAsked_ = false;
    int incrementsAhead_ = 32767;
    std::string failure_;
};

}  // namespace dictionary
