#pragma once
// Language packs: files that re-caption the forms and their components,
// addressed by position (the form's place among the application's forms, the
// component's place among the form's components).
//
// Layout (Windows-1250, CR LF): a header line, the application title, then
// blocks: "#Win:", the form's index, its caption, its hint, triples
// (component index, first value, second value), ended by a triple holding
// "}" in any line. Lines between blocks other than "#Win:" are skipped.
#include <stdexcept>
#include <string>
#include <vector>

namespace forms {
class Component;
class Form;
}

namespace pageeditor {

struct LanguagePackError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Applies a pack to `owned` (the application's forms in their order) and
// sets the application title. Throws LanguagePackError when the file cannot
// be read or an index is not a number or outside its list; what was applied
// before stays.
void loadLANG(const std::string& path, const std::vector<forms::Form*>& owned);

// Writes the pack of the current captions of `owned` (the same layout).
void SaveLANG(const std::string& path, const std::vector<forms::Form*>& owned);

// Saves a pack's lines, all or nothing; LanguagePackError with the message
// for the user (the file and the reason) when it cannot be saved.
void savePackLines(const std::string& path, const std::vector<std::string>& lines);

// The items of a list as a pack writes them on one line: separated by
// commas or blanks, an item in double quotes where it holds a comma, a quote
// or a blank, or is empty ("" inside quotes stands for one quote).
// A pack's index line as a number; LanguagePackError when it is not one.
int parsePackIndex(const std::string& line);
// Applies one (caption, hint) pair to a component of the classes every pack
// knows: buttons, labels ("|" a line break), actions, check boxes, menu
// items, tabs, panels, edits and combo boxes (items as comma text).
void applyTriple(forms::Component& c, const std::string& first, const std::string& second);
// The (caption, hint) pair a writer gives a component of those classes, or
// false for any other class.
bool describeTriple(const forms::Component& c, std::string& first, std::string& second);

std::vector<std::string> splitCommaText(const std::string& line);
std::string joinCommaText(const std::vector<std::string>& items);

}  // namespace pageeditor
