#pragma once
// Platform-internal: turns a control's widget events into the control's
// events (mouse, keys with the platform's codes, focus, click), honouring the
// form's key preview.
#include <QObject>

class QMouseEvent;
class QWidget;

namespace forms {
class Control;
class Form;
namespace detail {

class EventBridge : public QObject {
public:
    explicit EventBridge(Control& c);
    // Also watch a child widget (a list's viewport, ...).
    void watch(QObject* o);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Sends a mouse event of the (disabled) control on to the widget its
    // control lies on, at the same place.
    void forwardToContainer(QWidget* watched, QMouseEvent* m);
    void moveAfterRelease(QWidget* released, QMouseEvent* m);

    Control& c_;
    bool replaying_ = false;
};

// Enter and Esc press the form's default and cancel buttons; true when one
// was pressed. `focus` is the widget the key came to (null: the window).
bool pressFormButton(Form& f, int code, QObject* focus);

// Runs the form-level key handlers; false when the key was consumed.
bool formKeyDown(Control& c, int& code, int shift);

}  // namespace detail
}  // namespace forms
