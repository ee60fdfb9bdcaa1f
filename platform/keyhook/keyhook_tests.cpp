// The keyboard hook over the program's key input: what a hook procedure
// sees of the keys a user presses in a window of the program.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <vector>

#include "keyhook/KeyboardHook.h"

namespace {

struct Seen {
    unsigned message, key;
    bool shift;
};

QApplication& app() {
    static int argc = 1;
    static char arg0[] = "keyhook_tests";
    static char* argv[] = {arg0, nullptr};
    static QApplication* a = new QApplication(argc, argv);
    return *a;
}

TEST(KeyboardHook, KeyPressesReachTheHookAsTheyReachTheWindow) {
    app();
    QLineEdit edit;
    edit.show();
    std::vector<Seen> seen;
    long h = keyhook::SetWindowsHookEx(keyhook::WH_JOURNALRECORD, [&](int code, long, const keyhook::EventMsg* m) {
        EXPECT_EQ(code, keyhook::HC_ACTION);
        seen.push_back({m->message, m->paramL, (keyhook::GetKeyState(16) & 0x8000) != 0});
        return 0L;
    });
    ASSERT_NE(h, 0);

    struct Case {
        const char* name;
        Qt::KeyboardModifiers modifiers;
        std::vector<std::pair<unsigned, unsigned>> messages;  // message, key
        bool shiftAtL;
    } cases[] = {
        {"Ctrl+Alt+L", Qt::ControlModifier | Qt::AltModifier,
         {{keyhook::WM_KEYDOWN, 17}, {keyhook::WM_KEYDOWN, 18}, {keyhook::WM_KEYDOWN, 'L'}}, false},
        {"Alt+L is a system key", Qt::AltModifier, {{keyhook::WM_KEYDOWN, 18}, {keyhook::WM_SYSKEYDOWN, 'L'}}, false},
        {"Shift+L", Qt::ShiftModifier, {{keyhook::WM_KEYDOWN, 16}, {keyhook::WM_KEYDOWN, 'L'}}, true},
        {"L", Qt::NoModifier, {{keyhook::WM_KEYDOWN, 'L'}}, false},
    };
    for (const auto& c : cases) {
        seen.clear();
        // The modifier keys go down before the letter and up after it.
        QTest::keyClick(&edit, Qt::Key_L, c.modifiers);
        ASSERT_EQ(seen.size(), c.messages.size()) << c.name;
        for (std::size_t i = 0; i < seen.size(); ++i) {
            EXPECT_EQ(seen[i].message, c.messages[i].first) << c.name << " " << i;
            EXPECT_EQ(seen[i].key, c.messages[i].second) << c.name << " " << i;
        }
        EXPECT_EQ(seen.back().shift, c.shiftAtL) << c.name;
        EXPECT_EQ(keyhook::GetKeyState(16) & 0x8000, 0) << "keys are up again after " << c.name;
    }
    // AltGr+Shift+L with Shift held first: the right Alt key then comes as
    // Meta (X key code 108), and is Alt all the same.
    seen.clear();
    auto send = [&](QEvent::Type type, int key, Qt::KeyboardModifiers mods, quint32 scanCode) {
        QKeyEvent ev(type, key, mods, scanCode, 0, 0);
        QApplication::sendEvent(&edit, &ev);
    };
    const Qt::KeyboardModifiers all = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    send(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, 50);
    send(QEvent::KeyPress, Qt::Key_Control, Qt::ShiftModifier | Qt::ControlModifier, 37);
    send(QEvent::KeyPress, Qt::Key_Meta, all, 108);
    send(QEvent::KeyPress, Qt::Key_L, all, 46);
    ASSERT_EQ(seen.size(), 4u);
    const unsigned expected[] = {16, 17, 18, 'L'};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(seen[i].key, expected[i]) << i;
        EXPECT_EQ(seen[i].message, unsigned(keyhook::WM_KEYDOWN)) << i;
    }
    EXPECT_TRUE(seen.back().shift);
    send(QEvent::KeyRelease, Qt::Key_L, all, 46);
    send(QEvent::KeyRelease, Qt::Key_Meta, all, 108);
    EXPECT_EQ(keyhook::GetKeyState(18) & 0x8000, 0);
    send(QEvent::KeyRelease, Qt::Key_Control, Qt::ShiftModifier | Qt::ControlModifier, 37);
    send(QEvent::KeyRelease, Qt::Key_Shift, Qt::ShiftModifier, 50);
    // A Meta key of its own is no Alt.
    seen.clear();
    send(QEvent::KeyPress, Qt::Key_Meta, Qt::MetaModifier, 133);
    EXPECT_TRUE(seen.empty());
    send(QEvent::KeyRelease, Qt::Key_Meta, Qt::NoModifier, 133);

    EXPECT_EQ(keyhook::MapVirtualKey('L', 2), 'L');
    EXPECT_EQ(keyhook::MapVirtualKey(17, 2), 0u);

    // Caps Lock toggles.
    EXPECT_EQ(keyhook::GetKeyState(20) & 1, 0);
    QTest::keyClick(&edit, Qt::Key_CapsLock);
    EXPECT_EQ(keyhook::GetKeyState(20) & 1, 1);
    QTest::keyClick(&edit, Qt::Key_CapsLock);
    EXPECT_EQ(keyhook::GetKeyState(20) & 1, 0);

    // Removed: no more calls; removing again, or removing nothing, is harmless.
    EXPECT_TRUE(keyhook::UnhookWindowsHookEx(h));
    seen.clear();
    QTest::keyClick(&edit, Qt::Key_L);
    EXPECT_TRUE(seen.empty());
    EXPECT_FALSE(keyhook::UnhookWindowsHookEx(h));
    EXPECT_FALSE(keyhook::UnhookWindowsHookEx(0));
}

}  // namespace
