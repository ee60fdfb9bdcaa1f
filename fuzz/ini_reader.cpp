// The INI reader (project.prj and the like): read, looked up, changed and
// written back.
#include "FuzzInput.h"
#include "files/ProfileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto bytes = fuzzing::asText(data, size);
    files::ProfileFile file(fuzzing::asFile(bytes, "project.prj"));
    file.load();
    for (const std::string& section : file.sections()) {
        for (const std::string& key : file.keys(section)) file.read(section, key);
        file.write(section, "pass", "x");
    }
    file.read("project", "host");
    file.write("project", "host", std::string(bytes.substr(0, 64)));
    file.save();
    return 0;
}
