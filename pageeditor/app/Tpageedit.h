#pragma once
// The settings of a site (Tpageedit): a new site, and the settings of the
// open one with the name field read-only. The fields are the keys of the
// site's project file; the dialog keeps what it showed last.
#include "pageeditor/core/Sites.h"
#include "pageeditor/dialogs/EditorDialog.h"

namespace forms {
class Label;
class SpeedButton;
class TextBox;
}  // namespace forms

namespace pageeditor {

class Tpageedit : public EditorDialog {
public:
    Tpageedit();

    forms::Label* Label1 = nullptr;
    forms::TextBox* Edit971 = nullptr;  // name (also the folder's name)
    forms::Label* Label2 = nullptr;
    forms::TextBox* Edit972 = nullptr;  // author
    forms::Label* Label3 = nullptr;
    forms::TextBox* Edit973 = nullptr;  // e-mail
    forms::Label* Label4 = nullptr;
    forms::TextBox* Edit974 = nullptr;  // FTP server
    forms::Label* Label5 = nullptr;
    forms::TextBox* Edit975 = nullptr;  // FTP user
    forms::Label* Label6 = nullptr;
    forms::TextBox* Edit976 = nullptr;  // FTP password, masked
    forms::Label* Label8 = nullptr;     // the password warning
    forms::Label* Label7 = nullptr;
    forms::TextBox* Edit977 = nullptr;  // remote folder
    forms::SpeedButton* SpeedButton1 = nullptr;  // OK (checks the name first)
    forms::SpeedButton* SpeedButton2 = nullptr;  // Cancel

    ProjectSettings fields() const;
    void setFields(const ProjectSettings& f);
    // The name field is read-only while the settings of the open site are edited.
    void setNameEditable(bool on);
    bool nameEditable() const { return nameEditable_; }
    // Before a new site: the name field editable and the password empty, so
    // that no site ever shows another site's password. The other fields keep
    // what the dialog showed last.
    void prepareForNewSite();

    // OK: closes with 1 once the name passes the site checks.
    void SpeedButton1Click();

protected:
    void createControls() override;
    void onKeyDown(int& keyCode, int shift) override;

private:
    bool nameEditable_ = true;
};

}  // namespace pageeditor
