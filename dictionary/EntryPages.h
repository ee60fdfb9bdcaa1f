#pragma once
// The entry pages of the program folder: wyrazy/<headword>.html, written by
// the entry lookup, listed in usun.dat and deleted by the clean-up.
//
// A page's file name is the headword followed by ".html", with the
// characters a file name cannot safely hold written as "%" and two hex
// digits of their Windows-1250 byte: "/", "\", control characters, the
// characters * ? " < > | :, "%" itself, and a "." at the start (so that no
// name is "." or "..", or hidden). A name longer than the file system takes
// is cut and given a checksum; an empty headword gives "%.html". So a page is always a plain file inside
// wyrazy/, whatever the headword holds.
#include <filesystem>
#include <string>
#include <system_error>

namespace dictionary {

class EntryPages {
public:
    explicit EntryPages(std::filesystem::path programFolder) : folder_(std::move(programFolder)) {}

    // The page's file name (Windows-1250) for a headword.
    static std::string pageName(const std::string& headword);
    // Whether a name listed in usun.dat is one the clean-up may delete: a
    // plain .html file name, no folder in it.
    static bool deletableName(const std::string& name);

    std::filesystem::path pagePath(const std::string& headword) const;
    // Writes the page "<font size=2 face=Arial>" + CR LF + body + CR LF;
    // creates wyrazy/ when it is missing. False when it cannot be written.
    bool write(const std::string& headword, const std::string& body, std::filesystem::path& page) const;
    // Adds the page's name at the end of usun.dat, all or nothing; false with
    // the reason in `failure` when it cannot be saved.
    bool list(const std::string& headword, std::error_code* failure = nullptr) const;
    // Deletes the pages usun.dat lists (when an entry page was shown in this
    // run) and rewrites usun.dat with one empty line; deletes lista.html
    // when the print page was written. Every failure is passed over.
    void cleanUp(bool entryShown, bool printPageWritten) const;

    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path folder_;
};

}  // namespace dictionary
