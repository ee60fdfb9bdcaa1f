#pragma once
// A top-level window with its controls.
//
// Lifecycle: a form object lives for the whole run; its window and controls
// exist only while it is loaded. load() creates the window, runs
// createControls() and then onLoad(); unload() runs onQueryUnload/onUnload
// (either may cancel), then destroys the window and every control made with
// add<>(). Loading again builds everything afresh and runs onLoad() again,
// while the members of the derived class keep their values. show() loads
// when needed and shows the window modeless, or brings an open window to the
// front; showModal() shows it modal and returns the modal result (1 OK, 2
// Cancel, 0 when closed otherwise). Setting modalResult() to a non-zero value
// while shown modal closes the window (it is hidden, not unloaded); the
// window's close box on a modal form runs onQueryUnload (which may cancel)
// and gives the result 2.
//
// Positions and sizes are in the form's scale: twips (15 to a pixel) or
// pixels. Texts are Windows-1250 bytes.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "forms/Component.h"
#include "forms/Types.h"

namespace forms {

class Control;

class Form {
public:
    explicit Form(std::string name, Scale scale = Scale::Twips);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    Scale scale() const { return scale_; }
    // Converts between the form's scale and pixels.
    int toPixels(int units) const;
    int fromPixels(int pixels) const;

    // Lifecycle.
    void load();
    bool isLoaded() const;
    void show();
    int showModal();
    bool isModal() const;
    void hide();
    // True when the form unloaded; false when its code cancelled.
    bool unload();
    bool visible() const;
    void setModalResult(int r);
    int modalResult() const;

    // Appearance. Geometry of the window's outer frame; the client area is
    // what the controls lie in.
    void setCaption(const std::string& caption);
    std::string caption() const;
    void move(int left, int top);
    void move(int left, int top, int width, int height);
    int left() const;
    int top() const;
    // The client area's top-left corner on the screen, and placing the
    // window by it. The window manager's frame takes no part in either
    // (left() and top() are the frame's corner, which the window manager
    // draws, and tells, when it pleases), so a place read with these is
    // restored exactly by them.
    int clientLeft() const;
    int clientTop() const;
    void moveClient(int left, int top);
    int width() const;
    int height() const;
    void setClientSize(int width, int height);
    int clientWidth() const;
    int clientHeight() const;
    // Centres the window on the screen.
    void centre();
    // Pictures from files; false when the file cannot be read as a picture
    // (the window keeps what it had).
    bool setIcon(const std::string& path);
    bool setPicture(const std::string& path);
    void setBackColor(std::uint32_t c);
    std::uint32_t backColor() const;
    void setFont(const Font& f);
    const Font& font() const { return font_; }
    enum class Border { Sizable, Fixed, Dialog, None };
    void setBorder(Border b);
    void setMinButton(bool on);
    void setMaxButton(bool on);
    enum class WindowState { Normal, Minimized, Maximized };
    void setWindowState(WindowState s);
    WindowState windowState() const;
    // Keys go to the form's key handlers before the control with the focus.
    void setKeyPreview(bool on);
    bool keyPreview() const;
    void setEnabled(bool e);
    bool enabled() const;
    void activate();  // brings the window to the front and gives it the focus
    void setMousePointer(int pointer);  // 0 default, 11 busy

    // Controls made with add<> are owned by the form and destroyed at unload.
    template <class T, class... A>
    T* add(std::string name, A&&... args) {
        auto c = std::make_unique<T>(*this, std::move(name), std::forward<A>(args)...);
        T* raw = c.get();
        components_.push_back(std::move(c));
        return raw;
    }
    Component* find(const std::string& name) const;
    const std::vector<std::unique_ptr<Component>>& components() const { return components_; }

    struct Impl;
    Impl& impl() const { return *d_; }

protected:
    // Builds the controls; runs at every load, before onLoad().
    virtual void createControls() {}
    virtual void onLoad() {}
    // cancel = true keeps the form loaded. fromUser: closed by the window's
    // close box rather than by code.
    virtual void onQueryUnload(bool& cancel, bool fromUser) { (void)cancel; (void)fromUser; }
    virtual void onUnload(bool& cancel) { (void)cancel; }
    virtual void onActivate() {}
    virtual void onDeactivate() {}
    virtual void onResize() {}
    virtual void onShow() {}
    virtual void onKeyDown(int& keyCode, int shift) { (void)keyCode; (void)shift; }
    virtual void onKeyUp(int& keyCode, int shift) { (void)keyCode; (void)shift; }
    virtual void onKeyPress(int& keyAscii) { (void)keyAscii; }
    // The mouse over the client area where no control covers it.
    virtual void onMouseMove(int button, int shift, float x, float y) { (void)button; (void)shift; (void)x; (void)y; }
    virtual void onMouseDown(int button, int shift, float x, float y) { (void)button; (void)shift; (void)x; (void)y; }
    virtual void onMouseUp(int button, int shift, float x, float y) { (void)button; (void)shift; (void)x; (void)y; }
    virtual void onClick() {}
    virtual void onDblClick() {}

private:
    friend struct FormEvents;
    void destroyControls();

    std::string name_;
    Scale scale_;
    Font font_;
    std::vector<std::unique_ptr<Component>> components_;
    std::unique_ptr<Impl> d_;
};

}  // namespace forms
