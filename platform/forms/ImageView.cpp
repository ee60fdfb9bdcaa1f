#include "forms/ImageView.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include "forms/ImageListAccess.h"
#include "forms/QtAccess.h"

namespace forms {

namespace {
class PictureWidget : public QWidget {
public:
    QPixmap pixmap;
    ImageView::Fit fit = ImageView::Fit::Center;

protected:
    void paintEvent(QPaintEvent*) override {
        if (pixmap.isNull()) return;
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        QRect r = rect();
        QSize s = pixmap.size();
        switch (fit) {
        case ImageView::Fit::None: p.drawPixmap(0, 0, pixmap); break;
        case ImageView::Fit::Stretch: p.drawPixmap(r, pixmap); break;
        case ImageView::Fit::Proportional:
            if (s.width() > r.width() || s.height() > r.height()) s.scale(r.size(), Qt::KeepAspectRatio);
            [[fallthrough]];
        case ImageView::Fit::Center:
            p.drawPixmap(QRect(QPoint((r.width() - s.width()) / 2, (r.height() - s.height()) / 2), s), pixmap);
            break;
        }
    }
};
PictureWidget* pictureOf(const Control& c) { return static_cast<PictureWidget*>(widgetOf(c)); }
}  // namespace

ImageView::ImageView(Form& form, std::string name, Control* container) : Control(form, std::move(name), container) {
    attachWidget(*this, new PictureWidget);
}

bool ImageView::loadFile(const std::string& path) {
    QPixmap p;
    if (!p.load(QString::fromStdString(path)) || p.isNull()) return false;
    pictureOf(*this)->pixmap = p;
    pictureOf(*this)->update();
    return true;
}

void ImageView::setGlyph(Glyph g, int size) {
    pictureOf(*this)->pixmap = drawGlyph(g, size);
    pictureOf(*this)->update();
}

void ImageView::clear() {
    pictureOf(*this)->pixmap = QPixmap();
    pictureOf(*this)->update();
}

bool ImageView::empty() const { return pictureOf(*this)->pixmap.isNull(); }

void ImageView::setFit(Fit f) {
    pictureOf(*this)->fit = f;
    pictureOf(*this)->update();
}

void ImageView::setHandPointer(bool on) {
    if (on)
        widgetOf(*this)->setCursor(Qt::PointingHandCursor);
    else
        widgetOf(*this)->unsetCursor();
}

void ImageView::setHint(const std::string& hint) { applyHint(widgetOf(*this), hint); }

}  // namespace forms
