#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <iostream>

#include "files/FileSystem.h"
#include "files/ProfileFile.h"
#include "files/ShellCopy.h"
#include "files/testing/FullDisk.h"
#include "files/testing/SaveTrials.h"
#include "text/CodePage.h"
#include "text/LineFile.h"

using namespace files;
using namespace text::literals;

namespace {

class TempDir : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/filesXXXXXX";
        ASSERT_NE(::mkdtemp(tmpl), nullptr);
        dir = tmpl;
    }
    void TearDown() override {
        // Read-only entries are made writable again so the tree can go.
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
    std::vector<std::string> names(const std::vector<Entry>& entries) {
        std::vector<std::string> out;
        for (const auto& e : entries) out.push_back(e.name);
        return out;
    }
    std::string name() const { return platformName(dir); }  // the folder as the programs write it
    fs::path dir;
};

}  // namespace

TEST(RealPath, BackslashNamesBecomeRealPaths) {
    EXPECT_EQ(realPath("webpages\\site\\index.html"), fs::path("webpages/site/index.html"));
    EXPECT_EQ(realPath("webpages\\strona\\"), fs::path("webpages/strona/"));
    EXPECT_EQ(realPath("data\\gęś.jpg"_w), fs::path("data/gęś.jpg"));
    EXPECT_EQ(platformName(fs::path("a/gęś")), "a\\gęś"_w);
}

TEST(Mask, PlatformWildcards) {
    struct Case {
        const char *name, *mask;
        bool match;
    } cases[] = {
        {"README", "*.*", true},   {"a.b.c", "*.*", true},      {"index.html", "*.html", true},
        {"INDEX.HTML", "*.html", true}, {"index.htm", "*.html", false}, {"a", "?", true},
        {"ab", "?", false},        {"menu.ht.bmp", "*.bmp", true}, {"x", "*", true},
        {"page1.html", "page?.*", true}, {"page", "page.*", true},   {"pagex", "page.*", false},
    };
    for (const auto& c : cases) EXPECT_EQ(matchesMask(c.name, c.mask), c.match) << c.name << " ~ " << c.mask;
    EXPECT_TRUE(matchesMask("ŚWIAT.txt"_w, "świat.*"_w));
}

TEST(Names, ForbiddenCharactersAreRefused) {
    for (const char* bad : {"a:b", "a<b", "a>b", "a|b", "a?b", "a*b", "a\"b", "a\\b", "a/b", "a\tb", "", ".", ".."})
        EXPECT_FALSE(isAllowedName(bad)) << bad;
    for (const char* good : {"moja strona", "a,b", "it's", "a.b", "gęś"})
        EXPECT_TRUE(isAllowedName(good)) << good;
}

TEST_F(TempDir, ListingIsInNameOrderWithoutRegardToCase) {
    for (const char* n : {"b.html", "A.html", "c", ".hidden", "Ba.txt"}) put(n);
    fs::create_directory(dir / "data");
    // A leading dot hides nothing (the platform's hidden attribute does).
    EXPECT_EQ(names(listFolder(dir, "*.*")), (std::vector<std::string>{".hidden", "A.html", "b.html", "Ba.txt", "c"}));
    EXPECT_EQ(names(listFolder(dir, "*.*", {true, true})),
              (std::vector<std::string>{".hidden", "A.html", "b.html", "Ba.txt", "c", "data"}));
    EXPECT_EQ(names(search(name() + "\\*.HTML")), (std::vector<std::string>{"A.html", "b.html"}));
    EXPECT_TRUE(listFolder(dir / "missing", "*.*").empty());
}

