#include "shell/NotifyIcon.h"

#include <QApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QPointer>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QWidget>
#include <map>
#include <memory>

#include "forms/QtAccess.h"

namespace shell {

namespace {

// The icons belong to the application object, so that one still shown when
// the program ends goes with it rather than after it.
struct Entry {
    NotifyIconData data;
    QPointer<QSystemTrayIcon> icon;
};

std::map<std::pair<WindowHandle, std::uint32_t>, Entry>& icons() {
    static std::map<std::pair<WindowHandle, std::uint32_t>, Entry> m;
    return m;
}

std::map<IconHandle, QIcon>& iconTable() {
    static std::map<IconHandle, QIcon> m;
    return m;
}

std::optional<bool>& assumed() {
    static std::optional<bool> a;
    return a;
}

QWidget* widgetOfHandle(WindowHandle h) {
    for (QWidget* w : QApplication::allWidgets())
        if (reinterpret_cast<WindowHandle>(w) == h) return w;
    return nullptr;
}

void apply(Entry& e) {
    if (!e.icon) return;
    const NotifyIconData& d = e.data;
    if (d.uFlags & NIF_ICON) {
        auto it = iconTable().find(d.hIcon);
        QIcon icon = it != iconTable().end() ? it->second : QIcon();
        // A window without an icon of its own still gets one the user can find.
        if (icon.isNull()) icon = QApplication::windowIcon();
        if (icon.isNull()) icon = QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
        e.icon->setIcon(icon);
    }
    if (d.uFlags & NIF_TIP) e.icon->setToolTip(forms::qs(d.tip()));
}

}  // namespace

std::string NotifyIconData::tip() const {
    std::size_t n = 0;
    while (n < szTip.size() && szTip[n] != '\0') ++n;
    return std::string(szTip.data(), n);
}

std::array<std::uint8_t, NotifyIconData::kSize> NotifyIconData::bytes() const {
    std::array<std::uint8_t, kSize> b{};
    auto put = [&](std::size_t at, std::uint64_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    put(0, cbSize);
    put(4, hWnd);
    put(8, uID);
    put(12, uFlags);
    put(16, uCallbackMessage);
    put(20, hIcon);
    for (std::size_t i = 0; i < szTip.size(); ++i) b[24 + i] = static_cast<std::uint8_t>(szTip[i]);
    return b;
}

bool Shell_NotifyIconA(int message, const NotifyIconData& data) {
    if (data.cbSize != NotifyIconData::kSize) return false;
    auto key = std::make_pair(data.hWnd, data.uID);
    auto& m = icons();
    auto it = m.find(key);
    switch (message) {
        case NIM_ADD: {
            if (it != m.end() || !widgetOfHandle(data.hWnd) || !trayAvailable()) return false;
            Entry& e = m[key];
            e.data = data;
            e.icon = new QSystemTrayIcon(QCoreApplication::instance());
            apply(e);
            const WindowHandle h = data.hWnd;
            const std::uint32_t id = data.uID;
            QObject::connect(e.icon.data(), &QSystemTrayIcon::activated, [h, id](QSystemTrayIcon::ActivationReason r) {
                switch (r) {
                    case QSystemTrayIcon::Trigger:
                        sendTrayMouse(h, id, WM_LBUTTONDOWN);
                        sendTrayMouse(h, id, WM_LBUTTONUP);
                        break;
                    case QSystemTrayIcon::DoubleClick: sendTrayMouse(h, id, WM_LBUTTONDBLCLK); break;
                    case QSystemTrayIcon::Context:
                        sendTrayMouse(h, id, WM_RBUTTONDOWN);
                        sendTrayMouse(h, id, WM_RBUTTONUP);
                        break;
                    case QSystemTrayIcon::MiddleClick:
                        sendTrayMouse(h, id, WM_MBUTTONDOWN);
                        sendTrayMouse(h, id, WM_MBUTTONUP);
                        break;
                    default: break;
                }
            });
            e.icon->show();
            return true;
        }
        case NIM_MODIFY:
            if (it == m.end()) return false;
            it->second.data = data;
            apply(it->second);
            return true;
        case NIM_DELETE:
            if (it == m.end()) return false;
        {
            // The icon may be the one whose signal runs now: let it go later.
            if (QSystemTrayIcon* icon = it->second.icon.data()) {
                icon->hide();
                icon->deleteLater();
            }
            m.erase(it);
            return true;
        }
        default: return false;
    }
}

WindowHandle windowOf(const forms::Control& c) { return reinterpret_cast<WindowHandle>(forms::widgetOf(c)); }

IconHandle iconOf(const forms::Form& f) {
    QWidget* w = forms::windowOf(f);
    if (!w || w->windowIcon().isNull()) return 0;
    IconHandle h = static_cast<IconHandle>(w->windowIcon().cacheKey());
    iconTable()[h] = w->windowIcon();
    return h;
}

bool trayAvailable() { return assumed() ? *assumed() : QSystemTrayIcon::isSystemTrayAvailable(); }
void assumeTrayAvailable(std::optional<bool> available) { assumed() = available; }

std::vector<ShownIcon> shownIcons() {
    std::vector<ShownIcon> v;
    for (auto& [k, e] : icons()) v.push_back({k.first, k.second, e.data.tip()});
    return v;
}

bool sendTrayMouse(WindowHandle hWnd, std::uint32_t uID, int mouseMessage) {
    auto& m = icons();
    auto it = m.find({hWnd, uID});
    if (it == m.end()) return false;
    std::uint32_t callback = it->second.data.uCallbackMessage;
    QWidget* w = widgetOfHandle(hWnd);
    if (!w || !(it->second.data.uFlags & NIF_MESSAGE)) return true;
    // The callback message is the mouse-move message: the window reports a
    // mouse move whose X is the icon's mouse message in pixels.
    if (callback == WM_MOUSEMOVE) {
        QPointF at(mouseMessage, 0);
        QMouseEvent e(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    return true;
}

}  // namespace shell
