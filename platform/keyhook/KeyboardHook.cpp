#include "keyhook/KeyboardHook.h"

#include <QApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <map>
#include <memory>

namespace keyhook {

namespace {

// The state of the keys as the filter has seen them.
struct KeyState {
    bool shift = false, ctrl = false, alt = false, caps = false;
};

KeyState& keys() {
    static KeyState k;
    return k;
}

std::map<long, HookProc>& hooks() {
    static std::map<long, HookProc> h;
    return h;
}

// The X key codes of the left and right Alt keys.
constexpr quint32 kLeftAlt = 64, kRightAlt = 108;

// An Alt key gives Meta instead of Alt when Shift is held first (so the
// common keyboard layouts of the X window system have it); it is still Alt.
int keyOf(const QKeyEvent* k) {
    if (k->key() == Qt::Key_Meta && (k->nativeScanCode() == kLeftAlt || k->nativeScanCode() == kRightAlt))
        return Qt::Key_Alt;
    return k->key();
}

// The virtual-key code of a key of the toolkit; 0 for keys the hook has no
// code for.
unsigned virtualKeyOf(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<unsigned>('A' + (key - Qt::Key_A));
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<unsigned>('0' + (key - Qt::Key_0));
    switch (key) {
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Space: return 32;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Escape: return 27;
    default: return 0;
    }
}

// Whether the object is one of the application's windows, found by its
// address among them.
bool isWindow(const QObject* o) {
    for (const QWidget* top : QApplication::topLevelWidgets())
        if (top == o) return true;
    return false;
}

class Filter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease) return false;
        // A key event travels from the focus widget up to its window: take it
        // once, at the focus widget (or at the window when nothing has the
        // focus). The watched object is only compared, never asked: the web
        // engine's own items pass through here too, and their types are not
        // ours to inspect.
        QWidget* focus = QApplication::focusWidget();
        if (focus ? watched != focus : !isWindow(watched)) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        const bool down = e->type() == QEvent::KeyPress;
        const int key = keyOf(k);
        KeyState& s = keys();
        switch (key) {
        case Qt::Key_Shift: s.shift = down; break;
        case Qt::Key_Control: s.ctrl = down; break;
        case Qt::Key_Alt: s.alt = down; break;
        case Qt::Key_CapsLock:
            if (down && !k->isAutoRepeat()) s.caps = !s.caps;
            break;
        default: break;
        }
        if (!down) {
            if (key == Qt::Key_AltGr) s.ctrl = s.alt = false;
            return false;
        }
        EventMsg m;
        m.time = static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch());
        if (key == Qt::Key_AltGr) {
            // AltGr is Ctrl and Alt together.
            s.ctrl = s.alt = true;
            m.message = WM_KEYDOWN;
            m.paramL = 17;
            feed(m);
            m.paramL = 18;
            feed(m);
            return false;
        }
        unsigned vk = virtualKeyOf(key);
        if (vk == 0) return false;
        if (vk != 16 && vk != 17 && vk != 18 && vk != 20) {
            // A release the filter missed (the key went up in another
            // program) shows in the modifiers of the next key.
            const Qt::KeyboardModifiers mods = k->modifiers();
            s.shift = mods.testFlag(Qt::ShiftModifier);
            if (!mods.testFlag(Qt::ControlModifier)) s.ctrl = false;
            if (!mods.testFlag(Qt::AltModifier)) s.alt = false;
        }
        m.message = (s.alt && !s.ctrl && vk != 18) ? WM_SYSKEYDOWN : WM_KEYDOWN;
        m.paramL = vk;
        feed(m);
        return false;
    }
};

Filter* filter = nullptr;
long nextHandle = 1;

}  // namespace

long SetWindowsHookEx(int, HookProc proc) {
    if (!filter && qApp) {
        filter = new Filter;
        filter->setParent(qApp);
        qApp->installEventFilter(filter);
    }
    long h = nextHandle++;
    hooks()[h] = std::move(proc);
    return h;
}

bool UnhookWindowsHookEx(long handle) { return hooks().erase(handle) > 0; }

long CallNextHookEx(long, int, long, const EventMsg*) { return 0; }

unsigned MapVirtualKey(unsigned code, unsigned mapType) {
    if (mapType != 2) return 0;
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9') || code == 32 || code == 13 || code == 8 ||
        code == 9 || code == 27)
        return code;
    return 0;
}

unsigned short GetKeyState(int virtualKey) {
    const KeyState& s = keys();
    switch (virtualKey) {
    case 16: return s.shift ? 0x8000 : 0;
    case 17: return s.ctrl ? 0x8000 : 0;
    case 18: return s.alt ? 0x8000 : 0;
    case 20: return s.caps ? 1 : 0;
    default: return 0;
    }
}

void PostMessage(std::function<void()> f) {
    if (!qApp) return;
    QTimer::singleShot(0, qApp, std::move(f));
}

void feed(const EventMsg& msg) {
    // A hook may remove itself while it runs.
    std::map<long, HookProc> now = hooks();
    for (auto& [h, proc] : now)
        if (hooks().count(h)) proc(HC_ACTION, 0, &msg);
}

}  // namespace keyhook
