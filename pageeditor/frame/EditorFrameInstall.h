#pragma once
// Gives every document window its editor frame HTMLEdit1, re-captioned from
// the frame's language pack of the program folder.
namespace pageeditor {

void installEditorFrame();

}  // namespace pageeditor
