#include "pageeditor/dialogs/EditorDialog.h"

#include "forms/SpeedButton.h"
#include "forms/Types.h"
#include "pageeditor/dialogs/HandlerGuard.h"

namespace pageeditor {

namespace {
const forms::ImageList*& glyphSlot() {
    static const forms::ImageList* list = nullptr;
    return list;
}
}  // namespace

void EditorDialog::setButtonGlyphs(const forms::ImageList* list) { glyphSlot() = list; }
const forms::ImageList* EditorDialog::buttonGlyphs() { return glyphSlot(); }

EditorDialog::EditorDialog(std::string name, std::string caption, int clientWidth, int clientHeight, Keys keys)
    : forms::Form(std::move(name), forms::Scale::Pixels), caption_(std::move(caption)), w_(clientWidth), h_(clientHeight),
      keys_(keys) {}

void EditorDialog::onLoad() {
    setCaption(caption_);
    setBorder(Border::Dialog);
    setClientSize(w_, h_);
    setKeyPreview(keys_ != NoKeys);
    centre();
}

void EditorDialog::onKeyDown(int& keyCode, int shift) {
    (void)shift;
    if (keyCode == forms::key::Return && keys_ == EnterAndEsc) {
        keyCode = 0;
        setModalResult(1);
    } else if (keyCode == forms::key::Escape && keys_ != NoKeys) {
        keyCode = 0;
        setModalResult(2);
    }
}

forms::SpeedButton* EditorDialog::addButton(std::string name, const std::string& caption, int x, int y, int width,
                                            int height, std::function<void()> click) {
    auto* b = add<forms::SpeedButton>(std::move(name));
    b->move(x, y, width, height);
    b->setCaption(caption);
    b->onClick = guarded(std::move(click));
    return b;
}

void EditorDialog::okCancelKeys(int& keyCode, const std::function<void()>& ok, const std::function<void()>& cancel) {
    if (keyCode == forms::key::Return) {
        keyCode = 0;
        runHandler(ok);
    } else if (keyCode == forms::key::Escape) {
        keyCode = 0;
        runHandler(cancel);
    }
}

void EditorDialog::setOkCancelGlyphs(forms::SpeedButton* ok, forms::SpeedButton* cancel) {
    if (const forms::ImageList* glyphs = buttonGlyphs()) {
        ok->setGlyph(*glyphs, 0);
        cancel->setGlyph(*glyphs, 1);
    }
}

}  // namespace pageeditor
