#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>

#include "registry/BrowserVersion.h"
#include "registry/Registry.h"
#include "files/FileSystem.h"
#include "files/testing/SaveTrials.h"
#include "text/LineFile.h"

using namespace registry;
namespace fs = std::filesystem;

namespace {

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("registry_tests_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        file = dir / "sub" / "registry";
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir, file;
};

TEST_F(RegistryTest, KeysAndValuesIgnoreCaseAndKeepTheirOwn) {
    Registry r(file);
    ASSERT_EQ(r.setString(Hive::LocalMachine, "Software\\Microsoft\\Internet Explorer", "Version", "6.0"), Status::Ok);
    std::string v;
    EXPECT_TRUE(r.getString(Hive::LocalMachine, "SOFTWARE\\microsoft\\INTERNET explorer", "VERSION", v));
    EXPECT_EQ(v, "6.0");
    EXPECT_FALSE(r.getString(Hive::CurrentUser, "Software\\Microsoft\\Internet Explorer", "Version", v))
        << "hives are separate";
    // A second set under other case replaces the value and keeps the first spelling.
    r.setString(Hive::LocalMachine, "software\\microsoft\\internet explorer", "version", "7.0");
    auto vals = r.values(Hive::LocalMachine, "Software\\Microsoft\\Internet Explorer");
    ASSERT_EQ(vals.size(), 1u);
    EXPECT_EQ(vals[0].name, "Version");
    EXPECT_EQ(vals[0].value, Value::string("7.0"));
    EXPECT_EQ(r.subkeys(Hive::LocalMachine, "software"), std::vector<std::string>{"Microsoft"});
    // Polish letters (Windows-1250) compare without regard to case too.
    r.createKey(Hive::CurrentUser, "\xA3\xF3\x64\xBF");  // Łódż
    EXPECT_TRUE(r.keyExists(Hive::CurrentUser, "\xB3\xD3\x44\xAF"));
}

TEST_F(RegistryTest, StringAndDwordValuesOfEveryShapeSurviveAReload) {
    struct Case {
        const char* name;
        Value value;
    } cases[] = {
        {"", Value::string("default value")},
        {"empty", Value::string("")},
        {"a=b", Value::string("x=y")},
        {"100%", Value::string("%41 is not A")},
        {"[brackets]", Value::string("[not a key]")},
        {"lines", Value::string("one\r\ntwo\nthree")},
        {"polish \xB3\xB9", Value::string("\xA3\xF3\x64\xBF \x9C\x9F")},
        {"trailing", Value::string("spaces  ")},
        {"zero", Value::dword(0)},
        {"max", Value::dword(0xFFFFFFFFu)},
        {"misc", Value::dword(131473)},
    };
    {
        Registry r(file);
        for (auto& c : cases) ASSERT_EQ(r.setValue(Hive::ClassesRoot, "CLSID\\{X}\\Sub", c.name, c.value), Status::Ok);
    }
    Registry again(file);
    for (auto& c : cases) {
        auto v = again.value(Hive::ClassesRoot, "CLSID\\{X}\\Sub", c.name);
        ASSERT_TRUE(v) << c.name;
        EXPECT_EQ(*v, c.value) << c.name;
    }
    EXPECT_TRUE(again.lastReadClean());
    auto vals = again.values(Hive::ClassesRoot, "CLSID\\{X}\\Sub");
    ASSERT_EQ(vals.size(), std::size(cases));
    for (std::size_t i = 0; i < vals.size(); ++i) EXPECT_EQ(vals[i].name, cases[i].name) << "creation order";
    // A type mismatch is no answer.
    std::uint32_t n = 7;
    EXPECT_FALSE(again.getDword(Hive::ClassesRoot, "CLSID\\{X}\\Sub", "empty", n));
    EXPECT_EQ(n, 7u);
    std::string s;
    EXPECT_FALSE(again.getString(Hive::ClassesRoot, "CLSID\\{X}\\Sub", "max", s));
}

TEST_F(RegistryTest, DeleteKeyRemovesTheWholeBranchAndNothingElse) {
    Registry r(file);
    r.setString(Hive::ClassesRoot, "A\\B\\C", "v", "1");
    r.setString(Hive::ClassesRoot, "A\\B\\D", "v", "2");
    r.setString(Hive::ClassesRoot, "A\\Bee", "v", "3");
    r.createKey(Hive::ClassesRoot, "A\\B\\E\\F");
    EXPECT_EQ(r.deleteKey(Hive::ClassesRoot, "a\\b"), Status::Ok);
    EXPECT_FALSE(r.keyExists(Hive::ClassesRoot, "A\\B"));
    EXPECT_FALSE(r.keyExists(Hive::ClassesRoot, "A\\B\\E\\F"));
    EXPECT_EQ(r.subkeys(Hive::ClassesRoot, "A"), std::vector<std::string>{"Bee"});
    EXPECT_EQ(r.deleteKey(Hive::ClassesRoot, "A\\B"), Status::NotFound);
    EXPECT_EQ(r.deleteKey(Hive::ClassesRoot, "Nowhere\\B"), Status::NotFound);
    EXPECT_EQ(r.deleteKey(Hive::ClassesRoot, ""), Status::BadName) << "a hive's root stays";
    EXPECT_EQ(r.deleteValue(Hive::ClassesRoot, "A\\Bee", "V"), Status::Ok);
    EXPECT_EQ(r.deleteValue(Hive::ClassesRoot, "A\\Bee", "v"), Status::NotFound);
    EXPECT_TRUE(r.keyExists(Hive::ClassesRoot, "A\\Bee")) << "an emptied key stays";
    Registry again(file);
    EXPECT_TRUE(again.keyExists(Hive::ClassesRoot, "A\\Bee"));
    EXPECT_FALSE(again.keyExists(Hive::ClassesRoot, "A\\B"));
}

TEST_F(RegistryTest, BadNamesAreRefused) {
    Registry r(file);
    const char* bad[] = {"A\\\\B", "A\\\x01"};
    for (auto k : bad) {
        EXPECT_EQ(r.createKey(Hive::CurrentUser, k), Status::BadName) << k;
        EXPECT_EQ(r.setString(Hive::CurrentUser, k, "v", "x"), Status::BadName) << k;
    }
    EXPECT_EQ(r.setString(Hive::CurrentUser, "A", "bad\nname", "x"), Status::BadName);
    EXPECT_FALSE(fs::exists(file)) << "nothing was written";
    // Leading and trailing separators are tolerated.
    EXPECT_EQ(r.createKey(Hive::CurrentUser, "\\A\\B\\"), Status::Ok);
    EXPECT_TRUE(r.keyExists(Hive::CurrentUser, "A\\B"));
}

TEST_F(RegistryTest, TwoUsersOfOneFileLoseNoChange) {
    Registry a(file), b(file);
    a.setString(Hive::CurrentUser, "Forms\\Main", "Width", "800");
    EXPECT_TRUE(b.keyExists(Hive::CurrentUser, "Forms\\Main")) << "b sees a's change";
    b.setDword(Hive::CurrentUser, "Forms\\Main", "Height", 600);
    a.setDword(Hive::CurrentUser, "Forms\\Main", "Left", 10);
    Registry c(file);
    EXPECT_EQ(c.values(Hive::CurrentUser, "Forms\\Main").size(), 3u);

    // Processes writing at once each keep all of their changes.
    constexpr int kProcs = 4, kEach = 25;
    for (int p = 0; p < kProcs; ++p) {
        pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            Registry own(file);
            for (int i = 0; i < kEach; ++i)
                if (own.setDword(Hive::CurrentUser, "Proc" + std::to_string(p), "v" + std::to_string(i), i) !=
                    Status::Ok)
                    ::_exit(1);
            ::_exit(0);
        }
    }
    for (int p = 0; p < kProcs; ++p) {
        int status = 0;
        ::wait(&status);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int p = 0; p < kProcs; ++p) EXPECT_EQ(c.values(Hive::CurrentUser, "Proc" + std::to_string(p)).size(), kEach + 0u);
    EXPECT_EQ(c.values(Hive::CurrentUser, "Forms\\Main").size(), 3u);
    // No temporary file is left behind.
    for (auto& e : fs::directory_iterator(file.parent_path()))
        EXPECT_FALSE(files::isTemporaryName(e.path().filename().string())) << e.path();
}

