// The four exports of zorbLink.ocx, the only symbols the library shows.
#include "com/InprocServer.h"
#include "linkcontrols/Server.h"

#define ZORB_EXPORT extern "C" __attribute__((visibility("default")))

ZORB_EXPORT com::HRESULT DllCanUnloadNow() { return linkcontrols::canUnloadNow(); }

ZORB_EXPORT com::HRESULT DllGetClassObject(const com::Guid* clsid, const com::Guid* iid, void** out) {
    return linkcontrols::getClassObject(clsid, iid, out);
}

ZORB_EXPORT com::HRESULT DllRegisterServer() {
    return linkcontrols::registerServer(com::modulePath(reinterpret_cast<const void*>(&DllRegisterServer)));
}

ZORB_EXPORT com::HRESULT DllUnregisterServer() {
    return linkcontrols::unregisterServer(com::modulePath(reinterpret_cast<const void*>(&DllRegisterServer)));
}
