#include "com/Picture.h"

#include <cstring>

#include "com/Object.h"

namespace com {

namespace {
class StdPicture final : public IPicture {
public:
    explicit StdPicture(const CursorImage& c) : c_(c) {}
    HRESULT QueryInterface(const Guid& iid, void** out) override {
        if (!out) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IPicture) {
            *out = static_cast<IPicture*>(this);
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
    CursorImage cursor() override { return c_; }

private:
    RefCount refs_;
    CursorImage c_;
};
}  // namespace

Ptr<IPicture> createCursorPicture(const CursorImage& image) { return Ptr<IPicture>(new StdPicture(image)); }

CursorImage cursorFromRows(const std::vector<const char*>& rows, int hotX, int hotY) {
    CursorImage c;
    c.height = static_cast<int>(rows.size());
    c.width = rows.empty() ? 0 : static_cast<int>(std::strlen(rows[0]));
    c.hotX = hotX;
    c.hotY = hotY;
    int stride = (c.width + 7) / 8;
    c.andMask.assign(static_cast<std::size_t>(stride * c.height), 0xFF);
    c.xorMask.assign(static_cast<std::size_t>(stride * c.height), 0);
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width && rows[y][x]; ++x) {
            char ch = rows[y][x];
            std::uint8_t bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
            std::size_t i = static_cast<std::size_t>(y * stride + x / 8);
            if (ch == '#' || ch == '.') c.andMask[i] &= static_cast<std::uint8_t>(~bit);
            if (ch == '.') c.xorMask[i] |= bit;
        }
    return c;
}

}  // namespace com
