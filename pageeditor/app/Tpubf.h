#pragma once
// The publish dialog (Tpubf): the FTP server, user and password read from the
// site's project.prj each time it is shown (never written back), the
// automatic folder detection box (it keeps its state between showings) and
// the remote folder. OK (also Enter) needs a server and a user; "&Anuluj" and
// Esc cancel.
#include "pageeditor/dialogs/EditorDialog.h"

namespace forms {
class CheckBox;
class ComboBox;
class Label;
class SpeedButton;
class TextBox;
}  // namespace forms

namespace pageeditor {

class MessageList;
struct PublishSettings;

class Tpubf : public EditorDialog {
public:
    Tpubf();

    // Shows the dialog modally with the settings; true on OK, and the
    // settings then hold what the user typed. `messages` shows the OK check's
    // message.
    bool execute(PublishSettings& settings, const MessageList& messages);

    // Handlers.
    void CheckBox1Click();
    void SpeedButton1Click();  // OK: checks the fields, modal result 1
    void SpeedButton2Click();  // Cancel: modal result 2

    // Components, in the order the form creates them.
    forms::Label* Label2 = nullptr;
    forms::TextBox* Edit974 = nullptr;  // server
    forms::Label* Label3 = nullptr;
    forms::TextBox* Edit975 = nullptr;  // user
    forms::Label* Label4 = nullptr;
    forms::TextBox* Edit976 = nullptr;  // password, masked
    forms::Label* Label6 = nullptr;     // the note under the password
    forms::CheckBox* CheckBox1 = nullptr;
    forms::Label* Label8 = nullptr;
    forms::ComboBox* ComboBox1 = nullptr;
    forms::Label* Label5 = nullptr;
    forms::Label* Label1 = nullptr;
    forms::SpeedButton* SpeedButton1 = nullptr;
    forms::SpeedButton* SpeedButton2 = nullptr;

protected:
    void createControls() override;
    void onKeyDown(int& keyCode, int shift) override;

private:
    // What the fields hold, as settings.
    void readInto(PublishSettings& s) const;
    const MessageList* messages_ = nullptr;
};

}  // namespace pageeditor
