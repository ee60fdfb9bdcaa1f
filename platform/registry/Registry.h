#pragma once
// The platform's registry, kept in one text file of our own: hives of keys,
// each key holding subkeys and named values (string or 32-bit number). Key
// and value names are compared without regard to case and keep the case they
// were created with. Every change is written at once, through a temporary
// file renamed over the old one, under a lock shared by all processes that
// use the same file, so a change made by one program (the registration tool)
// is never lost by another (the dictionary) writing at the same time.
//
// Names and string values are Windows-1250 bytes. A key path is a list of
// names separated by backslashes ("Software\\Microsoft\\Internet Explorer");
// the empty path is the hive's root. The value name "" is the key's default
// value.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace registry {

enum class Hive { ClassesRoot, CurrentUser, LocalMachine, Users, CurrentConfig };

// "HKEY_CLASSES_ROOT" and the short form "HKCR" (and so on), any case.
std::optional<Hive> parseHive(std::string_view name);
std::string hiveName(Hive hive);

enum class Status {
    Ok,
    NotFound,   // the key or value does not exist
    BadName,    // an empty name inside a path, or a control character in a name
    IoError,    // the file could not be read, locked or written
};

enum class ValueType { String, Dword };

struct Value {
    ValueType type = ValueType::String;
    std::string text;          // for String
    std::uint32_t number = 0;  // for Dword
    static Value string(std::string s) { return {ValueType::String, std::move(s), 0}; }
    static Value dword(std::uint32_t n) { return {ValueType::Dword, {}, n}; }
    bool operator==(const Value&) const = default;
};

struct NamedValue {
    std::string name;
    Value value;
};

class Registry {
public:
    // A registry kept in `file` (created on the first change, with its folder).
    explicit Registry(std::filesystem::path file);
    ~Registry();
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    const std::filesystem::path& file() const;
    // Uses another file from now on (read afresh at the next call).
    void setFile(std::filesystem::path file);
    // Reads the file, and removes the temporary files that saves cut short by
    // a crash left beside it. Every other call opens the registry so first;
    // a program calls this at start-up to tidy a registry it may not read.
    void open();

    bool keyExists(Hive hive, std::string_view key);
    // Creates the key and every missing key above it; Ok when it exists already.
    Status createKey(Hive hive, std::string_view key);
    // Deletes the key with all its subkeys and values. A hive's root cannot be
    // deleted (BadName).
    Status deleteKey(Hive hive, std::string_view key);

    // Sets a value, creating the key when needed; replaces a value of the same
    // name whatever its type.
    Status setValue(Hive hive, std::string_view key, std::string_view name, const Value& value);
    Status setString(Hive hive, std::string_view key, std::string_view name, std::string_view text);
    Status setDword(Hive hive, std::string_view key, std::string_view name, std::uint32_t number);
    Status deleteValue(Hive hive, std::string_view key, std::string_view name);

    std::optional<Value> value(Hive hive, std::string_view key, std::string_view name);
    // False when the value is absent or of the other type.
    bool getString(Hive hive, std::string_view key, std::string_view name, std::string& text);
    bool getDword(Hive hive, std::string_view key, std::string_view name, std::uint32_t& number);

    // Names of the subkeys and the values of a key, in the order they were
    // created; empty when the key does not exist.
    std::vector<std::string> subkeys(Hive hive, std::string_view key);
    std::vector<NamedValue> values(Hive hive, std::string_view key);

    // The outcome of the last read of the file: false when the file existed
    // but could not be read, or held lines that were not understood. Such a
    // file is copied aside (file name + ".damaged") before the next change
    // writes over it, so nothing in it is lost.
    bool lastReadClean() const;

    // Why the last change ended in IoError: which file could not be locked,
    // read or written, and why ("Nie można zapisać pliku ...: ..."), in
    // UTF-8 for a tool's message; empty after a change that was made.
    const std::string& lastFailure() const;
    // Whether a change could be written now, and why not through
    // lastFailure(), found without changing anything: the lock is taken
    // (when a lock file is there), the file read, and a temporary made and
    // removed beside it; when its folder is still to be made, the folder
    // above must take new entries.
    // For a tool that was told a change failed in a library with its own
    // registry object.
    Status checkWritable();

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

// Where the programs' registry lives: $SUITE_REGISTRY when set, else
// $XDG_CONFIG_HOME/wortel-suite/registry, else ~/.config/wortel-suite/registry.
std::filesystem::path defaultPath();

// The registry every program and library of the suite uses, at defaultPath()
// unless setPath was called.
Registry& store();
// Points store() at another file (tests); an empty path returns to
// defaultPath(). Any Registry& obtained earlier stays valid and follows.
// This reaches the calling module only: a loaded library or a tool started
// from here keeps its own store(), which follows $SUITE_REGISTRY.
void setPath(const std::filesystem::path& file);

}  // namespace registry
