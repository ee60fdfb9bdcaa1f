// The registry file: read, looked up, and written back by a change.
#include "FuzzInput.h"
#include "registry/Registry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto file = fuzzing::asFile(fuzzing::asText(data, size), "registry");
    std::filesystem::remove(file.string() + ".damaged");
    registry::Registry r(file);
    std::string v;
    r.getString(registry::Hive::CurrentUser, "Software\\Wortel", "state", v);
    r.values(registry::Hive::CurrentUser, "Software");
    r.setString(registry::Hive::CurrentUser, "Software\\Wortel", "state", "x");
    r.deleteKey(registry::Hive::CurrentUser, "Software");
    return 0;
}
