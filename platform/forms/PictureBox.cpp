#include "forms/PictureBox.h"

#include <QFrame>
#include <QPainter>
#include <QPixmap>

#include "forms/QtAccess.h"

namespace forms {

namespace {
class PictureWidget : public QFrame {
public:
    QPixmap picture;

protected:
    void paintEvent(QPaintEvent* e) override {
        QFrame::paintEvent(e);
        if (!picture.isNull()) {
            QPainter p(this);
            p.drawPixmap(contentsRect().topLeft(), picture);
        }
    }
};
}  // namespace

PictureBox::PictureBox(Form& form, std::string name, Control* container) : Control(form, std::move(name), container) {
    auto* w = new PictureWidget;
    w->setAutoFillBackground(true);
    attachWidget(*this, w);
}

bool PictureBox::setPicture(const std::string& path) {
    auto* w = static_cast<PictureWidget*>(widgetOf(*this));
    QPixmap p;
    if (!p.load(QString::fromStdString(path))) return false;
    w->picture = p;
    w->update();
    return true;
}

void PictureBox::setBorder(bool on) {
    static_cast<QFrame*>(widgetOf(*this))->setFrameStyle(on ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
}

}  // namespace forms
