#pragma once
// The script the editing control runs in its page.

namespace htmledit {

const char* editorScript();

}  // namespace htmledit