TEST_F(TempDir, ReadOnlyMeansNoDeletionEvenForRoot) {
    put("ro.txt");
    fs::create_directory(dir / "rodir");
    ASSERT_TRUE(setReadOnly(dir / "ro.txt", true));
    ASSERT_TRUE(setReadOnly(dir / "rodir", true));
    EXPECT_TRUE(isReadOnly(dir / "ro.txt"));
    EXPECT_FALSE(removeFile(dir / "ro.txt"));
    EXPECT_FALSE(removeFolder(dir / "rodir"));
    EXPECT_TRUE(fs::exists(dir / "ro.txt"));
    EXPECT_TRUE(fs::exists(dir / "rodir"));
    EXPECT_FALSE(writeFile(dir / "ro.txt", "new"));
    EXPECT_EQ(read("ro.txt"), "x");
    ASSERT_TRUE(setReadOnly(dir / "ro.txt", false));
    EXPECT_TRUE(removeFile(dir / "ro.txt"));
}

TEST_F(TempDir, FoldersAreMadeOneAtATime) {
    EXPECT_TRUE(makeFolder(dir / "site"));
    EXPECT_FALSE(makeFolder(dir / "site"));          // exists
    EXPECT_TRUE(makeFolder(realPath(name() + "\\webpages\\")));  // named with its trailing backslash
    EXPECT_TRUE(fs::is_directory(dir / "webpages"));
    EXPECT_FALSE(makeFolder(dir / "no" / "parent"));  // parent missing
    EXPECT_FALSE(makeFolder(dir / "a:b"));            // forbidden name
    EXPECT_FALSE(fs::exists(dir / "a:b"));
    EXPECT_FALSE(removeFolder(dir / "missing"));
    put("site/page.html");
    EXPECT_FALSE(removeFolder(dir / "site"));  // not empty
}

TEST_F(TempDir, CopyNeverOverwritesAndReportsEveryFailure) {
    put("src.txt", "source");
    put("old.txt", "old");
    EXPECT_FALSE(copyFile(dir / "src.txt", dir / "old.txt"));
    EXPECT_EQ(read("old.txt"), "old");
    EXPECT_FALSE(copyFile(dir / "missing.txt", dir / "new.txt"));
    EXPECT_FALSE(fs::exists(dir / "new.txt"));
    EXPECT_FALSE(copyFile(dir / "src.txt", dir / "a?b.txt"));
    EXPECT_FALSE(copyFile(dir / "src.txt", dir / "nofolder" / "x.txt"));
    EXPECT_TRUE(copyFile(dir / "src.txt", dir / "new.txt"));
    EXPECT_EQ(read("new.txt"), "source");
    setReadOnly(dir / "src.txt", true);
    EXPECT_TRUE(copyFile(dir / "src.txt", dir / "ro-copy.txt"));
    EXPECT_TRUE(isReadOnly(dir / "ro-copy.txt"));
    // Replacing: the copy takes the place of a file, never of a folder or a
    // read-only file; nothing of ours stays beside them.
    EXPECT_TRUE(copyFile(dir / "src.txt", dir / "old.txt", CopyMode::Replace));
    EXPECT_EQ(read("old.txt"), "source");
    fs::create_directory(dir / "folder");
    EXPECT_FALSE(copyFile(dir / "src.txt", dir / "folder", CopyMode::Replace));
    EXPECT_FALSE(copyFile(dir / "old.txt", dir / "ro-copy.txt", CopyMode::Replace));
    EXPECT_EQ(read("ro-copy.txt"), "source");
    for (const auto& e : listFolder(dir, "*", Include{false, true})) EXPECT_FALSE(isTemporaryName(e.name)) << e.name;
}

