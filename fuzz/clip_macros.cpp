// Clip items of the library and their macros: names collected, the grid's
// keys and files, and the text filled.
#include <map>

#include "FuzzInput.h"
#include "pageeditor/app/ClipMacros.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(fuzzing::asText(data, size));
    std::vector<std::string> names;
    pageeditor::macro_names(text, names);
    pageeditor::ClipMacros macros(text, [](const std::string& s) { return s + "%(t" + s + ")%"; });
    std::map<std::string, std::string> values;
    for (const auto& k : macros.keys()) values[k] = "<" + k + ">%(v" + k + ")%";
    macros.fill(values);
    for (const auto& f : macros.files()) pageeditor::ClipMacros::safeRelativeName(f);
    return 0;
}
