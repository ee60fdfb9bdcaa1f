#pragma once
// An open-file dialog as a component of its dialog (it holds a place in the
// dialog's creation order): its title, filter, starting folder and the file
// it was last closed with.
#include <string>

#include "forms/Component.h"

namespace forms {
class TextBox;
}

namespace pageeditor {

class FileChooser : public forms::Component {
public:
    FileChooser(forms::Form& form, std::string name, std::string filter, std::string title = {});
    std::string filter;
    std::string title;
    std::string initialDir;  // an editor name; empty for the dialog's own choice
    std::string fileName;    // the chosen file as an editor name
    // True when a file was chosen (then in fileName).
    bool execute();
    // Runs the dialog and, when a file was chosen, writes its name in `box`.
    void executeInto(forms::TextBox& box);
};

}  // namespace pageeditor
