#pragma once
// The dictionary program: its folder, its program-wide state and its forms.
// One Program exists while the dictionary runs; the forms reach each other
// and the shared state through Program::current().
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace dictionary {

class Form1;
class frmSplash;

class Program {
public:
    static constexpr int VersionMajor = 0;
    static constexpr int VersionMinor = 7;
    static constexpr int VersionRevision = 3;
    // The program's title (Windows-1250).
    static std::string title();

    explicit Program(std::filesystem::path folder);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    static Program& current();
    // At start-up: a change of either base that a stop interrupted is
    // finished, or what it left is removed, before anything reads the files.
    static void recoverBases(const std::filesystem::path& folder);
    const std::filesystem::path& folder() const { return folder_; }

    // Shows the splash; its timer goes on to the lookup window.
    void start();

    Form1& form1() { return *form1_; }
    frmSplash& splash() { return *splash_; }

    // Program-wide state.
    std::int16_t intIloscWyrazow = 0;  // headwords of the program base
    bool blnPrzeladowanie = false;     // the lookup window is unloaded to be shown again
    bool blnListaHtml = false;         // the print page lista.html was written
    bool blnOknoDrukuj = false;        // the print-list window is loaded

private:
    std::filesystem::path folder_;
    std::unique_ptr<frmSplash> splash_;
    std::unique_ptr<Form1> form1_;
};

}  // namespace dictionary
