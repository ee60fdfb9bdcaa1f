// The l-stroke hook procedure: which key sequences post WM_LSTROKE, and
// what they leave in the key buffer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pageeditor/app/LStrokeHook.h"

using namespace pageeditor;

namespace {

// One key press of a sequence: its message and virtual-key code, and
// whether Shift is held and Caps Lock is on at the time.
struct Key {
    unsigned message;
    unsigned vk;
    bool shift = false;
    bool caps = false;
};

constexpr unsigned Down = keyhook::WM_KEYDOWN, SysDown = keyhook::WM_SYSKEYDOWN;

struct Outcome {
    std::vector<int> posted;
    std::string buffer;
};

Outcome run(const std::vector<Key>& keys, int code = keyhook::HC_ACTION) {
    LStrokeHook hook;
    Outcome r;
    const Key* now = nullptr;
    hook.mapVirtualKey = [](unsigned vk, unsigned type) -> unsigned {
        EXPECT_EQ(type, 2u);
        return (vk >= 'A' && vk <= 'Z') ? vk : 0;
    };
    hook.getKeyState = [&](int vk) -> unsigned short {
        if (vk == 16) return now && now->shift ? 0x8000 : 0;
        if (vk == 20) return now && now->caps ? 1 : 0;
        return 0;
    };
    hook.postLStroke = [&](int w) { r.posted.push_back(w); };
    for (const Key& k : keys) {
        now = &k;
        keyhook::EventMsg m;
        m.message = k.message;
        m.paramL = k.vk;
        EXPECT_EQ(hook.KeyHookProc(code, 0, &m), 0);
    }
    r.buffer = hook.key_buffer;
    return r;
}

}  // namespace

TEST(LStrokeKeys, AltGrLPostsTheLetterOtherSequencesNothing) {
    struct Case {
        const char* name;
        std::vector<Key> keys;
        std::vector<int> posted;
        const char* buffer;
    } cases[] = {
        {"AltGr+L", {{Down, 17}, {Down, 18}, {Down, 'L'}}, {0}, ""},
        {"Shift pressed after AltGr breaks it", {{Down, 17}, {Down, 18}, {Down, 16, true}, {Down, 'L', true}}, {}, "$ctl$alt\x10L"},
        {"AltGr+L with Shift held", {{Down, 17}, {Down, 18}, {Down, 'L', true}}, {1}, ""},
        {"AltGr+L with Caps Lock", {{Down, 17}, {Down, 18}, {Down, 'L', false, true}}, {1}, ""},
        {"plain Alt+L is a system key", {{Down, 18}, {SysDown, 'L'}}, {}, "$alt"},
        {"a key in between", {{Down, 17}, {Down, 18}, {Down, 'K'}, {Down, 'L'}}, {}, "$ctl$altkl"},
        {"typed text", {{Down, 'A'}, {Down, 'L'}}, {}, "al"},
        {"twice", {{Down, 17}, {Down, 18}, {Down, 'L'}, {Down, 17}, {Down, 18}, {Down, 'L', true}}, {0, 1}, ""},
        {"a key without a character", {{Down, 0x70}}, {}, "p"},
    };
    for (const auto& c : cases) {
        Outcome r = run(c.keys);
        EXPECT_EQ(r.posted, c.posted) << c.name;
        EXPECT_EQ(r.buffer, c.buffer) << c.name;
    }
}

TEST(LStrokeKeys, LongTypingClearsTheBufferAndOtherHookCodesPassOn) {
    std::vector<Key> many(1001, Key{Down, 'A'});
    Outcome r = run(many);
    EXPECT_TRUE(r.posted.empty());
    EXPECT_EQ(r.buffer, "");
    many.pop_back();
    EXPECT_EQ(run(many).buffer.size(), 1000u);

    Outcome passed = run({{Down, 17}, {Down, 18}, {Down, 'L'}}, 1);
    EXPECT_TRUE(passed.posted.empty());
    EXPECT_EQ(passed.buffer, "");
}
