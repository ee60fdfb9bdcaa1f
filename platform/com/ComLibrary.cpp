#include "com/ComLibrary.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <map>

#include "com/ClassFactory.h"
#include "com/InprocServer.h"
#include "com/Ptr.h"
#include "registry/Registry.h"
#include "text/CodePage.h"
#include "text/Paths.h"

namespace com {

namespace {

struct Loaded {
    void* handle = nullptr;
    DllGetClassObjectFn getClassObject = nullptr;
    DllCanUnloadNowFn canUnloadNow = nullptr;
};

std::map<std::string, Loaded>& libraries() {
    static std::map<std::string, Loaded> m;
    return m;
}

std::string& lastError() {
    static std::string e;
    return e;
}

HRESULT load(const std::string& path, Loaded*& out) {
    auto& libs = libraries();
    if (auto it = libs.find(path); it != libs.end()) {
        out = &it->second;
        return S_OK;
    }
    void* h = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!h) {
        const char* e = ::dlerror();
        lastError() = e ? e : path;
        return CO_E_DLLNOTFOUND;
    }
    Loaded l;
    l.handle = h;
    l.getClassObject = reinterpret_cast<DllGetClassObjectFn>(::dlsym(h, "DllGetClassObject"));
    l.canUnloadNow = reinterpret_cast<DllCanUnloadNowFn>(::dlsym(h, "DllCanUnloadNow"));
    if (!l.getClassObject || !l.canUnloadNow) {
        lastError() = path + ": no server exports";
        ::dlclose(h);
        return CO_E_ERRORINDLL;
    }
    out = &(libs[path] = l);
    return S_OK;
}

}  // namespace

HRESULT clsidFromProgId(std::string_view progId, Guid& clsid) {
    std::string text;
    if (progId.empty() || progId.find('\\') != std::string_view::npos) return CO_E_CLASSSTRING;
    if (!registry::store().getString(registry::Hive::ClassesRoot, std::string(progId) + "\\CLSID", "", text))
        return CO_E_CLASSSTRING;
    auto g = Guid::parse(text);
    if (!g) return CO_E_CLASSSTRING;
    clsid = *g;
    return S_OK;
}

HRESULT serverPathOf(const Guid& clsid, std::string& path) {
    if (!registry::store().getString(registry::Hive::ClassesRoot, "CLSID\\" + clsid.toString() + "\\InprocServer32",
                                     "", path) ||
        path.empty())
        return REGDB_E_CLASSNOTREG;
    return S_OK;
}

HRESULT createInstance(const Guid& clsid, const Guid& iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    std::string ansiPath;
    HRESULT hr = serverPathOf(clsid, ansiPath);
    if (failed(hr)) return hr;
    Loaded* lib = nullptr;
    hr = load(text::toPath(ansiPath).string(), lib);
    if (failed(hr)) return hr;
    Ptr<IClassFactory> factory;
    hr = lib->getClassObject(&clsid, &IID_IClassFactory, factory.putVoid());
    if (failed(hr)) return hr;
    if (!factory) return E_UNEXPECTED;
    return factory->CreateInstance(nullptr, iid, out);
}

HRESULT createInstance(std::string_view progId, const Guid& iid, void** out) {
    if (out) *out = nullptr;
    Guid clsid;
    HRESULT hr = clsidFromProgId(progId, clsid);
    if (failed(hr)) return hr;
    return createInstance(clsid, iid, out);
}

namespace {

void unloadUnused() {
    auto& libs = libraries();
    for (auto it = libs.begin(); it != libs.end();) {
        if (it->second.canUnloadNow() == S_OK) {
            ::dlclose(it->second.handle);
            it = libs.erase(it);
        } else {
            ++it;
        }
    }
}

bool& unloadPending() {
    static bool pending = false;
    return pending;
}

}  // namespace

void freeUnusedLibraries() {
    // Asked for from inside a library's own code (a host that lets go of a
    // control in one of its events), the library must stay until that code
    // has returned: the unload waits for the event loop.
    if (libraries().empty() || unloadPending()) return;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) {
        unloadUnused();
        return;
    }
    unloadPending() = true;
    QMetaObject::invokeMethod(
        app,
        [] {
            unloadPending() = false;
            unloadUnused();
        },
        Qt::QueuedConnection);
}

int loadedLibraries() { return static_cast<int>(libraries().size()); }

std::string lastLoadError() { return lastError(); }

std::string describe(HRESULT hr) {
    switch (hr) {
        case CO_E_CLASSSTRING:
        case REGDB_E_CLASSNOTREG:
            return text::ansi("Biblioteka kontrolek nie jest zarejestrowana.");
        case CO_E_DLLNOTFOUND:
            return text::ansi("Nie można wczytać pliku biblioteki kontrolek.");
        case CO_E_ERRORINDLL:
            return text::ansi("Plik biblioteki kontrolek jest uszkodzony.");
        case CLASS_E_CLASSNOTAVAILABLE:
            return text::ansi("Biblioteka kontrolek nie zawiera tej kontrolki.");
        default:
            return text::ansi("Nie można utworzyć kontrolki.");
    }
}

}  // namespace com