TEST_F(TempDir, OwnerOnlyFilesAreReadableByTheOwnerAlone) {
    ASSERT_TRUE(writeFile(dir / "secret.prj", "pass=x\r\n", Access::OwnerOnly));
    struct stat st {};
    ASSERT_EQ(::stat((dir / "secret.prj").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_FALSE(fs::exists(dir / "secret.prj.~wr"));
}

TEST_F(TempDir, ProfileKeysUpdatedInPlaceOtherLinesKept) {
    put("p.ini",
        "; comment\r\n[Project]\r\nAuthor = Jan \r\nname=strona\r\n\r\n[other]\r\nname=inna\r\nx=1\r\n");
    ProfileFile f(dir / "p.ini");
    ASSERT_TRUE(f.load());
    EXPECT_EQ(f.read("project", "AUTHOR"), "Jan");   // case, trimmed
    EXPECT_EQ(f.read("OTHER", "name"), "inna");
    EXPECT_EQ(f.read("project", "email", "brak"), "brak");
    EXPECT_EQ(f.read("missing", "name"), "");
    f.write("project", "author", "Anna");
    f.write("project", "email", "a@b.pl");
    f.write("new", "k", "v");
    f.write("other", "x", "line\r\npass=evil");
    ASSERT_TRUE(f.save());
    EXPECT_EQ(read("p.ini"),
              "; comment\r\n[Project]\r\nAuthor =Anna\r\nname=strona\r\nemail=a@b.pl\r\n\r\n[other]\r\nname=inna\r\n"
              "x=line  pass=evil\r\n[new]\r\nk=v\r\n");
    EXPECT_EQ(f.keys("other"), (std::vector<std::string>{"name", "x"}));
    EXPECT_EQ(f.sections(), (std::vector<std::string>{"Project", "other", "new"}));
}

// Lookups after each kind of change: a key added inside an earlier section
// moves every later line, a new section goes to the end, a changed value may
// turn its line into a header; a repeated section and the lines before the
// first one are never read.
TEST_F(TempDir, ProfileLookupsFollowEveryChange) {
    put("p.ini", "top=0\r\n[a]\r\nk=1\r\nK=dup\r\n\r\n[b]\r\nk=2\r\n[A]\r\nk=3\r\nonly=3\r\n[c]\r\n[x=1\r\nk=9\r\n");
    ProfileFile f(dir / "p.ini");
    ASSERT_TRUE(f.load());
    struct Look {
        const char* section;
        const char* key;
        const char* value;
    };
    auto expect = [&f](std::initializer_list<Look> looks, const char* after) {
        for (const Look& l : looks)
            EXPECT_EQ(f.read(l.section, l.key, "-"), l.value) << after << ": [" << l.section << "] " << l.key;
    };
    expect({{"a", "k", "1"}, {" A ", "K", "1"}, {"a", "only", "-"}, {"b", "k", "2"}, {"", "top", "-"}, {"c", "[x", "1"}},
           "as read");
    f.write("a", "new", "n");  // inserted after k=dup, before the blank line
    expect({{"a", "new", "n"}, {"b", "k", "2"}, {"a", "k", "1"}, {"c", "k", "9"}}, "a key inside [a]");
    f.write("b", "x=y", "1");  // the key of the line "x=y=1" is x
    expect({{"b", "x", "y=1"}, {"b", "x=y", "-"}, {"b", "k", "2"}, {"c", "k", "9"}}, "a key with its own =");
    f.write("d", "k", "4");
    expect({{"d", "k", "4"}, {"b", "k", "2"}}, "a new section");
    f.write("d", "m", "5");  // [d] is last: added at the end
    expect({{"d", "m", "5"}, {"d", "k", "4"}}, "a key at the end");
    f.write("c", "[x", "]");  // the line "[x=]" is now the header of [x=]
    expect({{"c", "[x", "-"}, {"c", "k", "-"}, {"x=", "k", "9"}, {"d", "m", "5"}}, "a line turned header");
    f.write("b", "k", "22");
    expect({{"b", "k", "22"}, {"d", "k", "4"}}, "a value changed");
    ProfileFile copy = f;
    copy.write("b", "k", "copy");
    EXPECT_EQ(copy.read("b", "k"), "copy");
    EXPECT_EQ(f.read("b", "k"), "22");
    f.setLines({"[b]", "k=set"});
    expect({{"b", "k", "set"}, {"d", "k", "-"}}, "new lines");
}

// Keys added to many sections wait until the lines are needed whole; what
// is stored is what adding each in place gives: after the section's last
// non-blank line (and after the keys added to it before), ahead of its blank
// lines, with lookups, key lists, a copy and a key line that reads as a
// header all seeing them where they go.
TEST_F(TempDir, ProfileKeysAddedToManySectionsAreStoredInPlace) {
    put("p.ini", "; top\r\n[a]\r\nk=1\r\n\r\n\r\n[b]\r\n[c]\r\nk=3\r\n; note\r\n\r\n[A]\r\nk=dup\r\n[d]\r\n \r\n");
    ProfileFile f(dir / "p.ini");
    ASSERT_TRUE(f.load());
    f.write("a", "x", "1");
    f.write("c", "x", "3");
    f.write("a", "y", "2");
    f.write("b", "x", "b");
    f.write("d", "x", "d");
    f.write("a", "x", "changed");  // an added key written again
    f.write("e", "x", "e");        // a new section, after [d]'s added key
    f.write("e", "y", "e2");
    EXPECT_EQ(f.read("a", "x"), "changed");
    EXPECT_EQ(f.read("A", "Y"), "2");
    EXPECT_EQ(f.read("c", "k"), "3");
    EXPECT_EQ(f.keys("a"), (std::vector<std::string>{"k", "x", "y"}));
    EXPECT_EQ(f.keys("c"), (std::vector<std::string>{"k", "x"}));
    EXPECT_EQ(f.sections(), (std::vector<std::string>{"a", "b", "c", "A", "d", "e"}));
    const std::string stored =
        "; top\r\n[a]\r\nk=1\r\nx=changed\r\ny=2\r\n\r\n\r\n[b]\r\nx=b\r\n[c]\r\nk=3\r\n; note\r\nx=3\r\n\r\n"
        "[A]\r\nk=dup\r\n[d]\r\nx=d\r\n \r\n[e]\r\nx=e\r\ny=e2\r\n";
    ProfileFile copy = f;
    copy.write("b", "z", "copy");
    EXPECT_EQ(f.read("b", "z", "-"), "-");
    EXPECT_EQ(copy.read("b", "z"), "copy");
    ASSERT_TRUE(f.save());
    EXPECT_EQ(read("p.ini"), stored);
    f.write("b", "y", "after");  // added after the save, before [c]
    f.write("c", "[s]", "");     // the line "[s]=" reads as the header of [s]
    EXPECT_EQ(f.sections(), (std::vector<std::string>{"a", "b", "c", "s", "A", "d", "e"}));
    EXPECT_EQ(f.read("c", "x"), "3");
    EXPECT_EQ(f.read("s", "k", "-"), "-");
    EXPECT_EQ(f.read("b", "y"), "after");
    ASSERT_TRUE(f.save());
    EXPECT_EQ(read("p.ini"),
              "; top\r\n[a]\r\nk=1\r\nx=changed\r\ny=2\r\n\r\n\r\n[b]\r\nx=b\r\ny=after\r\n[c]\r\nk=3\r\n"
              "; note\r\nx=3\r\n[s]=\r\n\r\n[A]\r\nk=dup\r\n[d]\r\nx=d\r\n \r\n[e]\r\nx=e\r\ny=e2\r\n");
}

TEST_F(TempDir, ProfileWriteStringCreatesAndKeepsOrder) {
    fs::path p = dir / "project.prj";
    for (const char* k : {"author", "name", "email", "author", "host"})
        ASSERT_TRUE(ProfileFile::writeString(p, "project", k, std::string("v-") + k, Access::OwnerOnly));
    EXPECT_EQ(read("project.prj"), "[project]\r\nauthor=v-author\r\nname=v-name\r\nemail=v-email\r\nhost=v-host\r\n");
    EXPECT_EQ(ProfileFile::readString(p, "PROJECT", "Host"), "v-host");
    EXPECT_EQ(ProfileFile::readString(dir / "none.prj", "project", "host"), "");
}

class ShellCopyTest : public TempDir {};

TEST_F(ShellCopyTest, MaskedTreeCopyMakesTheDestination) {
    put("site/index.html", "i");
    put("site/data/a.jpg", "a");
    put("site/data/sub/b.gif", "b");
    put("site/.hidden", "h");
    auto r = shellCopy(name() + "\\site\\*.*", name() + "\\out\\new", shellflags::AllowUndo | shellflags::NoConfirmMkDir);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.copied, 4);
    EXPECT_EQ(read("out/new/data/sub/b.gif"), "b");
    EXPECT_EQ(read("out/new/.hidden"), "h");
}

TEST_F(ShellCopyTest, AsksBeforeReplacing) {
    put("src/a.txt", "new a");
    put("src/b.txt", "new b");
    put("src/c.txt", "new c");
    put("dst/a.txt", "old a");
    put("dst/b.txt", "old b");
    put("dst/c.txt", "old c");
    struct Case {
        std::vector<int> answers;
        const char *a, *b, *c;
        bool aborted;
    } cases[] = {
        {{6, 7, 6}, "new a", "old b", "new c", false},
        {{7, 2}, "old a", "old b", "old c", true},
    };
    for (const auto& c : cases) {
        for (const char* n : {"a", "b", "c"}) {
            fs::remove(dir / "dst" / (std::string(n) + ".txt"));
            put(fs::path("dst") / (std::string(n) + ".txt"), std::string("old ") + n);
        }
        std::vector<std::string> asked;
        std::size_t i = 0;
        auto r = shellCopy(name() + "\\src\\*.*", name() + "\\dst", 576, [&](const std::string& n) {
            asked.push_back(n);
            return c.answers[i++];
        });
        EXPECT_EQ(r.aborted, c.aborted);
        EXPECT_EQ(read("dst/a.txt"), c.a);
        EXPECT_EQ(read("dst/b.txt"), c.b);
        EXPECT_EQ(read("dst/c.txt"), c.c);
        EXPECT_EQ(asked.size(), c.answers.size());
    }
    // Without a question nothing is replaced.
    auto r = shellCopy(name() + "\\src\\*.*", name() + "\\dst", 576);
    EXPECT_EQ(r.skipped, 3);
    EXPECT_EQ(read("dst/b.txt"), "old b");
}

TEST_F(ShellCopyTest, FolderWithoutMaskAndDestinationInsideSource) {
    put("site/index.html", "i");
    fs::create_directory(dir / "export");
    EXPECT_TRUE(shellCopy(name() + "\\site", name() + "\\export", 576).ok);
    EXPECT_EQ(read("export/site/index.html"), "i");
    EXPECT_TRUE(shellCopy(name() + "\\site\\", name() + "\\fresh", 576).ok);
    EXPECT_EQ(read("fresh/index.html"), "i");
    auto r = shellCopy(name() + "\\site\\*.*", name() + "\\site\\copy", 576);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(fs::exists(dir / "site" / "copy"));
    EXPECT_FALSE(shellCopy(name() + "\\missing", name() + "\\export", 576).ok);
}

// Saves: all or nothing, and the reason of a failure told.

namespace {

SaveStep failing = SaveStep::Create;
int failWith = 0;
int failStep(SaveStep step) { return step == failing ? failWith : 0; }

struct HookReset {
    ~HookReset() { setSaveStepHook(nullptr); }
};

std::vector<std::string> temporaries(const fs::path& folder) {
    std::vector<std::string> out;
    for (const auto& e : listFolder(folder, "*", Include{false, true}))
        if (isTemporaryName(e.name)) out.push_back(e.name);
    return out;
}

}  // namespace

TEST_F(TempDir, AFailedStepLeavesTheOldFileAndNoTemporary) {
    HookReset reset;
    struct Case {
        SaveStep step;
        int err;
        bool replaced;  // the new bytes are in place (the folder flush comes after the rename)
    };
    const Case cases[] = {
        {SaveStep::Create, EACCES, false}, {SaveStep::Write, ENOSPC, false}, {SaveStep::Flush, EIO, false},
        {SaveStep::Close, EIO, false},     {SaveStep::Rename, EROFS, false}, {SaveStep::FlushFolder, EIO, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.step));
        put("page.html", "old");
        failing = c.step;
        failWith = c.err;
        setSaveStepHook(failStep);
        std::error_code why;
        EXPECT_FALSE(writeFile(dir / "page.html", "new", Access::Normal, &why));
        setSaveStepHook(nullptr);
        EXPECT_EQ(why.value(), c.err);
        EXPECT_FALSE(failureText(why).empty());
        EXPECT_EQ(read("page.html"), c.replaced ? "new" : "old");
        EXPECT_TRUE(temporaries(dir).empty());
    }
    std::error_code why;
    EXPECT_TRUE(writeFile(dir / "page.html", "new", Access::Normal, &why));
    EXPECT_FALSE(why);
    EXPECT_EQ(failureText(why), "");
    EXPECT_EQ(failureText(std::error_code(ENOSPC, std::generic_category())), "brak miejsca na dysku"_w);
}

