// The dictionary interrupted from outside, in child processes of this test
// program: windows closed by the user while an update downloads from a slow
// server on 127.0.0.1, and changes of the word bases stopped by SIGKILL at
// every step (and at random moments). Each run checks the files byte for
// byte: the old set or the new one, nothing of ours left lying about.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "TestServer.h"
#include "dictionary/BaseFileSet.h"
#include "dictionary/Form1.h"
#include "dictionary/OwnWordBase.h"
#include "dictionary/Program.h"
#include "dictionary/ShortDate.h"
#include "dictionary/UpdateEndpoint.h"
#include "dictionary/WordBaseMerge.h"
#include "dictionary/frmUpdate.h"
#include "files/FileSystem.h"
#include "files/testing/SaveTrials.h"
#include "forms/Application.h"
#include "forms/Drive.h"
#include "forms/Label.h"
#include "forms/ScriptedAnswers.h"
#include "text/CodePage.h"
#include "text/LineFile.h"

using namespace dictionary;
using namespace text::literals;
namespace fs = std::filesystem;
using net::testing::TempDir;
using net::testing::TestServer;

namespace {

const char* const kChild = "WORTEL_TEST_CHILD";    // what the child does
const char* const kFolder = "WORTEL_TEST_FOLDER";  // its program folder
const char* const kStopAt = "WORTEL_TEST_STOP_AT"; // the step it is killed at

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

// A child that has not ended in this time hangs: it is killed and the trial
// fails. A child ends in about a second, in a few on a loaded machine or
// under the sanitizers.
constexpr std::chrono::seconds kHang{120};

struct ChildRun {
    int status = 0;      // its wait status
    bool ended = false;  // it ended by itself, before any kill
    bool hung = false;   // it was still running after kHang
    std::chrono::microseconds took{};  // from its start to its end, when it ended by itself
};

// Runs this test program as a child doing `what` in `folder` and waits for
// its end. killAt > 0: killed with SIGKILL that long after its start, unless
// it has ended by then.
ChildRun runChild(const std::string& what, const fs::path& folder, const std::map<std::string, std::string>& extra = {},
                  std::chrono::microseconds killAt = {}) {
    const auto t0 = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv(kChild, what.c_str(), 1);
        setenv(kFolder, folder.c_str(), 1);
        for (const auto& [k, v] : extra) setenv(k.c_str(), v.c_str(), 1);
        std::string filter = "--gtest_filter=Child.Runs";
        // Its report goes only where it says something went wrong.
        if (std::getenv("WORTEL_TEST_VERBOSE") == nullptr) {
            const int null = ::open("/dev/null", O_WRONLY);
            dup2(null, 1);
        }
        char self[] = "/proc/self/exe";
        char* argv[] = {self, filter.data(), nullptr};
        execv(self, argv);
        _exit(127);
    }
    ChildRun run;
    const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (pidfd < 0) {
        ADD_FAILURE() << "no handle on the child: " << std::strerror(errno);
        kill(pid, SIGKILL);
    } else {
        run.ended = files::testing::readyWithin(pidfd, killAt.count() > 0 ? killAt : std::chrono::microseconds(kHang));
        if (run.ended) run.took = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - t0);
        else kill(pid, SIGKILL);
        run.hung = !run.ended && killAt.count() == 0;
        close(pidfd);
    }
    waitpid(pid, &run.status, 0);
    return run;
}

std::string read(const fs::path& p) {
    std::string s;
    text::readFile(p, s);
    return s;
}

// The names in `folder` beyond `expected`.
std::vector<std::string> strays(const fs::path& folder, const std::vector<std::string>& expected) {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(folder)) {
        const std::string n = e.path().filename().string();
        if (std::find(expected.begin(), expected.end(), n) == expected.end()) out.push_back(n);
    }
    return out;
}

// --- what the children do -------------------------------------------------

// Runs `then` once `ready` holds, looked at every 20 ms, or after `limitMs`
// whatever it says (the checks in `then` tell which): a loaded machine may
// take longer than a fixed delay to reach the state under test.
void when(std::function<bool()> ready, int limitMs, std::function<void()> then) {
    auto* poll = new QTimer;
    auto started = std::chrono::steady_clock::now();
    QObject::connect(poll, &QTimer::timeout, [=] {
        if (!ready() && std::chrono::steady_clock::now() - started < std::chrono::milliseconds(limitMs)) return;
        poll->stop();
        poll->deleteLater();
        then();
    });
    poll->start(20);
}

