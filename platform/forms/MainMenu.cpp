#include "forms/MainMenu.h"

#include "forms/MenuAccess.h"
#include "forms/QtAccess.h"

namespace forms {

MainMenu::MainMenu(Form& form, std::string name) : Component(form, std::move(name)), d_(std::make_unique<Impl>()) {
    d_->bar = new QMenuBar;
    d_->bar->setNativeMenuBar(false);
    d_->bar->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setMenuBar(form, d_->bar);
}

MainMenu::~MainMenu() {
    if (d_->bar) setMenuBar(form(), nullptr);
}

}  // namespace forms