TEST_F(TempDir, RefusedSavesSayWhy) {
    put("ro.txt", "old");
    setReadOnly(dir / "ro.txt", true);
    fs::create_directory(dir / "folder");
    fs::create_directory(dir / "locked");
    struct Case {
        fs::path target;
        int err;
    } const cases[] = {
        {dir / "ro.txt", EACCES},       {dir / "folder", EISDIR},         {dir / "a?b.html", EINVAL},
        {dir / "no" / "x.html", ENOENT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target.string());
        std::error_code why;
        EXPECT_FALSE(writeFile(c.target, "new", Access::Normal, &why));
        EXPECT_EQ(why.value(), c.err);
    }
    EXPECT_EQ(read("ro.txt"), "old");
    EXPECT_TRUE(temporaries(dir).empty());
}

TEST_F(TempDir, SavedFileKeepsItsPermissionsAndTheTemporaryIsOwnerOnly) {
    HookReset reset;
    put("shared.html", "old");
    ::chmod((dir / "shared.html").c_str(), 0644);
    static fs::path watched;
    static mode_t seen = 0;
    watched = temporaryFor(dir / "shared.html");
    setSaveStepHook([](SaveStep step) {
        struct stat st {};
        if (step == SaveStep::Write && ::stat(watched.c_str(), &st) == 0) seen = st.st_mode & 0777;
        return 0;
    });
    ASSERT_TRUE(writeFile(dir / "shared.html", "new"));
    EXPECT_EQ(seen, 0600u);  // while the bytes are written
    struct stat st {};
    ASSERT_EQ(::stat((dir / "shared.html").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
}

TEST_F(TempDir, LeftoverTemporariesOfProcessesThatAreGoneAreRemoved) {
    for (const char* name : {"index.html.~wr", "index.html.~wr999999", "project.prj.~wr12x", "~wr1", "a.~wr"})
        put(name);
    put("index.html.~wr" + std::to_string(::getppid()));  // a save still under way in a running process
    EXPECT_EQ(removeLeftoverTemporaries(dir), 3);
    EXPECT_EQ(temporaries(dir), std::vector<std::string>{"index.html.~wr" + std::to_string(::getppid())});
    EXPECT_TRUE(fs::exists(dir / "project.prj.~wr12x"));
    EXPECT_TRUE(fs::exists(dir / "~wr1"));
    EXPECT_TRUE(isTemporaryName(temporaryFor("x.html").string()));
}

// The child of the crash trials below: saves a page of several blocks.
TEST(SaveChild, WritesTheNewPage) {
    if (!files::testing::inSaveChild()) GTEST_SKIP() << "run by the crash trials";
    files::testing::runSaveChild([] { writeFile(fs::path(std::getenv("SAVE_TRIAL_DIR")) / "page.html", std::string(300000, 'n')); });
}

TEST_F(TempDir, KilledSaveLeavesTheOldFileOrTheNewOne) {
    ::setenv("SAVE_TRIAL_DIR", dir.c_str(), 1);
    const std::string oldPage(200000, 'o'), newPage(300000, 'n');
    auto prepare = [&] { put("page.html", oldPage); };
    auto look = [&] {
        std::string now = read("page.html");
        return now == oldPage ? files::testing::Seen::Old : now == newPage ? files::testing::Seen::New : files::testing::Seen::Other;
    };
    files::testing::Figures steps = files::testing::killAtEachStep("SaveChild.WritesTheNewPage", prepare, look, {dir});
    std::cout << "killed at each step: " << steps.text() << "\n";
    EXPECT_GE(steps.trials, 9);  // create, five blocks, flush, close, rename, folder flush
    EXPECT_EQ(steps.other, 0);
    EXPECT_EQ(steps.leftovers, 0);
    EXPECT_GT(steps.old, 0);
    EXPECT_GT(steps.fresh, 0);
    files::testing::Figures random =
        files::testing::killAtRandom(60, "SaveChild.WritesTheNewPage", prepare, look, {dir});
    std::cout << "killed at random: " << random.text() << "\n";
    EXPECT_EQ(random.other, 0);
    EXPECT_EQ(random.leftovers, 0);
}

// The children of the copy trials below: a picture copied into a site
// folder where it is not yet, and an exported page copied over the one the
// target folder has (the shell copy after its replace question).
TEST(CopyChild, CopiesThePicture) {
    if (!files::testing::inSaveChild()) GTEST_SKIP() << "run by the crash trials";
    const fs::path dir = std::getenv("SAVE_TRIAL_DIR");
    files::testing::runSaveChild([&] { copyFile(dir / "source.jpg", dir / "site" / "picture.jpg"); });
}

TEST(CopyChild, ReplacesThePage) {
    if (!files::testing::inSaveChild()) GTEST_SKIP() << "run by the crash trials";
    const fs::path dir = std::getenv("SAVE_TRIAL_DIR");
    files::testing::runSaveChild([&] {
        shellCopy(platformName(dir / "source.jpg"), platformName(dir / "site"), shellflags::NoConfirmMkDir,
                  [](const std::string&) { return 6; });
    });
}

// A copy killed at each of its steps and at random moments: the target holds
// what it held (nothing, or the old file) or the whole copy, and the clearing
// of leftovers at the next start leaves no temporary file.
TEST_F(TempDir, KilledCopyLeavesTheOldFileOrTheWholeCopy) {
    ::setenv("SAVE_TRIAL_DIR", dir.c_str(), 1);
    const std::string copied(300000, 'n'), old(200000, 'o');
    put("source.jpg", copied);
    struct Case {
        const char* child;
        fs::path target;
        bool hadOne;  // the target exists before the copy
    } cases[] = {
        {"CopyChild.CopiesThePicture", dir / "site" / "picture.jpg", false},
        {"CopyChild.ReplacesThePage", dir / "site" / "source.jpg", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.child);
        // Anything beside the target once the leftovers were cleared, of
        // whatever name.
        fs::remove_all(dir / "site");
        auto countStrays = [&] {
            if (!fs::exists(dir / "site")) return;
            for (const auto& e : fs::directory_iterator(dir / "site"))
                if (e.path() != c.target) ADD_FAILURE() << "beside the target: " << e.path();
        };
        auto prepare = [&] {
            countStrays();
            fs::remove_all(dir / "site");
            fs::create_directories(dir / "site");
            if (c.hadOne) put("site" / c.target.filename(), old);
        };
        auto look = [&] {
            if (!fs::exists(c.target)) return c.hadOne ? files::testing::Seen::Other : files::testing::Seen::Old;
            std::string now;
            text::readFile(c.target, now);
            if (now == copied) return files::testing::Seen::New;
            return c.hadOne && now == old ? files::testing::Seen::Old : files::testing::Seen::Other;
        };
        files::testing::Figures steps = files::testing::killAtEachStep(c.child, prepare, look, {dir / "site"});
        std::cout << c.child << " killed at each step: " << steps.text() << "\n";
        EXPECT_GE(steps.trials, 9);  // create, five blocks, flush, close, rename, folder flush
        EXPECT_EQ(steps.other, 0);
        EXPECT_EQ(steps.leftovers, 0);
        EXPECT_GT(steps.old, 0);
        EXPECT_GT(steps.fresh, 0);
        files::testing::Figures random = files::testing::killAtRandom(60, c.child, prepare, look, {dir / "site"});
        std::cout << c.child << " killed at random: " << random.text() << "\n";
        EXPECT_EQ(random.other, 0);
        EXPECT_EQ(random.leftovers, 0);
        countStrays();
    }
}

// Names as long as the file system takes (255 bytes), of plain letters and
// of Polish ones (two bytes each): they are copied and saved, and the
// temporary file beside them is a name of ours that the clearing of
// leftovers finds.
TEST_F(TempDir, NamesAsLongAsTheFileSystemTakesAreCopiedAndSaved) {
    put("source.jpg", "picture");
    const std::string ogonki = "ąęśćżźółń"_w;
    std::string polish;
    for (int i = 0; polish.size() < 125; ++i) polish += ogonki[i % ogonki.size()];
    for (const std::string& name : {std::string(251, 'a') + ".jpg", "a" + polish + ".jpg"}) {
        fs::path target = realPath(name);
        SCOPED_TRACE(target.string());
        ASSERT_EQ(target.string().size(), 255u);
        EXPECT_TRUE(copyFile(dir / "source.jpg", dir / target));
        EXPECT_EQ(read(target), "picture");
        EXPECT_TRUE(writeFile(dir / target, "saved"));
        EXPECT_EQ(read(target), "saved");
        fs::path temporary = temporaryFor(dir / target);
        EXPECT_LE(temporary.filename().string().size(), 255u);
        put(temporary.filename(), "left by a crash");
        EXPECT_EQ(removeLeftoverTemporaries(dir), 1);
        EXPECT_FALSE(fs::exists(temporary));
        fs::remove(dir / target);
    }
}

TEST_F(TempDir, LeftoversOfCopiesGoAndSubFoldersOnRequest) {
    for (const char* name : {"a.html.~cp", "data/img/b.jpg.~wr999999", "data/img/c.jpg", "data/d.jpg.~cp"}) put(name);
    fs::create_symlink(dir / "data", dir / "link");  // never followed
    EXPECT_EQ(removeLeftoverTemporaries(dir), 1);
    EXPECT_EQ(removeLeftoverTemporaries(dir, true), 2);
    EXPECT_TRUE(fs::exists(dir / "data/img/c.jpg"));
    EXPECT_TRUE(temporaries(dir / "data").empty());
    EXPECT_TRUE(temporaries(dir / "data/img").empty());
}

TEST_F(TempDir, FullDiskLeavesTheOldFile) {
    fs::path disk = dir / "disk";
    fs::create_directory(disk);
    files::testing::FullDisk full(disk, 64);
    ASSERT_TRUE(writeFile(disk / "index.html", std::string(20000, 'o')));
    full.fill();
    std::error_code why;
    EXPECT_FALSE(writeFile(disk / "index.html", std::string(100000, 'n'), Access::Normal, &why));
    EXPECT_EQ(why.value(), ENOSPC);
    std::string now;
    text::readFile(disk / "index.html", now);
    EXPECT_EQ(now, std::string(20000, 'o'));
    EXPECT_TRUE(temporaries(disk).empty());
}
