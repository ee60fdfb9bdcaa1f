#pragma once
// The component object around a control's logic: reference counting, the
// automation interface answered from the interface's member table, one event
// connection point, property persistence and hosting. A control class
// (`Logic`) is made with the object's ControlEvents and offers setSite,
// surface() (with widget and detach) and the UserControl_InitProperties,
// _ReadProperties and _WriteProperties handlers; the derived object answers
// the members of its interface.
//
// While an event is raised the object holds a reference to itself: a host
// that lets go of the control from inside its handler, closed or not, ends
// the object only once the event has returned, and the control's logic
// then touches nothing of it.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "com/Control.h"
#include "com/ControlEvents.h"
#include "com/ConnectionPoint.h"
#include "com/Dispatch.h"
#include "com/IConnectionPoint.h"
#include "com/IPropertyBag.h"
#include "com/Object.h"
#include "com/Ptr.h"
#include "com/TypeInfo.h"

namespace com {

template <class Logic>
class ControlObject : public IDispatch,
                      public IConnectionPointContainer,
                      public IPersistPropertyBag,
                      public IControl,
                      public ControlEvents {
public:
    // IUnknown
    HRESULT QueryInterface(const Guid& iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == interface_.iid)
            *out = static_cast<IDispatch*>(this);
        else if (iid == IID_IConnectionPointContainer)
            *out = static_cast<IConnectionPointContainer*>(this);
        else if (iid == IID_IPersistPropertyBag)
            *out = static_cast<IPersistPropertyBag*>(this);
        else if (iid == IID_IControl)
            *out = static_cast<IControl*>(this);
        else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    std::uint32_t AddRef() override { return refs_.add(); }
    std::uint32_t Release() override {
        std::uint32_t n = refs_.release();
        if (n == 0) delete this;
        return n;
    }

    // IDispatch
    HRESULT GetIDsOfNames(const std::vector<std::string>& names, std::vector<DispId>& ids) override {
        return interface_.idsOfNames(names, ids);
    }
    HRESULT Invoke(DispId id, std::uint16_t flags, std::vector<Variant>& args, Variant* result) override {
        const MemberInfo* m = nullptr;
        HRESULT hr = interface_.check(id, flags, args.size(), &m);
        if (failed(hr)) return hr;
        return member(*m, args, result);
    }

    // IConnectionPointContainer
    HRESULT FindConnectionPoint(const Guid& iid, IConnectionPoint** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid != eventIid_) return CONNECT_E_NOCONNECTION;
        *out = &events_;
        events_.AddRef();
        return S_OK;
    }

    // IPersistPropertyBag
    HRESULT InitNew() override {
        logic_->UserControl_InitProperties();
        return S_OK;
    }
    HRESULT Load(IPropertyBag* bag) override {
        if (!bag) return E_POINTER;
        logic_->UserControl_ReadProperties(*bag);
        return S_OK;
    }
    HRESULT Save(IPropertyBag* bag, bool, bool) override {
        if (!bag) return E_POINTER;
        logic_->UserControl_WriteProperties(*bag);
        return S_OK;
    }

    // IControl
    HRESULT SetClientSite(IControlSite* site) override {
        logic_->setSite(site);
        return S_OK;
    }
    void* Window(void* parentWidget) override { return closed_ ? nullptr : logic_->surface().widget(parentWidget); }
    HRESULT Close() override {
        if (closed_) return S_OK;
        closed_ = true;
        events_.clear();
        logic_->setSite(nullptr);
        // The window leaves the host's form now and goes with the object.
        logic_->surface().detach();
        closing();
        return S_OK;
    }

    Logic& control() { return *logic_; }

protected:
    // `iface` answers the calls; `events` names the event interface.
    ControlObject(const InterfaceInfo& iface, const Guid& events)
        : interface_(iface),
          eventIid_(events),
          events_(static_cast<IDispatch*>(this), events),
          logic_(std::make_unique<Logic>(static_cast<ControlEvents&>(*this))) {}
    virtual ~ControlObject() = default;

    // One member of the interface, already checked against the table (its
    // id, kind and number of arguments).
    virtual HRESULT member(const MemberInfo& m, std::vector<Variant>& args, Variant* result) = 0;
    // What closing does beyond letting go of the sinks, the site and the
    // window.
    virtual void closing() {}

private:
    bool fire(DispId id, std::vector<Variant>& args) override {
        if (closed_) return false;
        bool open = false;
        {
            Ptr<IDispatch> self(this);
            events_.fire(id, args);
            // Gone once this reference goes: closed, or let go of by the
            // host (without a Close) so that this one is the last.
            open = !closed_ && refs_.count() > 1;
        }  // may end the object: nothing of it is touched after this
        return open;
    }

    RefCount refs_;
    const InterfaceInfo& interface_;
    Guid eventIid_;
    ConnectionPoint events_;
    std::unique_ptr<Logic> logic_;
    bool closed_ = false;
};

}  // namespace com
