#pragma once
// Creating objects the way a host does: a class name (ProgID) is looked up in
// the registry's class hive, the registered server library is loaded into the
// process, its class factory fetched through DllGetClassObject and asked for
// the object. The host never links against the library.
#include <string>
#include <string_view>

#include "com/Guid.h"
#include "com/Result.h"

namespace com {

// CO_E_CLASSSTRING when the name is not registered (or has no valid class id).
HRESULT clsidFromProgId(std::string_view progId, Guid& clsid);
// REGDB_E_CLASSNOTREG when the class has no registered server.
HRESULT serverPathOf(const Guid& clsid, std::string& path);

// The object's `iid` in *out. Errors: those above, CO_E_DLLNOTFOUND when the
// library file cannot be loaded, CO_E_ERRORINDLL when it lacks the exports,
// and whatever the library's factory answers.
HRESULT createInstance(const Guid& clsid, const Guid& iid, void** out);
HRESULT createInstance(std::string_view progId, const Guid& iid, void** out);

// Unloads every loaded server library whose DllCanUnloadNow answers S_OK,
// once the event loop runs again (at once when there is no application):
// a library whose code may still be on the stack is never unloaded under it.
void freeUnusedLibraries();
// How many server libraries are loaded now.
int loadedLibraries();

// The reason of the last failed load, for messages.
std::string lastLoadError();

// A message for a creation failure, in Polish (Windows-1250).
std::string describe(HRESULT hr);

}  // namespace com
