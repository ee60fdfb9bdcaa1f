#pragma once
// A set of pages with tabs; its pages are TabSheets made with it as container.
#include <functional>

#include "forms/Control.h"

namespace forms {

class TabSheet;

class PageControl : public Control {
public:
    PageControl(Form& form, std::string name, Control* container = nullptr);
    int pageCount() const;
    int activePageIndex() const;
    void setActivePageIndex(int index);
    std::function<void()> onChange;
};

}  // namespace forms
