#pragma once
// The table routines of the editor frame: the table dialog for a new table
// or for the table around the selection, and the floating layer. Every error
// of the document ends them silently.
#include <functional>
#include <string>

#include "htmledit/Document.h"

namespace pageeditor {

class Tinstbl;

// colorOf reads a bgcolor text into a colour value (HTMLColorToColor).
void editTable(const htmledit::Document& document, Tinstbl& dialog,
               const std::function<std::uint32_t(const std::string&)>& colorOf);

// Pastes the floating layer through the frame's insertion, silently.
void insertFloatingLayer(const std::function<void(const std::string&)>& insertHTML);

}  // namespace pageeditor
