#pragma once
// For the dictionary's window tests: a program folder of its own for each
// test with a small parallel base, a registry of its own beside it, the
// scripted answers installed, and the Program made on demand. Header only;
// included by *_tests.cpp.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "dictionary/Form1.h"
#include "dictionary/Program.h"
#include "dictionary/ShortDate.h"
#include "forms/Application.h"
#include "forms/Drive.h"
#include "forms/ScriptedAnswers.h"
#include "forms/TestApplication.h"
#include "registry/testing/OwnRegistry.h"
#include "text/CodePage.h"
#include "text/LineFile.h"

namespace dictionary::testing {

class ProgramFolder : public ::testing::Test {
protected:
    // Headwords in list order with their entries; a.dat and b.dat parallel.
    static std::vector<std::pair<std::string, std::string>> smallBase() {
        using namespace text::literals;
        return {
            {"Auto", "<i>das</i> <b>samochód</b>"_w},
            {"essen", "<i>czasownik</i> <b>jeść</b>"_w},
            {"Haus", "<i>das</i> <b>dom</b>"},
            {"Hausarzt", "<i>der</i> <b>lekarz domowy</b>"},
            {"Mädchen"_w, "<i>das</i> <b>dziewczyna</b>"},
            {"Zug", "<i>der</i> <b>pociąg</b>"_w},
        };
    }

    void SetUp() override {
        answers.clear();
        forms::setModal(&answers);
        forms::Application::clearEndRequest();
        // Polish letters in the folder's name, as an installation may have.
        folder = std::filesystem::temp_directory_path() /
                 ("wortel_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name()) /
                 "Słownik";
        std::filesystem::remove_all(folder.parent_path());
        std::filesystem::create_directories(folder / "wyrazy");
        ownRegistry.emplace(folder.parent_path() / "registry");
        writeBase(smallBase());
        text::writeLines(folder / "y.dat", {"Apfel", "Haus"});
        text::writeLines(folder / "x.dat", {"Apfel <i>der</i> <b>jab\xB3ko</b>", "Haus <i>das</i> <b>m\xF3j dom</b>"});
        text::writeLines(folder / "data.dat", {ShortDate::format(ShortDate::today())});
        text::writeLines(folder / "3.dat", {"<p>Witaj</p>"});
    }

    void TearDown() override {
        program.reset();
        forms::drive::processEvents();
        forms::setModal(nullptr);
        ownRegistry.reset();
        std::filesystem::current_path(std::filesystem::temp_directory_path());
        std::filesystem::remove_all(folder.parent_path());
    }

    void writeBase(const std::vector<std::pair<std::string, std::string>>& base) {
        std::vector<std::string> heads, lines;
        for (const auto& [h, e] : base) {
            heads.push_back(h);
            lines.push_back(h + " " + e);
        }
        text::writeLines(folder / "b.dat", heads);
        text::writeLines(folder / "a.dat", lines);
    }

    Form1& open() {
        program = std::make_unique<Program>(folder);
        program->form1().show();
        return program->form1();
    }

    std::string read(const std::string& name) const {
        std::string s;
        text::readFile(folder / name, s);
        return s;
    }
    std::vector<std::string> lines(const std::string& name) const {
        std::vector<std::string> l;
        text::readLines(folder / name, l);
        return l;
    }
    std::vector<std::string> messages() const {
        std::vector<std::string> m;
        for (const auto& a : answers.asked("message")) m.push_back(a.text);
        return m;
    }

    forms::ScriptedAnswers answers;
    std::filesystem::path folder;
    std::unique_ptr<Program> program;
    std::optional<registry::testing::OwnRegistry> ownRegistry;
};

}  // namespace dictionary::testing
