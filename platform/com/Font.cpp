#include "com/Font.h"

#include "com/Object.h"

namespace com {

namespace {
class StdFont final : public IFont {
public:
    explicit StdFont(const FontDesc& d) : d_(d) {}
    HRESULT QueryInterface(const Guid& iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IFont) {
            *out = static_cast<IFont*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    std::uint32_t AddRef() override { return refs_.add(); }
    std::uint32_t Release() override {
        std::uint32_t n = refs_.release();
        if (n == 0) delete this;
        return n;
    }
    FontDesc desc() override { return d_; }
    void setDesc(const FontDesc& d) override { d_ = d; }
    HRESULT Clone(IFont** out) override {
        if (!out) return E_POINTER;
        *out = new StdFont(d_);
        (*out)->AddRef();
        return S_OK;
    }

private:
    RefCount refs_;
    FontDesc d_;
};
}  // namespace

Ptr<IFont> createFont(const FontDesc& desc) { return Ptr<IFont>(new StdFont(desc)); }

}  // namespace com
