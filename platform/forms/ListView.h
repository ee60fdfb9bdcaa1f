#pragma once
// A list of items, each a caption with a picture from an image list, shown
// as large icons, small icons or a list. Items keep the order they were added
// in.
#include <functional>
#include <string>

#include "forms/Control.h"

namespace forms {

class ImageList;
class PopupMenu;

class ListView : public Control {
public:
    enum class ViewStyle { Icon, SmallIcon, List };
    ListView(Form& form, std::string name, Control* container = nullptr);

    void setViewStyle(ViewStyle s);
    void setLargeImages(const ImageList& list);
    void setSmallImages(const ImageList& list);
    void setPopupMenu(PopupMenu& menu);

    void clear();
    // Appends an item; returns its index.
    int addItem(const std::string& caption, int imageIndex);
    int count() const;
    std::string caption(int index) const;
    int imageIndex(int index) const;
    // -1 when nothing is selected.
    int selectedIndex() const;
    void setSelectedIndex(int index);

    // Runs when the selection changes, by the user or by code.
    std::function<void()> onChange;

private:
    void applyStyle();
    ViewStyle style_ = ViewStyle::Icon;
    const ImageList* large_ = nullptr;
    const ImageList* small_ = nullptr;
};

}  // namespace forms
