#pragma once
// Reference counting for the objects of a server or a host, and the count of
// live objects and locks a server asks before it may be unloaded.
#include <atomic>
#include <cstdint>

namespace com {

// The live objects and server locks of one module (a library or a program).
// Each module holds its own counter: the static library this header belongs
// to is linked into every module separately.
class ModuleCount {
public:
    static void addObject() { objects().fetch_add(1); }
    static void removeObject() { objects().fetch_sub(1); }
    static void lock(bool on) { on ? locks().fetch_add(1) : locks().fetch_sub(1); }
    static bool idle() { return objects().load() == 0 && locks().load() == 0; }
    static long liveObjects() { return objects().load(); }

private:
    static std::atomic<long>& objects() {
        static std::atomic<long> n{0};
        return n;
    }
    static std::atomic<long>& locks() {
        static std::atomic<long> n{0};
        return n;
    }
};

// The reference count of one object; the object counts as live for
// ModuleCount from construction to destruction.
class RefCount {
public:
    RefCount() { ModuleCount::addObject(); }
    ~RefCount() { ModuleCount::removeObject(); }
    RefCount(const RefCount&) = delete;
    RefCount& operator=(const RefCount&) = delete;
    std::uint32_t add() { return ++n_; }
    std::uint32_t release() { return --n_; }
    std::uint32_t count() const { return n_; }

private:
    std::uint32_t n_ = 0;
};

}  // namespace com
