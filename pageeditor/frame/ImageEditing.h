#pragma once
// The picture routine of the editor frame: opens the picture dialog for a
// new picture or for the image selected in the document, and puts the
// result into the page. Every error of the document or of a value read back
// ends it silently; what was already changed on the element stays changed.
#include <functional>
#include <optional>
#include <string>

#include "htmledit/Document.h"

namespace pageeditor {

class Tinsertimg;

// insertHTML pastes a new tag at the selection (the frame's InsertHTML).
void editImage(const htmledit::Document& document, Tinsertimg& dialog, const std::optional<std::string>& fileName,
               const std::function<void(const std::string&)>& insertHTML);

// The values of the dialog that a changed picture is written from, as the
// user sees them; compared with those read back, they tell what changed.
struct ImageFields {
    std::string alt;
    int alignIndex = -1;
    long width = 0, height = 0, border = 0;
    bool relative = true;
    static ImageFields of(const Tinsertimg& dialog);
};
// Fills the dialog from an image element (the read-back of the routine) and
// returns the values it shows.
ImageFields readImageBack(const htmledit::Element& img, Tinsertimg& dialog);

}  // namespace pageeditor