TEST_F(RegistryTest, ADamagedFileIsReadAsFarAsPossibleAndKeptAside) {
    fs::create_directories(file.parent_path());
    const std::string damaged =
        "REGISTRY 1\n[HKEY_CURRENT_USER\\Good]\ns name=kept\nx what is this\nd num=notanumber\n"
        "[HKEY_NOWHERE\\Bad]\ns lost=1\n[HKEY_CURRENT_USER\\Good2]\nd n=5\n";
    text::writeFile(file, damaged);
    Registry r(file);
    std::string v;
    EXPECT_TRUE(r.getString(Hive::CurrentUser, "Good", "name", v));
    EXPECT_EQ(v, "kept");
    std::uint32_t n = 0;
    EXPECT_TRUE(r.getDword(Hive::CurrentUser, "Good2", "n", n));
    EXPECT_EQ(n, 5u);
    EXPECT_FALSE(r.lastReadClean());
    ASSERT_EQ(r.setString(Hive::CurrentUser, "Good", "more", "x"), Status::Ok);
    std::string aside;
    ASSERT_TRUE(text::readFile(file.string() + ".damaged", aside));
    EXPECT_EQ(aside, damaged);
    Registry again(file);
    EXPECT_TRUE(again.getString(Hive::CurrentUser, "Good", "more", v));
    EXPECT_TRUE(again.lastReadClean());
}

