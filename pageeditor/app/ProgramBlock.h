#pragma once
// The program block of the editor: initialises the application, sets the
// title "Sitecraft", creates the main window and then the dialogs in their
// fixed order, and runs the message loop until the main window closes.
namespace pageeditor {

int runPagewright(int argc, char** argv);

}  // namespace pageeditor
