#pragma once
// One page of a PageControl; controls placed in it show on that page.
#include <string>

#include "forms/Control.h"

namespace forms {

class PageControl;

class TabSheet : public Control {
public:
    TabSheet(Form& form, std::string name, PageControl& pages);
    void setCaption(const std::string& caption);  // "&" marks the access key
    std::string caption() const;
    void setHint(const std::string& hint);
    std::string hint() const { return hint_; }
    // Brings this page to the front.
    void activate();

private:
    PageControl& pages_;
    std::string caption_, hint_;
};

}  // namespace forms
