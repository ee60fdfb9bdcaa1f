#pragma once
// A small animation that shows work going on, drawn by the platform: the
// file-copy picture (a page flying from one folder to another) that copy and
// upload windows show. It plays while active and stands still otherwise.
#include <memory>

#include "forms/Control.h"

namespace forms {

class Animation : public Control {
public:
    enum class Kind { FileCopy };
    Animation(Form& form, std::string name, Control* container = nullptr, Kind kind = Kind::FileCopy);
    ~Animation() override;

    void setActive(bool on);
    bool active() const;
    // The picture shown, from 0 up to frameCount() - 1; it moves on by one
    // every frame interval while active.
    int frame() const;
    static int frameCount();
    void setFrame(int f);

    struct Impl;

private:
    std::unique_ptr<Impl> a_;
};

}  // namespace forms
