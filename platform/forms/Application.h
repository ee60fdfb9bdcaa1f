#pragma once
// The running program: the widget toolkit, the program's title and folder,
// the busy pointer, the screen, and ending the program. Creating it installs
// the widget answers (real message boxes and dialogs) as forms::modal() and
// the toolkit's own Polish texts, so its standard dialogs speak Polish.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/Types.h"

namespace forms {

class Form;

class Application {
public:
    Application(int& argc, char** argv);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Runs the event loop until end() or the last window closes.
    int run();
    static void processEvents();
    // Lets the windows repaint and timers run, holding the user's keys and
    // clicks back (for a step shown while the program is busy).
    static void processEventsWithoutInput();

    // Ends the program at once: every window closes without its unload
    // handlers, and run() returns. Tests read endRequested() instead.
    static void end();
    static bool endRequested();
    static void clearEndRequest();

    // Folder of the executable, as a file-system path ending without a slash.
    static std::string programFolder();
    // The title a message box without a title of its own carries (Windows-1250).
    static void setTitle(const std::string& title);
    static std::string title();

    // The busy pointer over every window of the program.
    static void setBusy(bool busy);

    static int screenWidth(Scale s = Scale::Twips);
    static int screenHeight(Scale s = Scale::Twips);

    // Every form object of the program, loaded or not.
    static std::vector<Form*> forms();

    // Runs `f` as the application object goes, while the widget toolkit
    // still works (last registered first, each once): parts whose objects
    // must not outlive the toolkit release them here.
    static void atShutdown(std::function<void()> f);

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace forms