TEST_F(RegistryTest, AFileThatCannotBeWrittenIsReportedAndTheChangeNotKept) {
    fs::create_directories(dir);
    text::writeFile(dir / "notadir", "x");
    Registry r(dir / "notadir" / "registry");
    EXPECT_EQ(r.setString(Hive::CurrentUser, "A", "v", "x"), Status::IoError);
    EXPECT_FALSE(r.keyExists(Hive::CurrentUser, "A"));
    // Which file and why, for a tool's message.
    EXPECT_EQ(r.lastFailure(), "Nie można zablokować pliku " + (dir / "notadir" / "registry.lock").string() +
                                   ": folder nie istnieje.");
    fs::create_directories(dir / "folder");
    Registry f(dir / "folder");
    EXPECT_EQ(f.checkWritable(), Status::IoError);
    EXPECT_EQ(f.lastFailure(), "Nie można odczytać pliku " + (dir / "folder").string() + ": pod tą nazwą jest folder.");
    Registry fine(file);
    EXPECT_EQ(fine.checkWritable(), Status::Ok);
    EXPECT_EQ(fine.lastFailure(), "");
}

// Asking whether a change could be written leaves every file as it was and
// makes none, and names the failure a change then meets.
TEST_F(RegistryTest, CheckingWhetherAChangeCouldBeWrittenChangesNothing) {
    const std::string damaged = "REGISTRY 1\r\n[HKEY_CURRENT_USER\\A]\r\nx what is this\r\ns v=1\r\n";
    struct Case {
        const char* name;
        std::function<fs::path()> make;  // the registry file, with what lies around it
        const char* failure;             // what it says, after the file's name; "" when it could be written
    };
    const Case cases[] = {
        {"nothing there yet", [&] { fs::create_directories(dir); return dir / "sub" / "registry"; }, ""},
        {"a damaged file and a crash's temporary beside it", [&] {
             fs::create_directories(dir);
             std::ofstream(dir / "registry", std::ios::binary) << damaged;
             std::ofstream(dir / "registry.~wr999999") << "cut short";
             return dir / "registry";
         }, ""},
        {"a folder of that name", [&] { fs::create_directories(dir / "registry"); return dir / "registry"; },
         ": pod tą nazwą jest folder."},
        {"a file where its folder should be", [&] {
             fs::create_directories(dir);
             std::ofstream(dir / "plain") << "x";
             return dir / "plain" / "registry";
         }, ".lock: folder nie istnieje."},
        {"a damaged file with a folder where its copy aside goes", [&] {
             fs::create_directories(dir / "registry.damaged");
             std::ofstream(dir / "registry", std::ios::binary) << damaged;
             return dir / "registry";
         }, ".damaged: pod tą nazwą jest folder."},
        {"a read-only file", [&] {
             fs::create_directories(dir);
             std::ofstream(dir / "registry", std::ios::binary) << damaged;
             files::setReadOnly(dir / "registry", true);
             return dir / "registry";
         }, ": plik lub folder jest tylko do odczytu."},
    };
    // Every entry below the test's folder with its bytes and its inode, so a
    // file written over with the same bytes shows too.
    auto snapshot = [&] {
        std::vector<std::string> out;
        for (auto& e : fs::recursive_directory_iterator(dir)) {
            std::string line = e.path().string() + " " + std::to_string(e.is_directory());
            struct stat st {};
            ::stat(e.path().c_str(), &st);
            line += " " + std::to_string(st.st_ino);
            if (e.is_regular_file()) {
                std::string bytes;
                text::readFile(e.path(), bytes);
                line += " " + bytes;
            }
            out.push_back(line);
        }
        std::sort(out.begin(), out.end());
        return out;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(dir);
        const fs::path at = c.make();
        const auto before = snapshot();
        Registry r(at);
        const Status seen = r.checkWritable();
        const std::string why = r.lastFailure();
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(seen, *c.failure ? Status::IoError : Status::Ok);
        if (*c.failure) {
            EXPECT_NE(why.find(at.string()), std::string::npos) << why;
            EXPECT_NE(why.find(c.failure), std::string::npos) << why;
        }
        // A change then meets what the check found.
        Registry w(at);
        EXPECT_EQ(w.setString(Hive::CurrentUser, "A", "v", "2"), seen);
        EXPECT_EQ(w.lastFailure(), why);
    }
}