// The real program with its real event loop: the word-base check answered
// Yes, then `window` ("lookup" or "update") closed by the user while the
// slow request runs; the child ends when its program does.
void closeWhileDownloading(const std::string& window, const fs::path& folder) {
    int argc = 1;
    char name[] = "wortel";
    char* argv[] = {name, nullptr};
    forms::Application app(argc, argv);
    forms::ScriptedAnswers answers;
    forms::setModal(&answers);
    for (int r : {forms::mb::Ok, forms::mb::Yes, forms::mb::Ok}) answers.answerMessage(r);
    Program program(folder);
    Form1& f = program.form1();
    f.show();
    frmUpdate& u = f.updates.updateWindow();
    QTimer::singleShot(0, [&] { forms::drive::click(*f.Label6); });
    // The check's answer is trickled for seconds: the window is closed while
    // the busy pointer of the check shows. The download's first file is
    // trickled too: it is closed once it shows.
    const bool duringCheck = window == "lookup during the check";
    when(
        [&] {
            if (duringCheck) return QGuiApplication::overrideCursor() != nullptr && !u.isLoaded();
            return u.isLoaded() && u.running() && u.Label1->caption() == "Pobieranie plików 1 z 2"_w;
        },
        20000,
        [&] {
            if (window == "update") {
                ASSERT_TRUE(u.isLoaded() && u.running());
                EXPECT_EQ(u.Label1->caption(), "Pobieranie plików 1 z 2"_w);
                forms::drive::closeByUser(u);
                // The window goes once the update has stopped; then the
                // program is closed as the user closes it.
                when([&] { return !u.isLoaded(); }, 10000, [&] {
                    EXPECT_FALSE(u.isLoaded());
                    EXPECT_TRUE(f.isLoaded());
                    forms::drive::closeByUser(f);
                });
            } else {
                if (window == "lookup during the download") EXPECT_TRUE(u.running());
                if (duringCheck) EXPECT_TRUE(QGuiApplication::overrideCursor() != nullptr && !u.isLoaded());
                forms::drive::closeByUser(f);
            }
        });
    EXPECT_EQ(app.run(), 0);
    EXPECT_TRUE(forms::Application::endRequested());
    forms::setModal(nullptr);
}

// A change of a base, killed at step `stopAt` (0: not killed): the steps of
// the set's change and those of every file save inside it.
int gStopAt = 0, gStep = 0;
void stopHere(const std::string&) {
    if (++gStep == gStopAt) raise(SIGKILL);
}
int stopInSave(files::SaveStep) {
    stopHere("");
    return 0;
}

const char* const kNewEntries = "Zzzneu <i>die</i> <b>nowe</b>\r\naalen <b>węgorzyć</b>\r\nHAUS <b>DOM</b>";

void changeBase(const std::string& which, const fs::path& folder) {
    gStopAt = std::atoi(env(kStopAt).c_str());
    BaseFileSet::setStepHook(&stopHere);
    files::setSaveStepHook(&stopInSave);
    if (which == "own") {
        OwnWordBase own;
        own.load(folder);
        own.add({"Zelt", "Zelt <i>das</i> <b>namiot</b>"});
        ASSERT_TRUE(own.save(folder));
        return;
    }
    WordBaseMerge::Hooks hooks;
    hooks.fetch = [](const std::string& file) -> std::string {
        if (file == "numer.dat") return "1";
        return file == "1a.dat" ? text::ansi(kNewEntries) : "Zzzneu\r\naalen\r\nHAUS";
    };
    WordBaseMerge(folder).run(hooks);
}

TEST(Child, Runs) {
    const std::string what = env(kChild);
    if (what.empty()) GTEST_SKIP() << "run by the other tests as a child";
    const fs::path folder = env(kFolder);
    if (what.rfind("close ", 0) == 0) closeWhileDownloading(what.substr(6), folder);
    else changeBase(what, folder);
}

// --- windows closed during an update ---------------------------------------

const std::vector<std::string> kProgramFiles = {"a.dat", "b.dat", "numer.dat", "data.dat", "x.dat", "y.dat",
                                                "3.dat", "wyrazy"};

