#include "pageeditor/IEditorFrame.h"

namespace pageeditor {

namespace {
EditorFrameFactory& factorySlot() {
    static EditorFrameFactory f;
    return f;
}
}  // namespace

void setEditorFrameFactory(EditorFrameFactory factory) { factorySlot() = std::move(factory); }
const EditorFrameFactory& editorFrameFactory() { return factorySlot(); }

}  // namespace pageeditor
