// The four exports of zorbLink.ocx, the only symbols the library shows.
#include "com/InprocServer.h"
#include "forms/ModalAnswers.h"
#include "forms/WidgetAnswers.h"
#include "linkcontrols/Server.h"

#define ZORB_EXPORT extern "C" __attribute__((visibility("default")))

namespace {
// The platform layer inside the library is a copy of its own, which no
// program has set up: its answers would be the defaults of a test's. In a
// host's process they are the desktop's, so a link without a host site to
// ask (made without one, or closed) opens its target with the desktop's
// opener.
void answerAsTheDesktop() {
    static forms::WidgetAnswers desktop;
    static const bool installed = (forms::setModal(&desktop), true);
    (void)installed;
}
}  // namespace

ZORB_EXPORT com::HRESULT DllCanUnloadNow() { return linkcontrols::canUnloadNow(); }

ZORB_EXPORT com::HRESULT DllGetClassObject(const com::Guid* clsid, const com::Guid* iid, void** out) {
    answerAsTheDesktop();
    return linkcontrols::getClassObject(clsid, iid, out);
}

ZORB_EXPORT com::HRESULT DllRegisterServer() {
    return linkcontrols::registerServer(com::modulePath(reinterpret_cast<const void*>(&DllRegisterServer)));
}

ZORB_EXPORT com::HRESULT DllUnregisterServer() {
    return linkcontrols::unregisterServer(com::modulePath(reinterpret_cast<const void*>(&DllRegisterServer)));
}
