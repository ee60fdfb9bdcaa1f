#pragma once
// A holder of one reference to an interface.
#include <utility>

#include "com/Unknown.h"

namespace com {

template <class T>
class Ptr {
public:
    Ptr() = default;
    // Takes an added reference of its own.
    Ptr(T* p) : p_(p) {
        if (p_) p_->AddRef();
    }
    Ptr(const Ptr& o) : Ptr(o.p_) {}
    Ptr(Ptr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    ~Ptr() { reset(); }
    Ptr& operator=(const Ptr& o) {
        Ptr(o).swap(*this);
        return *this;
    }
    Ptr& operator=(Ptr&& o) noexcept {
        Ptr(std::move(o)).swap(*this);
        return *this;
    }
    // Adopts a reference the caller already holds (from QueryInterface etc.).
    static Ptr adopt(T* p) {
        Ptr r;
        r.p_ = p;
        return r;
    }
    void reset() {
        if (p_) std::exchange(p_, nullptr)->Release();
    }
    void swap(Ptr& o) noexcept { std::swap(p_, o.p_); }
    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For out parameters: releases what is held and gives the slot.
    T** put() {
        reset();
        return &p_;
    }
    void** putVoid() { return reinterpret_cast<void**>(put()); }

    // Queries another interface of the same object.
    template <class U>
    Ptr<U> as(const Guid& iid) const {
        Ptr<U> r;
        if (p_) p_->QueryInterface(iid, r.putVoid());
        return r;
    }

private:
    T* p_ = nullptr;
};

}  // namespace com
