#pragma once
// A flat button with a picture and an optional caption. Buttons of one group
// (group index above 0) act as a set of which at most one is down.
#include <string>

#include "forms/Control.h"

namespace forms {

class ImageList;

class SpeedButton : public Control {
public:
    SpeedButton(Form& form, std::string name, Control* container = nullptr);

    void setCaption(const std::string& caption);  // "&" marks the access key
    std::string caption() const;
    void setHint(const std::string& hint);  // "short|long"
    std::string hint() const;
    void setGlyph(const ImageList& list, int index);
    void setFlat(bool on);
    void setGroupIndex(int group);
    int groupIndex() const { return group_; }
    void setAllowAllUp(bool on) { allowAllUp_ = on; }
    void setDown(bool on);
    bool down() const;
    // Clicks the button as the user would (only when it is enabled).
    void press();

private:
    std::string caption_, hint_;
    int group_ = 0;
    bool allowAllUp_ = false;
};

}  // namespace forms
