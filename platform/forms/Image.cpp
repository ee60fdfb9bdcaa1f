#include "forms/Image.h"

#include <QLabel>
#include <QPixmap>

#include "forms/QtAccess.h"

namespace forms {

namespace {
QLabel* labelOf(const Control& c) { return static_cast<QLabel*>(widgetOf(c)); }
}  // namespace

Image::Image(Form& form, std::string name, Control* container) : Control(form, std::move(name), container) {
    auto* l = new QLabel;
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setAutoFillBackground(false);
    attachWidget(*this, l);
}

bool Image::setPicture(const std::string& path) {
    QPixmap p;
    if (!p.load(QString::fromStdString(path)) || p.isNull()) {
        labelOf(*this)->clear();
        return false;
    }
    labelOf(*this)->setPixmap(p);
    return true;
}

bool Image::hasPicture() const {
    QPixmap p = labelOf(*this)->pixmap();
    return !p.isNull();
}

void Image::clearPicture() { labelOf(*this)->clear(); }

void Image::setStretch(bool on) { labelOf(*this)->setScaledContents(on); }

void Image::setBorder(bool on) {
    border_ = on;
    labelOf(*this)->setFrameStyle(on ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
}

}  // namespace forms