TEST_F(RegistryTest, DefaultPathAndOverride) {
    ::setenv("SUITE_REGISTRY", file.c_str(), 1);
    EXPECT_EQ(defaultPath(), file);
    ::unsetenv("SUITE_REGISTRY");
    ::setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(defaultPath(), fs::path("/cfg/wortel-suite/registry"));
    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", "/home/u", 1);
    EXPECT_EQ(defaultPath(), fs::path("/home/u/.config/wortel-suite/registry"));

    Registry& before = store();
    setPath(file);
    EXPECT_EQ(&store(), &before);
    EXPECT_EQ(store().file(), file);
    store().setString(Hive::LocalMachine, "K", "v", "1");
    EXPECT_TRUE(fs::exists(file));
    setPath({});
    EXPECT_EQ(store().file(), fs::path("/home/u/.config/wortel-suite/registry"));
}

TEST_F(RegistryTest, BrowserVersionIsSeededOnceAndThenKept) {
    setPath(file);
    EXPECT_EQ(seedBrowserVersion("108.0.5359.220"), "108.0.5359.220");
    EXPECT_EQ(seedBrowserVersion("120.1"), "108.0.5359.220") << "a stored version is kept";
    store().setString(Hive::LocalMachine, kBrowserKey, kBrowserValue, "5.5");
    EXPECT_EQ(seedBrowserVersion("108.0"), "5.5");
    setPath({});
}

TEST(Hives, NamesParseInLongAndShortForm) {
    struct {
        const char* text;
        std::optional<Hive> hive;
    } cases[] = {{"HKEY_CLASSES_ROOT", Hive::ClassesRoot}, {"hkcr", Hive::ClassesRoot},
                 {"HKEY_LOCAL_MACHINE", Hive::LocalMachine}, {"HKCU", Hive::CurrentUser},
                 {"HKEY_USERS", Hive::Users}, {"HKEY_CURRENT_CONFIG", Hive::CurrentConfig},
                 {"HKEY_NONE", std::nullopt}, {"", std::nullopt}};
    for (auto& c : cases) {
        EXPECT_EQ(parseHive(c.text), c.hive) << c.text;
        if (c.hive) {
            EXPECT_EQ(parseHive(hiveName(*c.hive)), c.hive);
        }
    }
}

}  // namespace

TEST_F(RegistryTest, KeysNestNoDeeperThanTheLimit) {
    fs::create_directories(file.parent_path());
    // A file with one key 35,000 levels deep: read as damage, and the next
    // write neither runs out of stack nor keeps the key.
    std::string deep = "REGISTRY 1\n[HKEY_CURRENT_USER";
    for (int i = 0; i < 35000; ++i) deep += "\\a";
    deep += "]\ns v=1\n[HKEY_CURRENT_USER\\Kept]\nd n=1\n";
    text::writeFile(file, deep);
    Registry r(file);
    ASSERT_EQ(r.setString(Hive::CurrentUser, "Other", "v", "x"), Status::Ok);
    Registry again(file);
    EXPECT_TRUE(again.keyExists(Hive::CurrentUser, "Kept"));
    EXPECT_FALSE(again.keyExists(Hive::CurrentUser, "a"));
    EXPECT_TRUE(fs::exists(file.string() + ".damaged"));

    std::string path512, path513;
    for (int i = 0; i < 512; ++i) path512 += "k\\";
    path513 = path512 + "k";
    EXPECT_EQ(r.createKey(Hive::CurrentUser, path512), Status::Ok);
    EXPECT_EQ(r.createKey(Hive::CurrentUser, path513), Status::BadName);
    Registry third(file);
    EXPECT_TRUE(third.keyExists(Hive::CurrentUser, path512));
    EXPECT_TRUE(third.lastReadClean());
}

