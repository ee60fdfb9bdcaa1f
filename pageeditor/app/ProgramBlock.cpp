#include "pageeditor/app/ProgramBlock.h"

#include "forms/Application.h"
#include "forms/WindowGlyph.h"
#include "pageeditor/app/EditorForms.h"
#include "pageeditor/app/TMainForm.h"

namespace pageeditor {

int runPagewright(int argc, char** argv) {
    forms::Application app(argc, argv);
    forms::Application::setTitle("Sitecraft");
    forms::setProgramGlyph(forms::Glyph::Logo);
    EditorForms all;
    all.createAll();
    all.MainForm->show();
    return app.run();
}

}  // namespace pageeditor
