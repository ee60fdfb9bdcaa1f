#pragma once
// A list of pictures addressed by index, shared by toolbars, buttons and list
// views (the OK glyph of every dialog is image 0 of one such list, say).
#include <memory>
#include <string>

#include "forms/Component.h"
#include "forms/Glyph.h"

namespace forms {

class ImageList : public Component {
public:
    ImageList(Form& form, std::string name);
    ~ImageList() override;

    // Appends a picture and returns its index.
    int add(Glyph glyph);
    // Appends a picture file (a file-system path); -1 (nothing appended) when it cannot be read.
    int addFile(const std::string& path);
    int count() const;

    struct Impl;
    Impl& impl() const { return *d_; }

private:
    std::unique_ptr<Impl> d_;
};

}  // namespace forms
