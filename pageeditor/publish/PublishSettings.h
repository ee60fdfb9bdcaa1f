#pragma once
// What the publish dialog holds: the server, the user, the password and the
// remote folder, filled from the site's project.prj each time the dialog is
// shown and never written back. The automatic folder detection box keeps its
// state between showings (ticked when the program starts).
#include <string>
#include <vector>

namespace pageeditor {

class MessageList;

struct PublishSettings {
    std::string host;
    std::string user;
    std::string password;
    bool autoDetect = true;  // CheckBox1 "Automatyczne wykrywanie katalogu, lub:"
    std::string folder;      // the text of ComboBox1

    // Reads host, user, pass and dir of app_dir + "webpages\" + site +
    // "\project.prj" (section [project]); the folder text changes only when
    // dir is not empty. The file is only read.
    void load(const std::string& appDir, const std::string& site);

    // The OK check of the dialog: server and user must be given, else the
    // message is shown and the dialog stays open (false).
    bool accept(const MessageList& messages) const;

    // The items of the folder list.
    static std::vector<std::string> folderItems();
    // Label8, Label5, Label1 and ComboBox1 are enabled exactly when the
    // detection box is not ticked.
    bool folderControlsEnabled() const { return !autoDetect; }
};

}  // namespace pageeditor
