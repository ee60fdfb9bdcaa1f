#pragma once
// For tests of the real modal windows (message boxes, standard dialogs):
// runs a call that opens one, hands the window to `look` once it is up, and
// then closes it with Esc, as the user would. Returns whether a modal window
// opened.
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace forms::drive {

namespace detail {
struct ModalProbeState {
    std::function<void(QWidget&)> look;
    bool seen = false;
    bool over = false;
    int waits = 0;
};

inline void probeModal(const std::shared_ptr<ModalProbeState>& st) {
    if (st->over || st->seen) return;
    QPointer<QWidget> m = QApplication::activeModalWidget();
    if (!m || !m->isVisible()) {
        if (++st->waits < 500) QTimer::singleShot(10, [st] { probeModal(st); });
        return;
    }
    st->seen = true;
    st->look(*m);
    if (!m) return;
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(m, &esc);
    if (auto* d = qobject_cast<QDialog*>(m.data()); d && d->isVisible()) d->reject();
}
}  // namespace detail

inline bool whileModalOpen(const std::function<void()>& open, const std::function<void(QWidget&)>& look) {
    auto st = std::make_shared<detail::ModalProbeState>();
    st->look = look;
    QTimer::singleShot(0, [st] { detail::probeModal(st); });
    open();
    st->over = true;
    return st->seen;
}

}  // namespace forms::drive
