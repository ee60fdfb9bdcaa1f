#include "forms/Frame.h"

#include <QGroupBox>

#include "forms/QtAccess.h"

namespace forms {

Frame::Frame(Form& form, std::string name, Control* container) : Control(form, std::move(name), container) {
    auto* g = new QGroupBox;
    attachWidget(*this, g);
}

void Frame::setCaption(const std::string& caption) {
    caption_ = caption;
    static_cast<QGroupBox*>(widgetOf(*this))->setTitle(qs(caption));
}
std::string Frame::caption() const { return caption_; }

}  // namespace forms
