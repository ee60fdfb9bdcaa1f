#pragma once
// The base of every visible control on a form. Positions and sizes are in the
// form's scale (twips or pixels), relative to the control's container (the
// form's client area, or a container control such as a picture box or frame).
// Texts are Windows-1250 bytes. Events are plain function objects that the
// form's code assigns; an unassigned event does nothing.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "forms/Component.h"
#include "forms/Types.h"

namespace forms {

class Control : public Component {
public:
    ~Control() override;

    // Geometry, in the form's scale.
    void move(int left, int top);
    void move(int left, int top, int width, int height);
    void resize(int width, int height);
    int left() const;
    int top() const;
    int width() const;
    int height() const;
    void setAlign(Align a);
    Align align() const;

    void setVisible(bool v);
    bool visible() const;  // the control's own setting
    void setEnabled(bool e);
    bool enabled() const;
    void setToolTip(const std::string& tip);
    std::string toolTip() const;
    void setFont(const Font& f);
    Font font() const;
    void setForeColor(std::uint32_t c);
    std::uint32_t foreColor() const;
    void setBackColor(std::uint32_t c);
    std::uint32_t backColor() const;
    void setTabIndex(int i);
    void setFocus();
    bool hasFocus() const;
    void refresh();
    void zOrder(int position = 0);  // 0 brings to front, 1 sends to back

    Control* container() const;

    // Events. Mouse positions are in the form's scale, relative to the control.
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void(int button, int shift, float x, float y)> onMouseDown;
    std::function<void(int button, int shift, float x, float y)> onMouseMove;
    std::function<void(int button, int shift, float x, float y)> onMouseUp;
    // keyCode may be set to 0 to keep the key from the control.
    std::function<void(int& keyCode, int shift)> onKeyDown;
    std::function<void(int& keyCode, int shift)> onKeyUp;
    // keyAscii is the Windows-1250 character; 0 discards it, another value
    // replaces it.
    std::function<void(int& keyAscii)> onKeyPress;
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;

    struct Impl;
    Impl& impl() const { return *d_; }

protected:
    // The widget is attached by the derived class's constructor (see
    // forms/QtAccess.h); `container` null places the control on the form.
    Control(Form& form, std::string name, Control* container);

private:
    std::unique_ptr<Impl> d_;
};

}  // namespace forms
