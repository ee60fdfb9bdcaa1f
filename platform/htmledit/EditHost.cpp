#include "htmledit/EditHost.h"

#include <QCursor>
#include <QFontDatabase>
#include <QWidget>

#include "forms/QtAccess.h"
#include "text/CodePage.h"

namespace htmledit {

EditHost::EditHost(forms::Form& form, std::string name, forms::Control* container)
    : forms::Control(form, std::move(name), container), control_(std::make_unique<EditControl>()) {
    forms::attachWidget(*this, control_->widget());
}

// The control takes its view with it; the form's side then finds it gone.
EditHost::~EditHost() { control_.reset(); }

void EditHost::screenRect(int& x, int& y, int& width, int& height) const {
    x = y = width = height = 0;
    QWidget* w = control_ ? control_->widget() : nullptr;
    if (!w) return;
    QPoint at = w->mapToGlobal(QPoint(0, 0));
    x = at.x();
    y = at.y();
    width = w->width();
    height = w->height();
}

void pointerPosition(int& x, int& y) {
    QPoint p = QCursor::pos();
    x = p.x();
    y = p.y();
}

void setPointerPosition(int x, int y) { QCursor::setPos(x, y); }

std::vector<std::string> screenFonts() {
    std::vector<std::string> out;
    QStringList seen;
    for (QString f : QFontDatabase::families()) {
        // A family offered by several foundries is listed as "Name [Foundry]";
        // a page names the family alone.
        if (int cut = f.indexOf(QLatin1String(" [")); cut > 0 && f.endsWith(QLatin1Char(']'))) f.truncate(cut);
        if (seen.contains(f)) continue;
        seen.append(f);
        std::string name;
        if (text::fromUtf8(f.toStdString(), name, text::CodePage::Windows1250)) out.push_back(name);
    }
    return out;
}

}  // namespace htmledit
