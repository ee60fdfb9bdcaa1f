#pragma once
// The l-stroke keyboard hook: with an old browser engine the main window
// watches the program's keys and turns AltGr+L (Ctrl+Alt+L) into ł, and
// AltGr+L with Shift or Caps Lock into Ł, typed at the caret of the active
// page while the pointer is over its editing area. The hook procedure only
// recognises the keys and posts WM_LSTROKE; the main window's handler
// (TMainForm::WMPolishLetter) inserts the letter.
#include <functional>
#include <string>

#include "keyhook/KeyboardHook.h"

namespace pageeditor {

// The private message of the main window: first parameter 0 for ł, 1 for Ł.
constexpr int WM_LSTROKE = 1234;
// The letters, as Windows-1250 bytes (the same in ISO-8859-2).
constexpr char kSmallLStroke = '\xB3';
constexpr char kCapitalLStroke = '\xA3';

class LStrokeHook {
public:
    LStrokeHook();

    // The recent key words ("$ctl", "$alt") and characters; cleared after a
    // match and when it grows past 1000 characters.
    std::string key_buffer;
    // The installed hook, 0 when none.
    long handle = 0;

    // What the hook procedure asks of the platform; tests replace them.
    std::function<unsigned(unsigned code, unsigned mapType)> mapVirtualKey;
    std::function<unsigned short(int virtualKey)> getKeyState;
    // Posts WM_LSTROKE with its first parameter to the main window.
    std::function<void(int wParam)> postLStroke;

    long KeyHookProc(int code, long wParam, const keyhook::EventMsg* msg);

    // Installs the hook once; true when it is installed.
    bool install();
    // Removing a hook that was never installed is harmless.
    void remove();
};

// The program's one hook.
LStrokeHook& lstrokeHook();

}  // namespace pageeditor
