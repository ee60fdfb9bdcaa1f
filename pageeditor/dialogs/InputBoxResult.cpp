#include "pageeditor/dialogs/InputBoxResult.h"

namespace pageeditor {

void applyInputBoxResult(int modalResult, const std::string& editText, std::string& result) {
    if (modalResult != 1) return;
    result = editText.empty() ? std::string("about:blank") : editText;
}

}  // namespace pageeditor
