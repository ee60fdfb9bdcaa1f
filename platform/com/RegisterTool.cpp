#include "com/RegisterTool.h"

#include <dlfcn.h>

#include <cstdio>

#include "com/ErrorInfo.h"
#include "com/InprocServer.h"
#include "registry/Registry.h"
#include "text/CaseRules.h"

namespace com {

namespace {
std::string hex(HRESULT hr) {
    char b[16];
    std::snprintf(b, sizeof b, "0x%08X", static_cast<unsigned>(hr));
    return b;
}
}  // namespace

// A failure always says why, "/s" or not: only the word of success is left
// out when asked.
int runRegisterTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    bool unregister = false, silent = false;
    std::string file;
    bool bad = false;
    for (auto& a : args) {
        // An option is a slash or dash and one letter; anything else is the file.
        if (a.size() == 2 && (a[0] == '/' || a[0] == '-')) {
            char o = text::toLower(a[1]);
            if (o == 'u') unregister = true;
            else if (o == 's') silent = true;
            else bad = true;
            continue;
        }
        if (!file.empty() || a.empty()) bad = true;
        file = a;
    }
    if (bad) file.clear();
    if (file.empty()) {
        err << "Użycie: regsvr [/u] [/s] plik\n  /u  wyrejestruj\n  /s  bez komunikatu o powodzeniu\n";
        return RegBadArguments;
    }
    void* h = ::dlopen(file.find('/') == std::string::npos ? ("./" + file).c_str() : file.c_str(),
                       RTLD_NOW | RTLD_LOCAL);
    if (!h) {
        const char* e = ::dlerror();
        err << "Nie można wczytać modułu „" << file << "”: " << (e ? e : "") << "\n";
        return RegLoadFailed;
    }
    const char* entry = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    auto fn = reinterpret_cast<DllRegisterServerFn>(::dlsym(h, entry));
    if (!fn) {
        err << "Moduł „" << file << "” nie ma punktu wejścia " << entry << ".\n";
        ::dlclose(h);
        return RegNoEntryPoint;
    }
    takeErrorInfo();  // nothing left from before counts as the call's reason
    HRESULT hr = fn();
    std::string why = takeErrorInfo();
    ::dlclose(h);
    if (failed(hr)) {
        err << entry << " w „" << file << "” nie powiodło się, kod błędu " << hex(hr) << ".\n";
        // The library says why in its own words. One that does not: its
        // registry is the same file as ours, and a look at it, which changes
        // nothing, tells whether it could be written.
        if (why.empty()) {
            registry::Registry& r = registry::store();
            if (r.checkWritable() != registry::Status::Ok) why = r.lastFailure();
        }
        if (!why.empty()) err << why << "\n";
        return RegCallFailed;
    }
    if (!silent) out << entry << " w „" << file << "” powiodło się.\n";
    return RegOk;
}

}  // namespace com
