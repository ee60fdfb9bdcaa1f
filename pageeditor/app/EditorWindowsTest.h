#pragma once
// For tests that drive the editor's real windows on the browser engine: the
// main window and its dialogs made over a program folder, with scripted
// answers, a registry of the test's own and a temporary folder that goes
// with the test.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "files/FileSystem.h"
#include "forms/ScriptedAnswers.h"
#include "forms/Drive.h"
#include "htmledit/TestApplication.h"
#include "pageeditor/app/EditorForms.h"
#include "pageeditor/app/TMDIChild.h"
#include "pageeditor/app/TMainForm.h"
#include "pageeditor/frame/EditorFrameInstall.h"
#include "registry/Registry.h"

namespace pageeditor::enginetest {

// The program folder the build lays out.
inline std::filesystem::path shippedFolder() {
    return std::filesystem::path(std::getenv("SUITE_BINARY_DIR")) / "dist" / "Pagewright";
}

// Runs the event loop until `cond` holds; false after 20 seconds.
template <class F>
bool waitFor(F cond) {
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!cond()) {
        if (std::chrono::steady_clock::now() > until) return false;
        forms::drive::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

class EditorWindowsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { installEditorFrame(); }

    // A fresh temporary folder tmp, named after `name` and the process.
    void makeTemp(const std::string& name) {
        tmp = std::filesystem::temp_directory_path() / (name + "_" + std::to_string(::getpid()));
        std::filesystem::remove_all(tmp);
        std::filesystem::create_directories(tmp);
    }

    // Makes and shows the main window and its dialogs over `programFolder`.
    void startEditor(const std::filesystem::path& programFolder) {
        registry::setPath(tmp / "registry");
        forms::setModal(&answers);
        TMainForm::setProgramFolder(programFolder.string());
        all = std::make_unique<EditorForms>();
        all->createAll();
        all->MainForm->show();
        forms::drive::processEvents();
    }

    // Closes the window that shows the page file, if there is one, without
    // a question: a page has one window, so a page written anew (or read
    // back from the disk) opens afresh only after it.
    void closeWindowOf(const std::filesystem::path& file) {
        PageDocument* shown = all->MainForm->documents.find(files::platformName(file));
        for (TMDIChild* w : all->MainForm->documentWindows())
            if (shown && w->document == shown) w->closeWithoutQuestion();
        forms::drive::processEvents();
    }

    void TearDown() override {
        forms::drive::setModalHook({});
        all.reset();
        forms::setModal(nullptr);
        registry::setPath({});
        std::filesystem::remove_all(tmp);
    }

    std::filesystem::path tmp;
    forms::ScriptedAnswers answers;
    std::unique_ptr<EditorForms> all;
};

}  // namespace pageeditor::enginetest
