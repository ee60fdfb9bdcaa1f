#pragma once
// The in-process server side: the four exports every server library offers
// (with C linkage, and nothing else exported), the file name of the library
// a function lies in, and the registration a control server writes into the
// registry's class hive and removes again.
#include <cstdint>
#include <string>
#include <vector>

#include "com/Guid.h"
#include "com/Result.h"

namespace com {

// The exports' signatures.
extern "C" {
using DllGetClassObjectFn = HRESULT (*)(const Guid* clsid, const Guid* iid, void** out);
using DllCanUnloadNowFn = HRESULT (*)();
using DllRegisterServerFn = HRESULT (*)();
using DllUnregisterServerFn = HRESULT (*)();
}

// The full path of the library (or program) that holds `address`.
std::string modulePath(const void* address);

struct ControlRegistration {
    std::string progId;          // "Library.Class"
    Guid clsid;
    std::string serverPath;      // the library's full path
    int toolboxBitmap = 0;       // resource id of the toolbox picture
    Guid libid;
    std::string libVersion;      // "1.0"
    std::uint32_t miscStatus = 0;
    std::string threadingModel;  // "Apartment"
};

struct TypeLibRegistration {
    Guid libid;
    std::string version;  // "1.0"
    std::string name;     // the library's help string
    std::uint16_t flags = 0;
    std::string path;     // the file that holds the type library
    struct Interface {
        Guid iid;
        std::string name;
    };
    std::vector<Interface> interfaces;  // marshalled as dispatch interfaces
};

// Write and remove exactly the keys below HKEY_CLASSES_ROOT:
//   <progId>\CLSID = {clsid}
//   CLSID\{clsid}: InprocServer32 = path (ThreadingModel), ProgID, Control,
//     ToolboxBitmap32 = "path, id", TypeLib = {libid}, Version, MiscStatus = "0"
//     with MiscStatus\1 = the status value
//   TypeLib\{libid}\<version> = name, with 0\win32 = path, FLAGS, HELPDIR
//   Interface\{iid} = name, with ProxyStubClsid, ProxyStubClsid32 and TypeLib
//     (= {libid}, Version)
// Removal leaves the containers CLSID, TypeLib and Interface only when other
// entries remain in them. A failure leaves the reason of the first change
// that was not made as the thread's error info (ErrorInfo.h).
HRESULT registerControl(const ControlRegistration& r);
HRESULT unregisterControl(const ControlRegistration& r);
HRESULT registerTypeLib(const TypeLibRegistration& t);
HRESULT unregisterTypeLib(const TypeLibRegistration& t);

// The class that marshals dispatch interfaces.
extern const Guid CLSID_DispatchMarshaller;

}  // namespace com
