#include "pageeditor/app/LStrokeHook.h"

#include "pageeditor/app/TMainForm.h"

namespace pageeditor {

namespace {

struct KeyWord {
    unsigned key;
    const char* word;
};
constexpr KeyWord kKeyWords[] = {{17, "$ctl"}, {18, "$alt"}};

constexpr int kCapsLock = 20, kShift = 16;

}  // namespace

LStrokeHook::LStrokeHook() {
    mapVirtualKey = [](unsigned code, unsigned type) { return keyhook::MapVirtualKey(code, type); };
    getKeyState = [](int key) { return keyhook::GetKeyState(key); };
    postLStroke = [](int wParam) {
        keyhook::PostMessage([wParam] {
            if (TMainForm* main = MainForm()) main->WMPolishLetter(wParam);
        });
    };
}

long LStrokeHook::KeyHookProc(int code, long wParam, const keyhook::EventMsg* msg) {
    if (code != keyhook::HC_ACTION) return keyhook::CallNextHookEx(handle, code, wParam, msg);
    if (!msg) return 0;
    keyhook::EventMsg m = *msg;
    if (m.message != keyhook::WM_KEYDOWN) return 0;

    const unsigned vk = m.paramL & 0xFF;
    bool word = false;
    for (const KeyWord& k : kKeyWords)
        if (vk == k.key) {
            key_buffer += k.word;
            word = true;
        }

    unsigned c = mapVirtualKey(m.paramL, 2);
    if (c == 0) c = vk;
    // Without Caps Lock and Shift the letter is small.
    if ((getKeyState(kCapsLock) & 1) == 0 && (getKeyState(kShift) & 0x8000) == 0 && c >= 'A' && c <= 'Z')
        c = c - 'A' + 'a';
    if (!word) key_buffer += static_cast<char>(c);

    const bool small = key_buffer.find("$altl") != std::string::npos;
    if (small || key_buffer.find("$altL") != std::string::npos) {
        key_buffer.clear();
        if (postLStroke) postLStroke(small ? 0 : 1);
    } else if (key_buffer.size() > 1000) {
        key_buffer.clear();
    }
    return 0;
}

bool LStrokeHook::install() {
    if (handle == 0)
        handle = keyhook::SetWindowsHookEx(keyhook::WH_JOURNALRECORD,
                                           [this](int code, long w, const keyhook::EventMsg* msg) {
                                               return KeyHookProc(code, w, msg);
                                           });
    return handle != 0;
}

void LStrokeHook::remove() {
    keyhook::UnhookWindowsHookEx(handle);
    handle = 0;
}

LStrokeHook& lstrokeHook() {
    static LStrokeHook hook;
    return hook;
}

}  // namespace pageeditor
