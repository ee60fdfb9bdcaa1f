#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "forms/TestApplication.h"
#include "forms/WidgetAnswers.h"
#include "shell/Shell.h"
#include "shell/TestOpener.h"
#include "text/CodePage.h"
#include "text/Paths.h"

using namespace text::literals;

namespace {

// Addresses and files named in Windows-1250 reach the desktop's opener as
// the same letters: UTF-8, escaped as an address needs it.
TEST(ShellOnTheDesktop, TargetsReachTheOpenerWithTheirLetters) {
    shell::testing::TestOpener opener;
    forms::WidgetAnswers desktop;
    forms::setModal(&desktop);
    const std::string pid = std::to_string(::getpid());
    const auto folder = std::filesystem::temp_directory_path() / ("shell_" + pid) / "Słownik";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "pomoc.html") << "<p>Pomoc</p>";
    const std::string folderText = text::pathText(folder);  // the program's own text of the folder
    std::string backslashed = folderText;
    for (char& c : backslashed)
        if (c == '/') c = '\\';
    const std::string helpUrl = "file://" + std::filesystem::temp_directory_path().string() + "/shell_" + pid +
                                "/S%C5%82ownik/pomoc.html\n";
    struct Case {
        std::string target, directory, opened;
    } cases[] = {
        {"http://pl.wikipedia.org/wiki/Łódź"_w, "", "http://pl.wikipedia.org/wiki/%C5%81%C3%B3d%C5%BA\n"},
        {"http://example.pl/ąćęłńóśźżĄĆĘŁŃÓŚŹŻ„”–—€…"_w, "",
         "http://example.pl/%C4%85%C4%87%C4%99%C5%82%C5%84%C3%B3%C5%9B%C5%BA%C5%BC%C4%84%C4%86%C4%98%C5%81%C5%83"
         "%C3%93%C5%9A%C5%B9%C5%BB%E2%80%9E%E2%80%9D%E2%80%93%E2%80%94%E2%82%AC%E2%80%A6\n"},
        {"http://pl.wikipedia.org/wiki/%C5%81%C3%B3d%C5%BA", "", "http://pl.wikipedia.org/wiki/%C5%81%C3%B3d%C5%BA\n"},
        {folderText + "/pomoc.html", "", helpUrl},
        {"pomoc.html", folderText, helpUrl},
        {backslashed + "\\pomoc.html", "", helpUrl},
    };
    for (const auto& c : cases) {
        EXPECT_GT(shell::execute("Open", c.target, "", c.directory), 32) << c.target;
        EXPECT_EQ(opener.next(), c.opened) << c.target;
    }
    // A file that is not there is reported, and the desktop is not asked.
    EXPECT_EQ(shell::execute("Open", folderText + "/brak.html"), 2);
    EXPECT_EQ(opener.next(300), "");
    forms::setModal(nullptr);
    std::filesystem::remove_all(folder.parent_path());
}

}  // namespace