void writeSmallProgram(const fs::path& folder) {
    fs::create_directories(folder / "wyrazy");
    text::writeLines(folder / "a.dat", {"Auto <i>das</i> <b>samochód</b>"_w, "Haus <i>das</i> <b>dom</b>",
                                        "Zug <i>der</i> <b>pociąg</b>"_w});
    text::writeLines(folder / "b.dat", {"Auto", "Haus", "Zug"});
    text::writeLines(folder / "numer.dat", {"4"});
    text::writeLines(folder / "data.dat", {ShortDate::format(ShortDate::today() - std::chrono::days(40))});
    text::writeLines(folder / "x.dat", {"Apfel <i>der</i> <b>jab\xB3ko</b>"});
    text::writeLines(folder / "y.dat", {"Apfel"});
    text::writeLines(folder / "3.dat", {"<p>Witaj</p>"});
}

std::vector<std::string> baseState(const fs::path& folder) {
    return {read(folder / "a.dat"), read(folder / "b.dat"), read(folder / "numer.dat"), read(folder / "data.dat")};
}

TEST(ClosedDuringUpdate, BaseStaysAsItWasAndTheProgramEndsCleanly) {
    struct Case {
        const char* window;
        std::vector<std::string> slow;  // the files the server trickles
    };
    const Case cases[] = {
        {"lookup during the download", {"5a.dat"}},
        {"update", {"5a.dat"}},
        {"lookup during the check", {"info.dat"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        TempDir served, program;
        // Blanks around a count are allowed: a count that takes ten seconds,
        // cut short by the close long before on the slowest machine.
        net::testing::writeFile(served.path() / "info.dat", "9" + std::string(200, ' '));
        net::testing::writeFile(served.path() / "kom.dat", "Nowe wyrazy.");
        net::testing::writeFile(served.path() / "numer.dat", "5");
        net::testing::writeFile(served.path() / "5a.dat", "Bahn <i>die</i> <b>kolej</b>\r\nApfel <i>der</i> <b>jabłko</b>\r\n"
                                                          "Bus <i>der</i> <b>autobus</b>\r\n"_w);
        net::testing::writeFile(served.path() / "5b.dat", "Bahn\r\nApfel\r\nBus\r\n");
        std::vector<std::string> args = {"--trickle", "0.05"};
        for (const auto& s : c.slow) args.insert(args.end(), {"--only", s});
        TestServer server("http", served.path(), args);
        writeSmallProgram(program.path());
        const auto before = baseState(program.path());
        const ChildRun run = runChild(std::string("close ") + c.window, program.path(),
                                      {{UpdateEndpoint::AddressVariable, "http://" + server.hostPort() + "/"},
                                       {"QT_QPA_PLATFORM", "offscreen"}});
        ASSERT_FALSE(run.hung) << "the program did not end";
        ASSERT_TRUE(WIFEXITED(run.status)) << "ended by signal " << WTERMSIG(run.status);
        EXPECT_EQ(WEXITSTATUS(run.status), 0);
        // Had the close not cut the trickled file short, the update would
        // have gone on and changed the base.
        EXPECT_EQ(baseState(program.path()), before);
        std::vector<std::string> expected = kProgramFiles;
        expected.push_back("usun.dat");
        EXPECT_EQ(strays(program.path(), expected), std::vector<std::string>{});
    }
}

// --- changes stopped at every step -----------------------------------------

struct Figures {
    int trials = 0, oldSet = 0, newSet = 0, other = 0, endedFirst = 0;
};

// Kills a change of `which` at every step (or, with `shipped`, of the
// shipped base at random moments); after the recovery of the next start the
// set is the old or the new one.
Figures stopEverywhere(const std::string& which, const std::vector<std::string>& set, bool shipped,
                       int randomTrials) {
    TempDir root;
    const fs::path pristine = root.path() / "pristine", done = root.path() / "done", work = root.path() / "work";
    fs::create_directories(pristine);
    writeSmallProgram(pristine);
    if (shipped) {
        // The shipped base, big enough for kills to land inside the writes.
        const char* bin = std::getenv("SUITE_BINARY_DIR");
        const fs::path dist = fs::path(bin ? bin : "build") / "dist" / "Wortel";
        for (const char* f : {"a.dat", "b.dat"}) fs::copy_file(dist / f, pristine / f, fs::copy_options::overwrite_existing);
    }
    text::writeLines(pristine / "numer.dat", {"0"});  // the child's server has increment 1
    auto state = [&](const fs::path& folder) {
        std::vector<std::string> s;
        for (const auto& n : set) s.push_back(read(folder / n));
        return s;
    };
    fs::copy(pristine, done, fs::copy_options::recursive);
    const ChildRun first = runChild(which, done);
    if (first.hung) {
        ADD_FAILURE() << "the change did not end";
        return {};
    }
    EXPECT_EQ(first.status, 0);
    std::chrono::microseconds whole = first.took;
    const auto oldSet = state(pristine), newSet = state(done);
    EXPECT_NE(oldSet, newSet);

    Figures fig;
    std::mt19937 random(12345);
    const int maxSteps = shipped ? 0 : 200;
    for (int k = 1, r = 0; k <= maxSteps || r < randomTrials;) {
        fs::remove_all(work);
        fs::copy(pristine, work, fs::copy_options::recursive);
        ChildRun run;
        if (k <= maxSteps) {
            run = runChild(which, work, {{kStopAt, std::to_string(k++)}});
            if (WIFEXITED(run.status)) k = maxSteps + 1;  // past the last step
        } else {
            // Anywhere in the time a whole change takes on the machine as it
            // is now: a child that ended before its kill tells that time, and
            // the kills after it fall inside it.
            run = runChild(which, work, {}, std::chrono::microseconds(random() % std::max<long>(1, whole.count())));
            if (!run.ended) ++r;
            else if (++fig.endedFirst > 10 * randomTrials) {
                ADD_FAILURE() << "the kills do not land inside the change";
                break;
            } else whole = run.took;
        }
        if (run.hung) {
            ADD_FAILURE() << "the change did not end, trial " << fig.trials + 1;
            break;
        }
        ++fig.trials;
        // Once the journal is written the change is decided: the next start
        // finishes it.
        const bool decided = fs::exists(work / (which == "own" ? "mojabaza.zmiana" : "baza.zmiana"));
        // The next start.
        Program::recoverBases(work);
        const auto recovered = state(work);
        if (recovered == oldSet) ++fig.oldSet;
        else if (recovered == newSet) ++fig.newSet;
        else ++fig.other;
        EXPECT_TRUE(recovered == oldSet || recovered == newSet) << "trial " << fig.trials;
        if (decided) EXPECT_EQ(recovered, newSet) << "trial " << fig.trials;
        std::vector<std::string> expected = kProgramFiles;
        EXPECT_EQ(strays(work, expected), std::vector<std::string>{}) << "trial " << fig.trials;
    }
    std::cout << which << (shipped ? " base (shipped, random kills): " : " base (every step): ") << fig.trials
              << " trials, " << fig.oldSet << " old, " << fig.newSet << " new, " << fig.other << " other";
    if (shipped) std::cout << ", " << fig.endedFirst << " ended before their kill";
    std::cout << "\n";
    return fig;
}

TEST(StoppedChange, BasesAreTheOldSetOrTheNew) {
    struct Case {
        const char* which;
        std::vector<std::string> set;
        bool shipped;
        int randomTrials;
    };
    const std::vector<std::string> program = {"a.dat", "b.dat", "numer.dat", "data.dat"}, own = {"x.dat", "y.dat"};
    const Case cases[] = {
        {"program", program, false, 0},
        {"program", program, true, 20},
        {"own", own, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.which) + (c.shipped ? ", shipped" : ""));
        const Figures f = stopEverywhere(c.which, c.set, c.shipped, c.randomTrials);
        EXPECT_EQ(f.other, 0);
        EXPECT_GT(f.oldSet, 0);
        if (!c.shipped) EXPECT_GT(f.newSet, 0);  // random kills may all land early
    }
}

TEST(StoppedChange, LeftoversOfEarlierVersionsAreRemovedAtStart) {
    TempDir dir;
    writeSmallProgram(dir.path());
    const auto before = baseState(dir.path());
    for (const char* n : {"tymcz_a.dat", "tymcz_b.dat", "a.dat.stary", "b.dat.nowy", "x.dat.new", "y.dat.new",
                          "a.dat.~wr", "numer.dat.nowy.~wr", "baza.zmiana.~wr"})
        net::testing::writeFile(dir.path() / n, "resztki");
    net::testing::writeFile(dir.path() / "a.dat.kopia", "the user's own copy");
    Program::recoverBases(dir.path());
    EXPECT_EQ(baseState(dir.path()), before);
    std::vector<std::string> expected = kProgramFiles;
    expected.push_back("a.dat.kopia");
    EXPECT_EQ(strays(dir.path(), expected), std::vector<std::string>{});
}

}  // namespace
