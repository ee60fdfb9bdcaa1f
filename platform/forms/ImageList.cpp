#include "forms/ImageList.h"

#include "forms/ImageListAccess.h"
#include "forms/QtAccess.h"

namespace forms {

ImageList::ImageList(Form& form, std::string name)
    : Component(form, std::move(name)), d_(std::make_unique<Impl>()) {}

ImageList::~ImageList() = default;

int ImageList::add(Glyph glyph) {
    d_->icons.push_back(glyphIcon(glyph));
    return static_cast<int>(d_->icons.size()) - 1;
}

int ImageList::addFile(const std::string& path) {
    QPixmap p;
    if (!p.load(QString::fromStdString(path)) || p.isNull()) return -1;
    d_->icons.push_back(QIcon(p));
    return static_cast<int>(d_->icons.size()) - 1;
}

int ImageList::count() const { return static_cast<int>(d_->icons.size()); }

QIcon iconOf(const ImageList* list, int index) {
    if (!list || index < 0 || index >= list->count()) return {};
    return list->impl().icons[static_cast<std::size_t>(index)];
}

QString shortHint(const std::string& hint) {
    auto bar = hint.find('|');
    return qs(bar == std::string::npos ? hint : hint.substr(0, bar));
}

QString longHint(const std::string& hint) {
    auto bar = hint.find('|');
    return qs(bar == std::string::npos ? hint : hint.substr(bar + 1));
}

void applyHint(QWidget* w, const std::string& hint) {
    if (!w) return;
    w->setToolTip(shortHint(hint));
    w->setStatusTip(longHint(hint));
}

}  // namespace forms
