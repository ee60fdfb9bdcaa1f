#pragma once
// What the one-line input dialog (Tdlgfrm.input_box) gives back: on OK the
// edit's text, or "about:blank" when the edit is empty; on Cancel (or any
// other way of closing) the result keeps the value it had.
#include <string>

namespace pageeditor {

void applyInputBoxResult(int modalResult, const std::string& editText, std::string& result);

}  // namespace pageeditor
