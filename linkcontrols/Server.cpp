#include "linkcontrols/Server.h"

#include "com/ErrorInfo.h"
#include "com/Object.h"
#include "linkcontrols/ZorbLinkFactory.h"
#include "linkcontrols/ZorbLinkTypeLib.h"
#include "text/Paths.h"

namespace linkcontrols {

using namespace com;

ControlRegistration controlRegistration(const std::string& ansiPath) {
    ControlRegistration r;
    r.progId = kProgId;
    r.clsid = CLSID_zorbLink;
    r.serverPath = ansiPath;
    r.toolboxBitmap = kToolboxBitmap;
    r.libid = LIBID_zorbLinkControl;
    r.libVersion = "1.0";
    r.miscStatus = kMiscStatus;
    r.threadingModel = "Apartment";
    return r;
}

TypeLibRegistration typeLibRegistration(const std::string& ansiPath) {
    const TypeLibraryInfo& t = typeLibrary();
    TypeLibRegistration r;
    r.libid = t.libid;
    r.version = std::to_string(t.major) + "." + std::to_string(t.minor);
    r.name = t.help;
    r.flags = t.libFlags;
    r.path = ansiPath;
    for (auto& i : t.interfaces) r.interfaces.push_back({i.iid, i.name});
    return r;
}

HRESULT getClassObject(const Guid* clsid, const Guid* iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!clsid || !iid) return E_INVALIDARG;
    if (*clsid != CLSID_zorbLink) return CLASS_E_CLASSNOTAVAILABLE;
    auto* f = new ZorbLinkFactory();
    f->AddRef();
    HRESULT hr = f->QueryInterface(*iid, out);
    f->Release();
    return hr;
}

HRESULT canUnloadNow() { return ModuleCount::idle() ? S_OK : S_FALSE; }

namespace {
bool ansiPathOf(const std::string& path, std::string& ansi) {
    return !path.empty() && text::fromPath(std::filesystem::path(path), ansi);
}
}  // namespace

HRESULT registerServer(const std::string& path) {
    std::string ansi;
    if (!ansiPathOf(path, ansi)) {
        // The registry holds Windows-1250 text: the caller learns why nothing
        // was written.
        setErrorInfo("Ścieżki modułu „" + path +
                     "” nie da się zapisać w rejestrze: ma znaki spoza strony kodowej Windows-1250.");
        return SELFREG_E_CLASS;
    }
    HRESULT hr = registerControl(controlRegistration(ansi));
    if (failed(hr)) return hr;
    hr = registerTypeLib(typeLibRegistration(ansi));
    if (failed(hr)) {
        // The caller learns why the type library failed, not the clean-up.
        const std::string why = takeErrorInfo();
        unregisterControl(controlRegistration(ansi));
        setErrorInfo(why);
        return hr;
    }
    return S_OK;
}

HRESULT unregisterServer(const std::string& path) {
    std::string ansi;
    ansiPathOf(path, ansi);
    HRESULT a = unregisterControl(controlRegistration(ansi));
    // As when registering, the reason the caller learns is that of the step
    // whose code it gets: the control's, when both fail.
    const std::string why = takeErrorInfo();
    HRESULT b = unregisterTypeLib(typeLibRegistration(ansi));
    if (failed(a)) {
        setErrorInfo(why);
        return a;
    }
    return b;
}

}  // namespace linkcontrols
