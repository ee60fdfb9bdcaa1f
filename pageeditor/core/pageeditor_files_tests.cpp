#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "files/FileSystem.h"
#include "pageeditor/core/FileRoutines.h"
#include "text/LineFile.h"

using namespace pageeditor;
namespace fs = std::filesystem;

namespace {

class FileRoutinesTest : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/perXXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        dir = tmpl;
        root = files::platformName(dir) + "\\";
    }
    void TearDown() override {
        std::error_code ec;
        for (auto it = fs::recursive_directory_iterator(dir, ec); it != fs::recursive_directory_iterator(); ++it)
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir, ec);
    }
    void put(const fs::path& rel, std::string_view bytes = "x") {
        fs::create_directories((dir / rel).parent_path());
        ASSERT_TRUE(text::writeFile(dir / rel, bytes));
    }
    std::string read(const fs::path& rel) {
        std::string s;
        text::readFile(dir / rel, s);
        return s;
    }
    fs::path dir;
    std::string root;  // the folder as the editor writes it, ending in "\"
};

}  // namespace

TEST(TrailingBackslash, AppendedOnlyToNonEmptyPathsWithoutOne) {
    struct Case {
        const char *in, *out;
    } cases[] = {{"", ""}, {"C:\\", "C:\\"}, {"webpages\\site", "webpages\\site\\"}, {"a\\", "a\\"}};
    for (const auto& c : cases) {
        std::string p = c.in;
        AddTrailingBackslash(p);
        EXPECT_EQ(p, c.out);
        EXPECT_EQ(WithTrailingBackslash(c.in), c.out);
    }
}

TEST_F(FileRoutinesTest, ClearFolderStopsAtAReadOnlyFile) {
    put("site/a.html");
    put("site/B.html");
    put("site/c.html");
    put("site/data/d.jpg");
    put("site/README");  // no dot: "*.*" still finds it
    files::setReadOnly(dir / "site/B.html", true);
    EXPECT_FALSE(ClearFolder(root + "site"));
    EXPECT_FALSE(fs::exists(dir / "site/a.html"));  // before it in name order
    EXPECT_TRUE(fs::exists(dir / "site/B.html"));
    EXPECT_TRUE(fs::exists(dir / "site/c.html"));   // after it: kept
    EXPECT_TRUE(fs::exists(dir / "site/data/d.jpg"));
    EXPECT_FALSE(DeleteFolderTree(root + "site"));
    EXPECT_TRUE(fs::exists(dir / "site/B.html"));
    files::setReadOnly(dir / "site/B.html", false);
    EXPECT_TRUE(DeleteFolderTree(root + "site\\"));
    EXPECT_FALSE(fs::exists(dir / "site"));
}

TEST_F(FileRoutinesTest, DeleteFolderTreeMissingEmptyAndLinked) {
    EXPECT_FALSE(DeleteFolderTree(root + "missing"));
    EXPECT_TRUE(ClearFolder(root + "missing"));  // cannot be searched: nothing failed
    fs::create_directory(dir / "empty");
    EXPECT_TRUE(DeleteFolderTree(root + "empty"));
    EXPECT_FALSE(fs::exists(dir / "empty"));
    // A link inside a site is removed as a link; what it points to stays.
    put("outside/keep.txt");
    put("site/index.html");
    fs::create_directory_symlink(dir / "outside", dir / "site" / "link");
    EXPECT_TRUE(DeleteFolderTree(root + "site"));
    EXPECT_TRUE(fs::exists(dir / "outside/keep.txt"));
}

TEST_F(FileRoutinesTest, CopyFolderTreeNeverOverwrites) {
    put("tpl/data/a.gif", "new a");
    put("tpl/data/b.gif", "new b");
    put("tpl/data/c.gif", "new c");
    put("tpl/data/img/d.png", "new d");
    put("site/data/b.gif", "mine");
    EXPECT_FALSE(CopyFolderTree(root + "tpl\\data", root + "site\\data"));
    EXPECT_EQ(read("site/data/a.gif"), "new a");  // copied before the failure
    EXPECT_EQ(read("site/data/b.gif"), "mine");   // never overwritten
    EXPECT_FALSE(fs::exists(dir / "site/data/c.gif"));
    fs::remove(dir / "site/data/a.gif");
    fs::remove(dir / "site/data/b.gif");
    EXPECT_TRUE(CopyFolderTree(root + "tpl\\data\\", root + "site\\data"));
    EXPECT_EQ(read("site/data/img/d.png"), "new d");  // sub-folder made
    EXPECT_TRUE(CopyFolderTree(root + "tpl\\nothing", root + "site\\data"));  // no source: nothing to copy
    EXPECT_FALSE(CopyFolderTree(root + "tpl\\data", root + "nosite\\data"));  // no destination
}

TEST_F(FileRoutinesTest, WholeFileTextEndsEveryLineWithCrLf) {
    SaveTextToFile(root + "p.html", "a\nb\rc\r\nd");
    EXPECT_EQ(read("p.html"), "a\r\nb\r\nc\r\nd\r\n");
    put("q.html", "x\ny");
    EXPECT_EQ(LoadTextFromFile(root + "q.html"), "x\r\ny\r\n");
    SaveTextToFile(root + "e.html", "");
    EXPECT_EQ(read("e.html"), "");
    EXPECT_THROW(LoadTextFromFile(root + "missing.html"), FileError);
    EXPECT_THROW(SaveTextToFile(root + "no\\folder.html", "x"), FileError);
    EXPECT_TRUE(FolderExists(root));
    EXPECT_FALSE(FolderExists(root + "p.html"));
}

TEST_F(FileRoutinesTest, ListFilesAndFolderSize) {
    put("site/index.html", "12345");
    put("site/project.prj", "123");
    put("site/Setup.cfg", "12");
    put("site/setup.cfg", "1000");
    put("site/setup.webserver", "1000");
    put("site/.hidden", "1000");
    put("site/data/a.jpg", "1234567");
    put("site/data/setup.cfg", "1000");
    std::vector<std::string> list;
    list_files(root + "site", list, "*.*");
    EXPECT_EQ(list, (std::vector<std::string>{root + "site\\.hidden", root + "site\\index.html",
                                              root + "site\\project.prj", root + "site\\Setup.cfg",
                                              root + "site\\setup.cfg", root + "site\\setup.webserver"}));
    std::int64_t total = 10;  // the caller's running total is added to
    folder_size(root + "site", "*.*", total);
    EXPECT_EQ(total, 10 + 4 + 5 + 3 + 2 + 7);
    // An empty folder searches the mask in the current folder.
    fs::path cwd = fs::current_path();
    fs::current_path(dir / "site" / "data");
    std::vector<std::string> here;
    list_files("", here, "*.jpg");
    fs::current_path(cwd);
    EXPECT_EQ(here, (std::vector<std::string>{"a.jpg"}));
}
