#pragma once
// The script the editing control runs in its page: editor.js beside this
// header, embedded by the build.

#include "platform_htmledit/editor.js.h"

namespace htmledit {

inline const char* editorScript() { return kEditorScript; }

}  // namespace htmledit
