#pragma once
// Macros of a clip item (an HTML fragment of the library, *.ht): the text
// "%(" name ")%", where the name's first character is its kind and the rest
// its argument:
//   t  translated text: replaced by tr(argument);
//   v  value: one row of the value grid, keyed by tr(argument), replaced by
//      what the user enters there;
//   c  copied file: data\lib_res\<argument> is copied into the open site
//      (never over an existing file) and the macro is removed.
// Names of another kind, and empty names, stay in the text as they are.
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace pageeditor {

// Appends the macro names of the text to the list, in order of appearance,
// duplicates included. A "%(" inside a name belongs to the name; a macro not
// closed before the end is dropped.
void macro_names(const std::string& text, std::vector<std::string>& list);

class ClipMacros {
public:
    using Translate = std::function<std::string(const std::string&)>;

    // Collects the macros of a clip item's text.
    ClipMacros(std::string text, const Translate& tr);

    // The keys of the value grid: tr of each "v" argument, once each, in
    // order of first appearance.
    const std::vector<std::string>& keys() const { return keys_; }
    // The arguments of the "c" macros, once each, in order of appearance.
    const std::vector<std::string>& files() const { return files_; }

    // The text with every macro filled: values by grid key. A value is
    // written as text (markup characters escaped), and nothing that a value
    // or translation brings in is read as a macro again.
    std::string fill(const std::map<std::string, std::string>& values) const;

    // Copies the files of the "c" macros from resources (data\lib_res\) into
    // the site folder (both ending in "\"). A name that is absolute or climbs
    // with ".." is not copied; an existing file is never overwritten; a
    // missing target sub-folder makes that copy fail. Failures are silent.
    void copyFiles(const std::string& resources, const std::string& site) const;

    // A name below a folder: relative, without "." or ".." steps or empty steps.
    static bool safeRelativeName(const std::string& name);
    // The value as HTML text: & < > " escaped.
    static std::string asHtmlText(const std::string& value);

private:
    std::string text_;
    Translate tr_;
    std::vector<std::string> keys_;
    std::vector<std::string> files_;
};

}  // namespace pageeditor
