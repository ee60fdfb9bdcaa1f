#pragma once
// Test fixture: a program folder in a temporary folder, with the scripted
// answers installed. Only the tests include it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "files/FileSystem.h"
#include "forms/ScriptedAnswers.h"
#include "pageeditor/core/MessageList.h"
#include "pageeditor/core/Sites.h"
#include "text/LineFile.h"

namespace pageeditor::testing {

namespace fs = std::filesystem;

class AppFolder : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/pagewrightXXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        dir = tmpl;
        appDir = files::platformName(dir) + "\\";
        forms::setModal(&answers);
        sites.setAppDir(appDir);
        sites.setHooks(hooks());
    }
    void TearDown() override {
        forms::setModal(nullptr);
        std::error_code ec;
        for (auto it = fs::recursive_directory_iterator(dir, ec); it != fs::recursive_directory_iterator(); ++it)
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir, ec);
    }
    SiteHooks hooks() {
        SiteHooks h;
        h.enable = [this](int s) { enabled.push_back(s); };
        h.newPage = [this] { ++newPageRuns; };
        h.openDocument = [this](const std::string& p) { opened.push_back(p); };
        h.closeSiteDocuments = [this](const std::string& f) {
            closedFolders.push_back(f);
            return allowCloseDocuments;
        };
        return h;
    }
    void put(const fs::path& rel, std::string_view bytes = "x") {
        fs::create_directories((dir / rel).parent_path());
        ASSERT_TRUE(text::writeFile(dir / rel, bytes));
    }
    std::string read(const fs::path& rel) const {
        std::string s;
        text::readFile(dir / rel, s);
        return s;
    }
    static std::vector<std::string> captions(const ItemList& list) {
        std::vector<std::string> out;
        for (const auto& i : list) out.push_back(i.caption);
        return out;
    }
    std::vector<std::string> messageTexts() const {
        std::vector<std::string> out;
        for (const auto& a : answers.asked("message")) out.push_back(a.text);
        return out;
    }

    fs::path dir;
    std::string appDir;
    forms::ScriptedAnswers answers;
    MessageList messages;
    Sites sites{messages, ""};
    std::vector<int> enabled;
    int newPageRuns = 0;
    std::vector<std::string> opened, closedFolders;
    bool allowCloseDocuments = true;
};

}  // namespace pageeditor::testing
