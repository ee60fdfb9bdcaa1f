#pragma once
// Platform-internal: the top-level window of a form.
#include <QBasicTimer>
#include <QPoint>
#include <QWidget>

#include <optional>

namespace forms {
class Form;
namespace detail {

class FormWindow : public QWidget {
public:
    explicit FormWindow(Form& f);
    void detach() { form_ = nullptr; }
    // Puts the window's outer top-left corner (its frame's) at `p` on the
    // screen, also while the window manager has not framed it yet.
    void placeFrame(QPoint p);

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void timerEvent(QTimerEvent* e) override;

private:
    Form* form_;
    // A frame position asked for before the frame was known, and the
    // bounded wait for the frame.
    std::optional<QPoint> wantedFrame_;
    QBasicTimer frameWait_;
    int frameChecks_ = 0;
};

}  // namespace detail
}  // namespace forms
