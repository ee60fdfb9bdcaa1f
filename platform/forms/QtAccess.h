#pragma once
// Platform-internal: the Qt side of forms and controls. Only platform code
// includes this header; it lets other platform classes build controls on
// their own widgets, reach a form's window and client area, and host a
// widget made elsewhere (for example by a control library) on a form.
#include <QIcon>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <string>

#include "forms/Control.h"
#include "forms/Form.h"

class QEventLoop;

namespace forms {

// Windows-1250 text at the widget boundary.
QString qs(const std::string& ansi);
std::string ansiOf(const QString& s);
QColor toQColor(std::uint32_t bgr);
std::uint32_t fromQColor(const QColor& c);
QFont toQFont(const Font& f);
Font fromQFont(const QFont& f);
int keyCodeOf(int qtKey);
int qtKeyOf(int keyCode);
int shiftOf(Qt::KeyboardModifiers m);
int buttonOf(Qt::MouseButtons b);
// True when the point of `area` lies on a control placed inside it (one that
// takes mouse events: not a shape, not a disabled control), rather than on
// `area`'s own surface.
bool coveredByControl(QWidget* area, QPoint p);

namespace detail {

class FormWindow;
class FormClient;
class EventBridge;

}  // namespace detail

struct Control::Impl {
    Control* self = nullptr;
    Form* form = nullptr;
    Control* container = nullptr;
    QPointer<QWidget> widget;
    detail::EventBridge* bridge = nullptr;
    // Geometry in pixels, relative to the container.
    int x = 0, y = 0, w = 0, h = 0;
    Align align = Align::None;
    bool visible = true;
    bool enabled = true;
    // Whether the runtime makes Click from a press and release (false for
    // widgets that signal clicks themselves).
    bool synthesizeClick = true;
    bool pressed = false;
    std::uint32_t fore = color::WindowText;
    std::uint32_t back = color::ButtonFace;
    bool foreSet = false, backSet = false;
    Font font;
    std::string toolTip;
    // Where this control's children go; the widget itself unless set.
    QPointer<QWidget> childArea;
};

struct Form::Impl {
    Form* self = nullptr;
    QPointer<detail::FormWindow> window;
    QPointer<detail::FormClient> client;
    bool loaded = false;
    bool loading = false;
    bool unloading = false;
    std::string caption;
    QIcon icon;
    QPixmap picture;
    std::uint32_t back = color::ButtonFace;
    int x = -1, y = -1;  // pixels; -1 until placed
    int clientW = 320, clientH = 240;  // pixels
    Border border = Border::Sizable;
    bool minButton = true, maxButton = true;
    bool keyPreview = false;
    bool enabled = true;
    WindowState state = WindowState::Normal;
    bool modal = false;
    int modalResult = 0;
    QEventLoop* loop = nullptr;
    QPointer<QWidget> menuBar;
    // The buttons Enter and Esc press, wherever the focus is on the form.
    Control* defaultButton = nullptr;
    Control* cancelButton = nullptr;
};

// Attaches a control's widget: places it in its container (or the form's
// client area), installs the event bridge and applies the stored geometry.
void attachWidget(Control& c, QWidget* w);
QWidget* widgetOf(const Control& c);
// The widget that children of `c` are placed in (a frame's inside, ...).
void setChildArea(Control& c, QWidget* area);
QWidget* childAreaOf(const Control& c);
// A form's top-level window and its client area; null while not loaded.
QWidget* windowOf(const Form& f);
QWidget* clientOf(const Form& f);
// Puts a menu bar (or tool bar strip) above the client area.
void setMenuBar(Form& f, QWidget* bar);

// A control that shows a widget made elsewhere; the control owns it.
class HostedControl : public Control {
public:
    HostedControl(Form& form, std::string name, QWidget* widget, Control* container = nullptr);
};

// Re-lays out the docked controls of a container widget.
void layoutDocked(QWidget* container);

}  // namespace forms