TEST_F(RegistryTest, LeftoversOfSavesCutShortAreRemovedWhenTheRegistryIsOpened) {
    // Whatever a program does first with the registry opens it; a program
    // that may not use it opens it at start-up.
    struct Case {
        const char* name;
        std::function<void(Registry&)> first;
    };
    const Case cases[] = {
        {"a save", [](Registry& r) { ASSERT_EQ(r.setString(Hive::CurrentUser, "A", "v", "x"), Status::Ok); }},
        {"a read", [](Registry& r) { r.keyExists(Hive::CurrentUser, "A"); }},
        {"opened at start-up", [](Registry& r) { r.open(); }},
        {"opened after another file", [&](Registry& r) {
             Registry other(dir / "other" / "registry");
             other.open();
             r.setFile(dir / "elsewhere");
             r.open();
             r.setFile(file);
             r.open();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(dir);
        fs::create_directories(file.parent_path());
        text::writeFile(file, "REGISTRY 1\n[HKEY_CURRENT_USER\\A]\ns v=x\n");
        for (const char* name : {"registry.tmp4242", "registry.~wr4243", "registry.~wr"})
            text::writeFile(file.parent_path() / name, "half");
        text::writeFile(file.parent_path() / "registry.tmpx", "someone else's");
        {
            Registry r(file);
            c.first(r);
        }
        std::vector<std::string> left;
        for (auto& e : fs::directory_iterator(file.parent_path())) left.push_back(e.path().filename().string());
        std::sort(left.begin(), left.end());
        EXPECT_EQ(left, (std::vector<std::string>{"registry", "registry.lock", "registry.tmpx"}));
    }
    // A registry never written leaves no folder behind by being opened.
    fs::remove_all(dir);
    Registry(file).open();
    EXPECT_FALSE(fs::exists(dir));
}

// The child of the crash trials below: one change written to the file.
TEST(RegistrySaveChild, SetsTheValue) {
    if (!files::testing::inSaveChild()) GTEST_SKIP() << "run by the crash trials";
    files::testing::runSaveChild([] {
        Registry r(std::getenv("SAVE_TRIAL_FILE"));
        r.setString(Hive::CurrentUser, "Software\\Wortel", "state", std::string(100000, 'n'));
    });
}

TEST_F(RegistryTest, KilledSaveLeavesTheOldFileOrTheNewOne) {
    ::setenv("SAVE_TRIAL_FILE", file.c_str(), 1);
    auto prepare = [&] {
        fs::remove_all(file.parent_path());
        Registry r(file);
        ASSERT_EQ(r.setString(Hive::CurrentUser, "Software\\Wortel", "state", "old"), Status::Ok);
    };
    auto look = [&] {
        Registry r(file);
        std::string v;
        if (!r.getString(Hive::CurrentUser, "Software\\Wortel", "state", v) || !r.lastReadClean())
            return files::testing::Seen::Other;
        return v == "old" ? files::testing::Seen::Old
                          : v == std::string(100000, 'n') ? files::testing::Seen::New : files::testing::Seen::Other;
    };
    // The leftovers are cleared by the next save, as the programs clear them.
    auto cleared = [&] {
        Registry r(file);
        r.setDword(Hive::CurrentUser, "Software\\Wortel", "after", 1);
    };
    auto lookAndClear = [&] {
        auto seen = look();
        cleared();
        for (auto& e : fs::directory_iterator(file.parent_path()))
            EXPECT_FALSE(files::isTemporaryName(e.path().filename().string())) << e.path();
        return seen;
    };
    const std::string child = "RegistrySaveChild.SetsTheValue";
    for (const files::testing::Figures& f : {files::testing::killAtEachStep(child, prepare, lookAndClear, {}),
                                             files::testing::killAtRandom(40, child, prepare, lookAndClear, {})}) {
        std::cout << "registry: " << f.text() << "\n";
        EXPECT_EQ(f.other, 0);
        EXPECT_GT(f.old, 0);
    }
}

// The check's verdict and reason for a user whose rights the folder limits,
// against a real change by that user: a child process of an ordinary user
// (permission bits do not stop the administrator, under whom tests may run,
// and neither does a folder's sticky bit).
TEST_F(RegistryTest, CheckingWhetherAChangeCouldBeWrittenAgreesWithAChangeOfAnOrdinaryUser) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs the administrator, to lay out files of two users";
    const uid_t user = 65534;  // nobody
    const std::string damaged = "REGISTRY 1\r\n[HKEY_CURRENT_USER\\A]\r\nx what is this\r\n";
    auto owned = [&](const fs::path& p, const std::string& bytes, fs::perms mode, bool theUsers) {
        std::ofstream(p, std::ios::binary) << bytes;
        fs::permissions(p, mode);
        if (theUsers) EXPECT_EQ(::chown(p.c_str(), user, user), 0);
    };
    auto folder = [&](const fs::path& p, fs::perms mode) {
        fs::create_directories(p);
        fs::permissions(p, mode);
    };
    using P = fs::perms;
    struct Case {
        const char* name;
        std::function<fs::path()> make;
        const char* failure;  // after the file's name
    };
    const Case cases[] = {
        {"a sticky folder open to all, the file the administrator's", [&] {
             folder(dir / "shared", P::all | P::sticky_bit);
             owned(dir / "shared" / "registry", "REGISTRY 1\r\n", P::all, false);
             return dir / "shared" / "registry";
         }, ": plik lub folder jest tylko do odczytu."},
        {"a sticky folder open to all, the file the user's", [&] {
             folder(dir / "shared", P::all | P::sticky_bit);
             owned(dir / "shared" / "registry", "REGISTRY 1\r\n", P::owner_read | P::owner_write, true);
             return dir / "shared" / "registry";
         }, ""},
        {"a folder the user cannot write", [&] {
             folder(dir / "closed", P::owner_all | P::group_read | P::group_exec | P::others_read | P::others_exec);
             return dir / "closed" / "registry";
         }, ".lock: plik lub folder jest tylko do odczytu."},
        {"a folder to be made in one the user cannot write", [&] {
             folder(dir / "closed", P::owner_all | P::group_read | P::group_exec | P::others_read | P::others_exec);
             return dir / "closed" / "sub" / "registry";
         }, ".lock: plik lub folder jest tylko do odczytu."},
        {"a lock file the user cannot open", [&] {
             folder(dir / "open", P::all);
             owned(dir / "open" / "registry.lock", "", P::owner_read | P::owner_write, false);
             return dir / "open" / "registry";
         }, ".lock: plik lub folder jest tylko do odczytu."},
        {"a damaged file whose copy aside the user cannot write", [&] {
             folder(dir / "open", P::all);
             owned(dir / "open" / "registry", damaged, P::owner_read | P::owner_write, true);
             owned(dir / "open" / "registry.damaged", "old", P::owner_read | P::owner_write, false);
             return dir / "open" / "registry";
         }, ".damaged: plik lub folder jest tylko do odczytu."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::permissions(dir, P::owner_all | P::group_read | P::group_exec | P::others_read | P::others_exec);
        const fs::path at = c.make();
        // The check, then a change, in a child of the user's: their verdicts
        // and reasons, one a line.
        int out[2];
        ASSERT_EQ(::pipe(out), 0);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(out[0]);
            std::string said;
            if (::setgid(user) != 0 || ::setuid(user) != 0 || ::access(dir.c_str(), X_OK) != 0) {
                said = "skip\n";
            } else {
                Registry r(at);
                said += std::to_string(static_cast<int>(r.checkWritable())) + "\n" + r.lastFailure() + "\n";
                Registry w(at);
                said += std::to_string(static_cast<int>(w.setString(Hive::CurrentUser, "A", "v", "2"))) + "\n" +
                        w.lastFailure() + "\n";
            }
            (void)!::write(out[1], said.data(), said.size());
            ::_exit(0);
        }
        ::close(out[1]);
        std::string said;
        char buf[4096];
        for (ssize_t n; (n = ::read(out[0], buf, sizeof buf)) > 0;) said.append(buf, static_cast<std::size_t>(n));
        ::close(out[0]);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        if (said == "skip\n") GTEST_SKIP() << "the ordinary user cannot reach " << dir;
        std::vector<std::string> lines;
        for (std::size_t from = 0, nl; (nl = said.find('\n', from)) != std::string::npos; from = nl + 1)
            lines.push_back(said.substr(from, nl - from));
        ASSERT_EQ(lines.size(), 4u) << said;
        const std::string expected = *c.failure ? std::to_string(static_cast<int>(Status::IoError))
                                                : std::to_string(static_cast<int>(Status::Ok));
        EXPECT_EQ(lines[0], expected) << "the check: " << lines[1];
        EXPECT_EQ(lines[2], expected) << "the change: " << lines[3];
        EXPECT_EQ(lines[1], lines[3]);
        if (*c.failure) EXPECT_NE(lines[3].find(at.string() + c.failure), std::string::npos) << lines[3];
    }
}
