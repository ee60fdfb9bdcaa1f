#pragma once
// What the library's four exports do: hand out the class factory, answer
// whether the library may be unloaded, and write or remove its registration
// (the control class and the type library) for the library file at `path`.
#include <string>

#include "com/Guid.h"
#include "com/InprocServer.h"
#include "com/Result.h"

namespace linkcontrols {

com::ControlRegistration controlRegistration(const std::string& ansiPath);
com::TypeLibRegistration typeLibRegistration(const std::string& ansiPath);

com::HRESULT getClassObject(const com::Guid* clsid, const com::Guid* iid, void** out);
com::HRESULT canUnloadNow();
// `path` is the library file in the file system's form.
com::HRESULT registerServer(const std::string& path);
com::HRESULT unregisterServer(const std::string& path);

}  // namespace linkcontrols
