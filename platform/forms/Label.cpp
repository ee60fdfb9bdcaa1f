#include "forms/Label.h"

#include <QLabel>

#include <algorithm>

#include "forms/Form.h"
#include "forms/QtAccess.h"

namespace forms {

namespace {
QLabel* labelOf(const Control& c) { return static_cast<QLabel*>(widgetOf(c)); }
}  // namespace

Label::Label(Form& form, std::string name, Control* container) : Control(form, std::move(name), container) {
    auto* l = new QLabel;
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(true);
    l->setAutoFillBackground(false);
    attachWidget(*this, l);
}

namespace {
std::string withoutAccelMarks(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '&' && i + 1 < s.size()) ++i;  // "&x" shows x, "&&" shows "&"
        out += s[i];
    }
    return out;
}
}  // namespace

void Label::setShowAccelChar(bool on) {
    accel_ = on;
    setCaption(caption_);
}

void Label::setCaption(const std::string& caption) {
    caption_ = caption;
    labelOf(*this)->setText(qs(accel_ ? withoutAccelMarks(caption) : caption));
    if (autoSize_) labelOf(*this)->adjustSize();
}
std::string Label::caption() const { return caption_; }

void Label::setAlignment(Alignment a) {
    alignment_ = a;
    Qt::Alignment h = a == Alignment::Center ? Qt::AlignHCenter : a == Alignment::Right ? Qt::AlignRight : Qt::AlignLeft;
    labelOf(*this)->setAlignment(h | Qt::AlignTop);
}
Alignment Label::alignment() const { return alignment_; }

void Label::setTransparent(bool t) {
    transparent_ = t;
    QLabel* l = labelOf(*this);
    l->setAutoFillBackground(!t);
    if (!t && !impl().backSet) setBackColor(color::ButtonFace);
}
bool Label::transparent() const { return transparent_; }

void Label::setWordWrap(bool on) { labelOf(*this)->setWordWrap(on); }

void Label::setAutoSize(bool on) {
    autoSize_ = on;
    if (on) labelOf(*this)->adjustSize();
}

int Label::wrappedHeight() const {
    QLabel* l = labelOf(*this);
    const QRect r = l->fontMetrics().boundingRect(QRect(0, 0, std::max(1, l->width()), 0),
                                                  int(l->alignment()) | Qt::TextWordWrap, l->text());
    return form().fromPixels(r.height() + 2 * l->margin() + 2 * l->frameWidth());
}

}  // namespace forms
