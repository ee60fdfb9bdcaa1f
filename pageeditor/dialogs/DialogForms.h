#pragma once
// The dialogs that the editor frame opens and that borrow from one another:
// one instance of each for the whole run, made by the program block among its
// forms (EditorForms, which holds them here) in the program's fixed order.
#include <memory>

namespace pageeditor {

class Tinsertimg;
class Tlinkinsert;
class Tdlgfrm;
class Tinstbl;
class Tkeyform;
class Tbody;
class Tflashins;
class Tinsert_snd;
class Tmarquee;
class Tmovie;
class Tiframe;

struct DialogForms {
    DialogForms();
    ~DialogForms();
    DialogForms(const DialogForms&) = delete;
    DialogForms& operator=(const DialogForms&) = delete;

    std::unique_ptr<Tinsertimg> insertimg;
    std::unique_ptr<Tlinkinsert> linkinsert;
    std::unique_ptr<Tdlgfrm> dlgfrm;
    std::unique_ptr<Tinstbl> instbl;
    std::unique_ptr<Tkeyform> keyform;
    std::unique_ptr<Tbody> body;
    std::unique_ptr<Tflashins> flashins;
    std::unique_ptr<Tinsert_snd> insert_snd;
    std::unique_ptr<Tmarquee> marquee;
    std::unique_ptr<Tmovie> movie;
    std::unique_ptr<Tiframe> iframe;
};

// The dialogs of the running editor (null before the program block made its
// forms).
DialogForms* dialogForms();

}  // namespace pageeditor
