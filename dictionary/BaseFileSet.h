#pragma once
// Files of a word base that change together: the program base (a.dat and
// b.dat with the update state numer.dat and data.dat) and the user's base
// (x.dat and y.dat). A change writes every new file whole beside the old one
// (NAME.nowy), then a small journal naming them, whose appearance is the
// moment the change is decided; only then are the new files renamed into
// place, and the journal goes last. Whenever the program is stopped, the
// next start (recover()) therefore finds either the old set, or a decided
// change, which it finishes; what an undecided change left is removed.
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace dictionary {

class BaseFileSet {
public:
    // The program base and the user's base of a program folder.
    static BaseFileSet programBase(const std::filesystem::path& folder);
    static BaseFileSet ownBase(const std::filesystem::path& folder);

    // scratch: files of the set's changes that never outlive one (the
    // downloads of an update), removed by recover().
    BaseFileSet(std::filesystem::path folder, std::string journal, std::vector<std::string> members,
                std::vector<std::string> scratch = {});

    // Replaces the named members (a subset of the set, in any order) with the
    // given lines, each written with CR LF. False when any file could not be
    // written: the set is then as it was and nothing of the change is left.
    // Once the journal is written the change counts as made: a rename that
    // fails after it is finished by recover() at the next start.
    using Lines = std::vector<std::string>;
    bool replace(const std::vector<std::pair<std::string, Lines>>& files) const;

    // At start-up: finishes a decided change, removes what an undecided one
    // left, the scratch files and our temporary files beside the members.
    void recover() const;

    // Called at each step of a change ("NAME.nowy" written, "journal"
    // written, "NAME" renamed into place, "done"): tests stop or fail the
    // change there. Null: no hook.
    using StepHook = void (*)(const std::string& step);
    static void setStepHook(StepHook hook);

private:
    std::filesystem::path path(const std::string& name) const { return folder_ / name; }
    bool finish(const std::vector<std::string>& names) const;

    std::filesystem::path folder_;
    std::string journal_;
    std::vector<std::string> members_, scratch_;
};

}  // namespace dictionary
