// The program base as the build imports it, in a copy of the program folder.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>

#include "dictionary/EntryPages.h"
#include "dictionary/Form1.h"
#include "dictionary/Form3.h"
#include "dictionary/LinkTarget.h"
#include "dictionary/PrintList.h"
#include "dictionary/Program.h"
#include "dictionary/ReverseSearch.h"
#include "forms/Application.h"
#include "forms/TestApplication.h"
#include "forms/ScriptedAnswers.h"
#include "registry/testing/OwnRegistry.h"
#include "text/CaseRules.h"
#include "text/CodePage.h"
#include "text/LineFile.h"
#include "text/Paths.h"
#include "tools/BaseBuilder.h"

namespace fs = std::filesystem;
using namespace dictionary;
using namespace text::literals;

namespace {

fs::path dist() {
    const char* b = std::getenv("SUITE_BINARY_DIR");
    return fs::path(b ? b : "build") / "dist" / "Wortel";
}

class ImportedBase : public ::testing::Test {
protected:
    void SetUp() override {
        forms::setModal(&answers);
        forms::Application::clearEndRequest();
        ASSERT_TRUE(text::readLines(dist() / "b.dat", heads)) << dist();
        ASSERT_TRUE(text::readLines(dist() / "a.dat", lines));
        folder = fs::temp_directory_path() / ("wortel_imported_" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder / "wyrazy");
        ownRegistry.emplace(folder / "config" / "registry");
        for (const char* f : {"a.dat", "b.dat", "3.dat", "data.dat", "niem.jpg", "min.gif", "ikona.ico"})
            fs::copy_file(dist() / f, folder / f);
    }
    void TearDown() override {
        program.reset();
        forms::setModal(nullptr);
        ownRegistry.reset();
        fs::current_path(fs::temp_directory_path());
        fs::remove_all(folder);
    }
    forms::ScriptedAnswers answers;
    std::vector<std::string> heads, lines;
    fs::path folder;
    std::unique_ptr<Program> program;
    std::optional<registry::testing::OwnRegistry> ownRegistry;
};

TEST_F(ImportedBase, FilesKeepTheFormatsTheLookupReliesOn) {
    ASSERT_EQ(heads.size(), lines.size());
    EXPECT_GT(heads.size(), 15000u);
    EXPECT_LE(heads.size(), 32767u);
    std::set<std::string> all(heads.begin(), heads.end());
    std::size_t links = 0;
    for (std::size_t i = 0; i < heads.size(); ++i) {
        const std::string& h = heads[i];
        const std::string& l = lines[i];
        ASSERT_FALSE(h.empty()) << i;
        ASSERT_EQ(h.find(' '), std::string::npos) << h;
        ASSERT_EQ(l.compare(0, h.size() + 1, h + " "), 0) << l;  // parallel files
        if (i > 0) {
            ASSERT_LE(text::collate(heads[i - 1], h), 0) << heads[i - 1] << " / " << h;
        }
        for (unsigned char c : l) {
            // No control characters, no bytes Windows-1250 leaves undefined.
            ASSERT_TRUE(c >= 0x20 && c != 0x81 && c != 0x83 && c != 0x88 && c != 0x90 && c != 0x98) << l;
        }
        ASSERT_NE(l.find("<b>"), std::string::npos) << l;
        if (l.find("href") != std::string::npos) {
            ++links;
            std::string w;
            ASSERT_TRUE(LinkTarget::of(l, w)) << l;
            ASSERT_TRUE(all.count(w)) << l;
            ASSERT_EQ(l.substr(l.size() - (w.size() * 2 + 14)), "href=" + w + ">" + w + "</a></i>") << l;
        }
    }
    EXPECT_GT(links, 10u);
}

TEST_F(ImportedBase, LookupSearchAndLinkOnTheFullBase) {
    program = std::make_unique<Program>(folder);
    Form1& f = program->form1();
    f.show();
    EXPECT_TRUE(answers.asked("message").empty());
    EXPECT_EQ(f.lblIloscWyrazow->caption(), "Znaleziono wyrazów: "_w + std::to_string(heads.size()));
    EXPECT_EQ(program->intIloscWyrazow, static_cast<int>(heads.size()));

    f.Text1->setText("hau");
    ASSERT_GE(f.lstWort->listIndex(), 0);
    EXPECT_TRUE(text::startsWithNoCase(f.lstWort->text(), "hau"));
    std::string page;
    ASSERT_TRUE(text::readFile(EntryPages(folder).pagePath(f.lstWort->text()), page));
    EXPECT_NE(page.find("<b>"), std::string::npos);

    // A headword whose entry links to another: the link shows the other's entry.
    std::size_t i = 0;
    while (i < lines.size() && lines[i].find("href") == std::string::npos) ++i;
    ASSERT_LT(i, lines.size());
    std::string target;
    LinkTarget::of(lines[i], target);
    f.lstWort->setListIndex(static_cast<int>(i));
    f.WebBrowser1->followLink(target);
    EXPECT_EQ(f.lstWort->text(), target);
    EXPECT_EQ(f.WebBrowser1->locationPath(), fs::absolute(EntryPages(folder).pagePath(target)).string());

    // Closing the window deletes the generated pages.
    f.unload();
    EXPECT_TRUE(fs::is_empty(folder / "wyrazy"));
}

// What a learner looks up first: the everyday phrases under their word, the
// pronunciation first in every entry, the subjects as the abbreviation list
// explains them; and the other readers of a.dat still work on such lines.
TEST_F(ImportedBase, PhrasesPronunciationAndSubjectsReachTheEntries) {
    auto lineOf = [&](const std::string& head) {
        for (std::size_t i = 0; i < heads.size(); ++i)
            if (heads[i] == head) return lines[i];
        return std::string();
    };
    const std::pair<const char*, const char*> phrases[] = {
        {"Tag", "<b>guten Tag</b>"},          {"Morgen", "<b>guten Morgen</b>"},
        {"Nacht", "<b>gute Nacht</b>"},       {"wiedersehen", "<b>auf Wiedersehen</b>"},
        {"Beispiel", "<b>zum Beispiel</b>"},  {"Dank", "<b>Gott sei Dank</b>"},
    };
    for (const auto& [head, phrase] : phrases) {
        std::string line = lineOf(head);
        ASSERT_FALSE(line.empty()) << head;
        EXPECT_NE(line.find(phrase), std::string::npos) << line;
        EXPECT_GT(line.find(phrase), line.find('~')) << line;  // among the usage examples
    }
    EXPECT_EQ(lineOf("Haus").rfind("Haus [ha&#650;&#815;s] ", 0), 0u) << lineOf("Haus");
    std::size_t pronounced = 0;
    for (std::size_t i = 0; i < heads.size(); ++i)
        if (lines[i].compare(heads[i].size(), 2, " [") == 0) ++pronounced;
    EXPECT_GT(pronounced, heads.size() * 95 / 100);

    // Every abbreviation the entries use is one the abbreviation window explains.
    const auto listed = Form3::abbreviations();
    for (const auto& [label, abbreviation] : tools::BaseBuilder::subjectAbbreviations()) {
        const std::string a = text::ansi(abbreviation);
        EXPECT_TRUE(std::any_of(listed.begin(), listed.end(), [&](const std::string& l) { return l.rfind(a + " - ", 0) == 0; }))
            << abbreviation;
    }
    EXPECT_NE(lineOf("Acerolakirsche").find("~ <i>bot.</i> Baum"), std::string::npos) << lineOf("Acerolakirsche");

    // Reverse search over lines full of character references, and the print list.
    const struct {
        const char* word;
        ReverseSearch::Mode mode;
        const char* head;
        bool found;
    } searches[] = {
        {"dom", ReverseSearch::Mode::Exact, "Haus", true},
        {"dobry", ReverseSearch::Mode::Everywhere, "Tag", true},  // in a phrase's translation
        {"dobry", ReverseSearch::Mode::Fragment, "Tag", false},   // examples are not searched
        {"przykład", ReverseSearch::Mode::Exact, "Beispiel", true},
    };
    for (const auto& c : searches) {
        std::vector<std::string> found;
        ASSERT_TRUE(ReverseSearch::search(folder / "a.dat", text::ansi(c.word), c.mode, found));
        EXPECT_EQ(std::find(found.begin(), found.end(), c.head) != found.end(), c.found) << c.word;
    }
    auto printed = PrintList::entryLines(folder / "a.dat", "Haus");
    ASSERT_FALSE(printed.empty());
    EXPECT_EQ(printed.front(), lineOf("Haus") + "<br>");
}

}  // namespace
