#pragma once
// A journal-record style keyboard hook over the program's own key input.
// Every key press that reaches any window of the program is handed, as an
// event-message record, to the installed hook procedures before the window
// sees it; the hooks cannot change or swallow it. Key codes are the
// platform's virtual-key codes (16 Shift, 17 Ctrl, 18 Alt, 20 Caps Lock,
// 'A' to 'Z', '0' to '9'); AltGr is reported as Ctrl followed by Alt.
// A key pressed while Alt is held without Ctrl is a system key-down.
#include <cstdint>
#include <functional>

namespace keyhook {

constexpr unsigned WM_KEYDOWN = 0x0100;
constexpr unsigned WM_SYSKEYDOWN = 0x0104;
constexpr int HC_ACTION = 0;
constexpr int WH_JOURNALRECORD = 0;

// The event-message record: message, first parameter (the virtual-key code
// in its low byte), second parameter, time in milliseconds, window.
struct EventMsg {
    unsigned message = 0;
    unsigned paramL = 0;
    unsigned paramH = 0;
    std::uint32_t time = 0;
    void* hwnd = nullptr;
};

// The hook procedure: hook code, the second argument (not used), the record.
using HookProc = std::function<long(int code, long wParam, const EventMsg* msg)>;

// Installs the procedure; the handle is never 0.
long SetWindowsHookEx(int hookType, HookProc proc);
// False for a handle that is not installed (0 included); harmless.
bool UnhookWindowsHookEx(long handle);
// The next hook's answer; there is none after ours, so 0.
long CallNextHookEx(long handle, int code, long wParam, const EventMsg* msg);

// Map type 2: the unshifted character of a virtual-key code ('L' for 'L'),
// 0 when the key gives none.
unsigned MapVirtualKey(unsigned code, unsigned mapType);
// Bit 0x8000: the key is down; bit 1: a toggle key (Caps Lock) is on.
unsigned short GetKeyState(int virtualKey);

// Runs `f` on the user-interface thread once the current event is handled.
void PostMessage(std::function<void()> f);

// For tests: hands a record to the installed hooks as a key press would.
void feed(const EventMsg& msg);

}  // namespace keyhook
