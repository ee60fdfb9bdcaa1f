#include "registry/BrowserVersion.h"

#include "registry/Registry.h"

namespace registry {

const char* const kBrowserKey = "Software\\Microsoft\\Internet Explorer";
const char* const kBrowserValue = "Version";

std::string seedBrowserVersion(std::string_view engineVersion) {
    Registry& r = store();
    std::string v;
    if (r.getString(Hive::LocalMachine, kBrowserKey, kBrowserValue, v)) return v;
    r.setString(Hive::LocalMachine, kBrowserKey, kBrowserValue, engineVersion);
    if (r.getString(Hive::LocalMachine, kBrowserKey, kBrowserValue, v)) return v;
    return std::string(engineVersion);
}

}  // namespace registry
