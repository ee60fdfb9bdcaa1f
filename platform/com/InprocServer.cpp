#include "com/InprocServer.h"

#include <dlfcn.h>

#include <filesystem>

#include "com/ErrorInfo.h"
#include "registry/Registry.h"

namespace com {

const Guid CLSID_DispatchMarshaller = guid("{00020424-0000-0000-C000-000000000046}");

std::string modulePath(const void* address) {
    Dl_info info{};
    if (!dladdr(address, &info) || !info.dli_fname) return {};
    std::error_code ec;
    auto p = std::filesystem::canonical(info.dli_fname, ec);
    return ec ? std::string(info.dli_fname) : p.string();
}

namespace {

using registry::Hive;
using registry::Status;

// A failure keeps the reason of the first change that was not made, which
// the caller is told through the error info.
struct Writer {
    registry::Registry& r = registry::store();
    bool ok = true;
    std::string why;
    void set(const std::string& key, const std::string& name, const std::string& value) {
        check(r.setString(Hive::ClassesRoot, key, name, value));
    }
    void key(const std::string& k) { check(r.createKey(Hive::ClassesRoot, k)); }
    void check(Status s) {
        if (s == Status::Ok) return;
        if (ok) why = r.lastFailure();
        ok = false;
    }
};

// Deletes a key; a key that is not there is no failure.
bool removeKey(const std::string& key, std::string& why) {
    Status s = registry::store().deleteKey(Hive::ClassesRoot, key);
    if (s == Status::Ok || s == Status::NotFound) return true;
    if (why.empty()) why = registry::store().lastFailure();
    return false;
}

void pruneContainer(const std::string& key) {
    auto& r = registry::store();
    if (r.keyExists(Hive::ClassesRoot, key) && r.subkeys(Hive::ClassesRoot, key).empty() &&
        r.values(Hive::ClassesRoot, key).empty())
        r.deleteKey(Hive::ClassesRoot, key);
}

std::string parentDir(const std::string& path) {
    std::filesystem::path p(path);
    return p.has_parent_path() ? p.parent_path().string() : std::string();
}

}  // namespace

HRESULT registerControl(const ControlRegistration& c) {
    if (c.progId.empty() || c.serverPath.empty()) return E_INVALIDARG;
    const std::string clsid = c.clsid.toString();
    const std::string k = "CLSID\\" + clsid;
    Writer w;
    w.set(c.progId + "\\CLSID", "", clsid);
    w.set(k + "\\InprocServer32", "", c.serverPath);
    if (!c.threadingModel.empty()) w.set(k + "\\InprocServer32", "ThreadingModel", c.threadingModel);
    w.set(k + "\\ProgID", "", c.progId);
    w.key(k + "\\Control");
    w.set(k + "\\ToolboxBitmap32", "", c.serverPath + ", " + std::to_string(c.toolboxBitmap));
    w.set(k + "\\TypeLib", "", c.libid.toString());
    w.set(k + "\\Version", "", c.libVersion);
    w.set(k + "\\MiscStatus", "", "0");
    w.set(k + "\\MiscStatus\\1", "", std::to_string(c.miscStatus));
    if (!w.ok) {
        unregisterControl(c);
        setErrorInfo(w.why);
        return SELFREG_E_CLASS;
    }
    return S_OK;
}

HRESULT unregisterControl(const ControlRegistration& c) {
    std::string why;
    bool ok = removeKey(c.progId, why) & removeKey("CLSID\\" + c.clsid.toString(), why);
    pruneContainer("CLSID");
    if (ok) return S_OK;
    setErrorInfo(why);
    return SELFREG_E_CLASS;
}

HRESULT registerTypeLib(const TypeLibRegistration& t) {
    const std::string libid = t.libid.toString();
    const std::string k = "TypeLib\\" + libid + "\\" + t.version;
    Writer w;
    w.set(k, "", t.name);
    w.set(k + "\\0\\win32", "", t.path);
    w.set(k + "\\FLAGS", "", std::to_string(t.flags));
    w.set(k + "\\HELPDIR", "", parentDir(t.path));
    for (auto& i : t.interfaces) {
        const std::string ik = "Interface\\" + i.iid.toString();
        w.set(ik, "", i.name);
        w.set(ik + "\\ProxyStubClsid", "", CLSID_DispatchMarshaller.toString());
        w.set(ik + "\\ProxyStubClsid32", "", CLSID_DispatchMarshaller.toString());
        w.set(ik + "\\TypeLib", "", libid);
        w.set(ik + "\\TypeLib", "Version", t.version);
    }
    if (!w.ok) {
        unregisterTypeLib(t);
        setErrorInfo(w.why);
        return SELFREG_E_TYPELIB;
    }
    return S_OK;
}

HRESULT unregisterTypeLib(const TypeLibRegistration& t) {
    std::string why;
    bool ok = removeKey("TypeLib\\" + t.libid.toString(), why);
    for (auto& i : t.interfaces) ok &= removeKey("Interface\\" + i.iid.toString(), why);
    pruneContainer("TypeLib");
    pruneContainer("Interface");
    if (ok) return S_OK;
    setErrorInfo(why);
    return SELFREG_E_TYPELIB;
}

}  // namespace com
