#pragma once
// Crash trials of a save, for tests: the save runs in a child process (this
// test program again, with a filter that picks the child's test) which is
// killed with SIGKILL at each step of the save in turn, or at a random moment
// while it saves. After each kill the caller's `look` says what the target
// holds, and no temporary file of ours may be left once the leftovers are
// cleared the way the programs clear them at start-up.
//
// The child's test calls runSaveChild(save) and does nothing else; run as
// an ordinary test (no trial under way) it returns at once.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "files/FileSystem.h"

extern char** environ;

namespace files::testing {

enum class Seen { Old, New, Other };

struct Figures {
    int trials = 0, old = 0, fresh = 0, other = 0, leftovers = 0;
    std::string text() const {
        return std::to_string(trials) + " trials: " + std::to_string(old) + " old, " + std::to_string(fresh) +
               " new, " + std::to_string(other) + " other, " + std::to_string(leftovers) + " with leftovers";
    }
};

// Waits at most `limit` for `fd` to be readable; true when it is. For a
// child: its end of a pipe it kept open (the child is gone), or its process
// handle (the child has ended).
inline bool readyWithin(int fd, std::chrono::microseconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    for (;;) {
        const auto left = std::max(std::chrono::microseconds{0}, std::chrono::duration_cast<std::chrono::microseconds>(
                                                                     until - std::chrono::steady_clock::now()));
        timespec ts{static_cast<time_t>(left.count() / 1000000), static_cast<long>(left.count() % 1000000) * 1000};
        pollfd p{fd, POLLIN, 0};
        const int r = ::ppoll(&p, 1, &ts, nullptr);
        if (r >= 0) return r > 0;
        if (errno != EINTR) return false;
    }
}

namespace detail {

inline std::atomic<int> stopAt{0};
inline std::atomic<int> stepsSeen{0};

inline int killAtStep(SaveStep) {
    if (++stepsSeen == stopAt) ::raise(SIGKILL);
    return 0;
}

// Starts this program running only `childTest`; gives its pid. `ready`
// receives a byte when the child is about to save.
inline pid_t spawnChild(const std::string& childTest, int stop, int& ready) {
    int fds[2];
    if (::pipe(fds) != 0) return -1;
    ::fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) env.emplace_back(*e);
    env.push_back("SAVE_TRIAL_STOP=" + std::to_string(stop));
    env.push_back("SAVE_TRIAL_FD=" + std::to_string(fds[1]));
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string self = "/proc/self/exe", filter = "--gtest_filter=" + childTest;
    char* argv[] = {self.data(), filter.data(), nullptr};
    // The child's own test output is not wanted among the parent's.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (::posix_spawn(&pid, self.c_str(), &actions, nullptr, argv, envp.data()) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    ready = fds[0];
    return pid;
}

inline bool waitReady(int fd) {
    char c;
    return ::read(fd, &c, 1) == 1;
}

// True when the child ended by itself (the save ran to its end).
inline bool reap(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
    return WIFEXITED(status);
}

inline void count(Figures& f, Seen seen, const std::vector<fs::path>& folders) {
    ++f.trials;
    if (seen == Seen::Old) ++f.old;
    else if (seen == Seen::New) ++f.fresh;
    else ++f.other;
    bool left = false;
    for (const auto& folder : folders) {
        removeLeftoverTemporaries(folder);
        for (const auto& e : listFolder(folder, "*", Include{false, true}))
            if (isTemporaryName(e.name)) left = true;
    }
    if (left) ++f.leftovers;
}

}  // namespace detail

// True in a child started by a trial.
inline bool inSaveChild() { return std::getenv("SAVE_TRIAL_STOP") != nullptr; }

// In the child's test: runs `save` under the trial the parent asked for.
inline void runSaveChild(const std::function<void()>& save) {
    const char* stop = std::getenv("SAVE_TRIAL_STOP");
    const char* fd = std::getenv("SAVE_TRIAL_FD");
    if (!stop || !fd) return;
    detail::stopAt = std::atoi(stop);
    setSaveStepHook(detail::killAtStep);
    int out = std::atoi(fd);
    char go = 'g';
    (void)!::write(out, &go, 1);  // kept open: its end tells the parent the child is gone
    save();
    std::_Exit(0);
}

// Kills the child at the first step of the save, then the second, and so
// on until a child saves to the end. `prepare` puts the old files in place
// before each trial; `look` classifies the target after it; `folders` are
// those that must hold no temporary file afterwards.
inline Figures killAtEachStep(const std::string& childTest, const std::function<void()>& prepare,
                              const std::function<Seen()>& look, const std::vector<fs::path>& folders) {
    Figures f;
    for (int stop = 1; stop < 1000; ++stop) {
        prepare();
        int ready = -1;
        pid_t pid = detail::spawnChild(childTest, stop, ready);
        if (pid < 0) break;
        detail::waitReady(ready);
        ::close(ready);
        bool finished = detail::reap(pid);
        detail::count(f, look(), folders);
        if (finished) break;
    }
    return f;
}

// Kills the child at a random moment between the start of its save and a
// little after the time one whole save takes, `trials` times. A child whose
// save ends before its kill tells how long a save takes on the machine as it
// is now, and the kills after it fall inside that time: only kills that
// landed count towards `trials`.
inline Figures killAtRandom(int trials, const std::string& childTest, const std::function<void()>& prepare,
                            const std::function<Seen()>& look, const std::vector<fs::path>& folders) {
    using Clock = std::chrono::steady_clock;
    prepare();
    int ready = -1;
    pid_t timed = detail::spawnChild(childTest, 0, ready);
    if (timed < 0) return {};
    detail::waitReady(ready);
    auto start = Clock::now();
    char c;
    (void)!::read(ready, &c, 1);  // the end of the pipe: the child is gone
    ::close(ready);
    detail::reap(timed);
    auto whole = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
    Figures f;
    std::mt19937 random(20260);
    for (int landed = 0, endedFirst = 0; landed < trials && endedFirst <= 10 * trials;) {
        prepare();
        int ready = -1;
        pid_t pid = detail::spawnChild(childTest, 0, ready);
        if (pid < 0) break;
        detail::waitReady(ready);
        start = Clock::now();
        const long delay = std::uniform_int_distribution<long>(0, whole + whole / 4)(random);
        if (readyWithin(ready, std::chrono::microseconds(delay))) {
            whole = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
            ++endedFirst;
        } else {
            ::kill(pid, SIGKILL);
            ++landed;
        }
        ::close(ready);
        detail::reap(pid);
        detail::count(f, look(), folders);
    }
    return f;
}

}  // namespace files::testing
