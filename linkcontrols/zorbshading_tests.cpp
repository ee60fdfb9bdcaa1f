// The gradient control in this process, with the window functions and the
// site played by the test.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "com/Application.h"
#include "com/ClassFactory.h"
#include "com/ControlSurface.h"
#include "com/Picture.h"
#include "com/PropertyBag.h"
#include "com/SyntheticInput.h"
#include "linkcontrols/PrivateClasses.h"
#include "linkcontrols/Server.h"
#include "linkcontrols/ZorbLinkTypeLib.h"
#include "linkcontrols/ZorbShadingObject.h"

using namespace com;
using namespace linkcontrols;

namespace {

// The window under the cursor and the mouse capture, as the test sets them.
struct FakeWindows final : WindowFunctions {
    WindowHandle under = 0;
    WindowHandle captured = 0;
    std::vector<std::string> calls;
    bool getCursorPos(Point& p) override {
        p = {300, 200};
        return true;
    }
    WindowHandle windowFromPoint(Point) override { return under; }
    WindowHandle getFocus() override { return 0; }
    bool drawFocusRect(WindowHandle, const Rect&) override { return true; }
    WindowHandle setCapture(WindowHandle w) override {
        calls.push_back("setCapture");
        return std::exchange(captured, w);
    }
    WindowHandle getCapture() override { return captured; }
    bool releaseCapture() override {
        calls.push_back("releaseCapture");
        captured = 0;
        return true;
    }
    WindowHandle desktopWindow() override { return 0; }
};

struct FakeSite final : IControlSite {
    FakeWindows* windowsFns = nullptr;
    std::vector<std::string> changed;
    Ptr<IFont> ambientFont() override { return {}; }
    void propertyChanged(const std::string& n) override { changed.push_back(n); }
    WindowFunctions* windows() override { return windowsFns; }
    int shellExecute(const std::string&, const std::string&, const std::string&, const std::string&, int) override {
        return 42;
    }
    void sizeChanged(int, int) override {}
};

struct EventSink final : IDispatch {
    std::vector<DispId> heard;
    std::vector<float> lastXY;
    HRESULT QueryInterface(const Guid& iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IDispatch) {
            *out = static_cast<IDispatch*>(this);
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    std::uint32_t AddRef() override { return 1; }
    std::uint32_t Release() override { return 1; }
    HRESULT GetIDsOfNames(const std::vector<std::string>&, std::vector<DispId>&) override { return E_NOTIMPL; }
    HRESULT Invoke(DispId id, std::uint16_t, std::vector<Variant>& args, Variant*) override {
        heard.push_back(id);
        if (args.size() == 4) {
            float x = 0, y = 0;
            args[2].toR4(x);
            args[3].toR4(y);
            lastXY = {x, y};
        }
        return S_OK;
    }
};

// 0x00BBGGRR of a resolved system colour.
std::int32_t shown(std::uint32_t oleColor) {
    std::uint32_t rgb = resolveColor(oleColor);
    return static_cast<std::int32_t>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
}

class ZorbShadingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApplication();
        site.windowsFns = &windows;
        ASSERT_EQ(createPrivateControl(kShadingProgId, IID_IDispatch, disp.putVoid()), S_OK);
        obj = static_cast<ZorbShadingObject*>(disp.get());
        obj->SetClientSite(&site);
        Ptr<IConnectionPoint> cp;
        ASSERT_EQ(obj->FindConnectionPoint(IID___zorbShading, cp.put()), S_OK);
        ASSERT_EQ(cp->Advise(&sink, &cookie), S_OK);
        obj->InitNew();
    }
    void TearDown() override {
        obj->Close();
        disp.reset();
    }
    ZorbShading& shading() { return obj->control(); }
    DrawingSurface& surface() { return shading().surface(); }
    // A pixel's red channel: with black to white, the level it was drawn at.
    int level(int x, int y) { return surface().point(x, y) & 0xFF; }
    Variant call(DispId id, std::vector<Variant> args, HRESULT want = S_OK) {
        Variant r;
        EXPECT_EQ(disp->Invoke(id, DISPATCH_METHOD, args, &r), want) << id;
        return r;
    }

    FakeWindows windows;
    FakeSite site;
    EventSink sink;
    Ptr<IDispatch> disp;
    ZorbShadingObject* obj = nullptr;
    std::uint32_t cookie = 0;
};

TEST(ZorbShadingClass, IsKnownOnlyByTheLibraryItself) {
    ensureApplication();
    void* out = nullptr;
    ASSERT_EQ(createPrivateControl("zorbLinkControl.zorbShading", IID_IUnknown, &out), S_OK);
    static_cast<IUnknown*>(out)->Release();
    EXPECT_EQ(createPrivateControl("zorbLinkControl.zorbLink", IID_IUnknown, &out), CO_E_CLASSSTRING);
    EXPECT_EQ(createPrivateControl("zorbLinkControl.ZORBSHADING", IID_IUnknown, &out), CO_E_CLASSSTRING);
    EXPECT_EQ(out, nullptr);
    // The library's exports hand out no factory for it, and the type
    // library does not describe it.
    EXPECT_EQ(getClassObject(&IID__zorbShading, &IID_IClassFactory, &out), CLASS_E_CLASSNOTAVAILABLE);
    for (const auto& name : typeLibrary().order) EXPECT_EQ(name.find("Shading"), std::string::npos) << name;
    EXPECT_EQ(typeLibrary().findInterface(IID__zorbShading), nullptr);
}

TEST_F(ZorbShadingTest, StartsAs255PixelsSquareWithItsDesignColours) {
    EXPECT_EQ(surface().width(), 255);
    EXPECT_EQ(surface().height(), 255);
    EXPECT_FLOAT_EQ(shading().width(), 255 * shading().twipsPerPixelX());
    EXPECT_EQ(shading().Color1(), 0x80000010u);
    EXPECT_EQ(shading().Color2(), 0x8000000Fu);
    EXPECT_EQ(shading().Shading(), 0);
    // System colours paint as the colours the screen shows.
    EXPECT_EQ(shading().rgb1(), shown(0x80000010));
    EXPECT_EQ(shading().rgb2(), shown(0x8000000F));
    EXPECT_EQ(surface().point(0, 0), shown(0x80000010));
    EXPECT_EQ(surface().point(0, 254), shown(0x80000010));
}

// Black to white: each pixel's channels equal the level it was painted at.
TEST_F(ZorbShadingTest, LevelsRunFromZeroTo255AcrossTheSurface) {
    shading().setColor1(0x000000);
    shading().setColor2(0xFFFFFF);
    struct {
        int shading, width, height, i, level;
    } cases[] = {
        {0, 255, 4, 0, 0},   {0, 255, 4, 1, 1},     {0, 255, 4, 128, 128}, {0, 255, 4, 254, 254},
        {0, 510, 4, 1, 0},   {0, 510, 4, 2, 1},     {0, 510, 4, 3, 2},     {0, 510, 4, 509, 254},
        {0, 100, 4, 1, 3},   {0, 100, 4, 99, 252},
        {1, 4, 255, 7, 7},   {1, 4, 510, 3, 2},     {1, 4, 100, 99, 252},
    };
    for (auto& c : cases) {
        shading().setShading(c.shading);
        surface().resize(c.width, c.height);
        int x = c.shading == 0 ? c.i : c.width - 1, y = c.shading == 0 ? c.height - 1 : c.i;
        EXPECT_EQ(level(x, y), c.level) << c.shading << " " << c.width << "x" << c.height << " at " << c.i;
        EXPECT_EQ(surface().point(x, y), c.level * 0x010101) << "all three channels";
        // The line covers the whole column (row).
        EXPECT_EQ(c.shading == 0 ? level(c.i, 0) : level(0, c.i), c.level);
    }
}

TEST_F(ZorbShadingTest, ChannelsBlendOnAStraightLineEitherWay) {
    // Red rises, green stays, blue falls.
    shading().setColor1(0x00FF8010);
    shading().setColor2(0x000080F0);
    surface().resize(255, 2);
    for (int i : {0, 1, 100, 127, 200, 254}) {
        std::int32_t c = surface().point(i, 0);
        EXPECT_EQ(c & 0xFF, static_cast<int>(std::nearbyint(16 + 224.0 * i / 255))) << i;
        EXPECT_EQ((c >> 8) & 0xFF, 0x80) << i;
        EXPECT_EQ((c >> 16) & 0xFF, 255 - i) << i;
    }
    EXPECT_EQ(surface().point(0, 0), 0x00FF8010) << "Color1 at the left edge";
}

TEST_F(ZorbShadingTest, TooSmallASurfaceGrowsBeforeItIsPainted) {
    struct {
        int shading, width, height, wantW, wantH;
    } cases[] = {
        {0, 1, 1, 2, 1}, {0, 1, 5, 2, 5}, {0, 40, 1, 40, 1}, {1, 1, 1, 1, 2}, {1, 5, 1, 5, 2},
        {2, 1, 1, 2, 2}, {4, 1, 1, 2, 2}, {3, 1, 1, 1, 1}, {7, 1, 1, 1, 1},  {-1, 1, 1, 1, 1},
    };
    for (auto& c : cases) {
        shading().setShading(c.shading);
        // As a host sizes it.
        input::resize(surface().widget(), c.width, c.height);
        EXPECT_EQ(surface().width(), c.wantW) << c.shading << " " << c.width << "x" << c.height;
        EXPECT_EQ(surface().height(), c.wantH) << c.shading << " " << c.width << "x" << c.height;
    }
}

TEST_F(ZorbShadingTest, ModesThatPaintNothingLeaveTheOldImage) {
    shading().setColor1(0x0000FF);
    shading().setColor2(0x00FF00);
    const std::int32_t left = surface().point(0, 10), mid = surface().point(128, 10);
    for (std::int32_t mode : {3, 2, 4, 5, -3}) {
        shading().setShading(mode);
        shading().setColor1(0xFFFFFF);  // repaints: still nothing drawn
        EXPECT_EQ(surface().point(0, 10), left) << mode;
        EXPECT_EQ(surface().point(128, 10), mid) << mode;
        shading().setColor1(0x0000FF);
    }
    // Modes 0 and 1 cover the whole surface again.
    shading().setShading(1);
    EXPECT_EQ(surface().point(128, 0), 0x0000FF) << "Color1 at the top";
}

TEST_F(ZorbShadingTest, GetShadingKeepsTheLevelInRangeAndSplitsSystemColoursRaw) {
    struct {
        std::int32_t rgb1, rgb2;
        Variant level;
        std::int32_t want;
        Variant levelAfter;
    } cases[] = {
        {0x00FF8010, 0x000080F0, Variant::i4(300), 0x000080F0, Variant::i2(255)},
        {0x00FF8010, 0x000080F0, Variant::i4(-5), 0x00FF8010, Variant::i2(0)},
        {0x00FF8010, 0x000080F0, Variant::i4(127), 0x00808080, Variant::i4(127)},
        {0x00FF8010, 0x000080F0, Variant::r8(255.0), 0x000080F0, Variant::r8(255.0)},
        // A system colour is split as the number it is: the divisions
        // truncate toward zero, so green and blue come out as 1, not 0.
        {static_cast<std::int32_t>(0x8000000F), static_cast<std::int32_t>(0x8000000F), Variant::i4(0), 0x0001010F,
         Variant::i4(0)},
    };
    for (auto& c : cases) {
        Variant level = c.level;
        Variant r = call(shadingid::GetShading, {Variant::i4(c.rgb1), Variant::i4(c.rgb2), Variant::byRef(&level)});
        std::int32_t got = -1;
        ASSERT_TRUE(r.toI4(got));
        EXPECT_EQ(r.type(), VT_I4);
        EXPECT_EQ(got, c.want) << std::hex << c.rgb1 << " " << c.rgb2;
        EXPECT_EQ(level, c.levelAfter) << "written back to the caller's variable";
    }
    Variant word = Variant::string("viel");
    call(shadingid::GetShading, {Variant::i4(0), Variant::i4(0), Variant::byRef(&word)}, DISP_E_TYPEMISMATCH);
    // A Level that is not a number counts as 0 and is left as it is.
    Variant nan = Variant::r8(std::nan(""));
    Variant r = call(shadingid::GetShading, {Variant::i4(0x00FF8010), Variant::i4(0x000080F0), Variant::byRef(&nan)});
    std::int32_t got = -1;
    ASSERT_TRUE(r.toI4(got));
    EXPECT_EQ(got, 0x00FF8010);
    EXPECT_EQ(nan.type(), VT_R8);
}

TEST_F(ZorbShadingTest, SepRGBSplitsIntoTheCallersVariables) {
    struct {
        std::int32_t value;
        std::int32_t r, g, b;
    } cases[] = {
        {0x00332211, 0x11, 0x22, 0x33},
        {0x00FFFFFF, 255, 255, 255},
        {-1, 255, 0, 0},  // truncation toward zero, not a shift
        {static_cast<std::int32_t>(0x80000010), 0x10, 1, 1},
    };
    for (auto& c : cases) {
        Variant value = Variant::i4(c.value), r, g, b;
        call(shadingid::SepRGB, {Variant::byRef(&value), Variant::byRef(&r), Variant::byRef(&g), Variant::byRef(&b)});
        EXPECT_EQ(r, Variant::i4(c.r)) << c.value;
        EXPECT_EQ(g, Variant::i4(c.g)) << c.value;
        EXPECT_EQ(b, Variant::i4(c.b)) << c.value;
    }
}

TEST_F(ZorbShadingTest, BlendChannelCapsTheLevelOnlyAbove) {
    double L = 400;
    EXPECT_DOUBLE_EQ(ZorbShading::BlendChannel(10, 200, L), 200);
    EXPECT_DOUBLE_EQ(L, 255);
    L = -10;
    EXPECT_NEAR(ZorbShading::BlendChannel(200, 10, L), 200 + 190.0 / 255 * 10, 1e-9) << "not corrected below 0";
    EXPECT_DOUBLE_EQ(L, -10);
    L = 77;
    EXPECT_DOUBLE_EQ(ZorbShading::BlendChannel(99, 99, L), 99);
}

TEST_F(ZorbShadingTest, PixelsAreAddressedInTwips) {
    const int tx = static_cast<int>(shading().twipsPerPixelX()), ty = static_cast<int>(shading().twipsPerPixelY());
    call(shadingid::SetPixel, {Variant::i4(3 * tx), Variant::i4(4 * ty), Variant::i4(0x123456)});
    EXPECT_EQ(surface().point(3, 4), 0x123456);
    EXPECT_EQ(call(shadingid::GetPixel, {Variant::i4(3 * tx + tx - 1), Variant::i4(4 * ty)}), Variant::i4(0x123456))
        << "a pixel's twips";
    EXPECT_EQ(call(shadingid::GetPixel, {Variant::i4(-tx), Variant::i4(0)}), Variant::i4(-1)) << "outside";
    EXPECT_EQ(call(shadingid::GetPixel, {Variant::i4(255 * tx), Variant::i4(0)}), Variant::i4(-1));
    // Refresh paints over it.
    call(shadingid::Refresh, {});
    EXPECT_NE(surface().point(3, 4), 0x123456);
}

TEST_F(ZorbShadingTest, SettersRepaintAndReportByName) {
    site.changed.clear();
    const int before = shading().paints();
    std::vector<Variant> a = {Variant::i4(0x0000FF)};
    ASSERT_EQ(disp->Invoke(shadingid::Color1, DISPATCH_PROPERTYPUT, a, nullptr), S_OK);
    EXPECT_EQ(surface().point(0, 0), 0x0000FF);
    a = {Variant::i4(0x00FF00)};
    ASSERT_EQ(disp->Invoke(shadingid::Color2, DISPATCH_PROPERTYPUT, a, nullptr), S_OK);
    a = {Variant::i4(1)};
    ASSERT_EQ(disp->Invoke(shadingid::Shading, DISPATCH_PROPERTYPUT, a, nullptr), S_OK);
    EXPECT_EQ(shading().paints(), before + 3);
    auto icon = createCursorPicture(cursorFromRows({"##", "#."}, 1, 1));
    a = {Variant::object(icon.get(), VT_DISPATCH)};
    ASSERT_EQ(disp->Invoke(shadingid::MouseIcon, DISPATCH_PROPERTYPUTREF, a, nullptr), S_OK);
    a = {Variant::i4(99)};
    ASSERT_EQ(disp->Invoke(shadingid::MousePointer, DISPATCH_PROPERTYPUT, a, nullptr), S_OK);
    EXPECT_EQ(shading().paints(), before + 3) << "pointer and icon do not repaint";
    EXPECT_EQ(surface().pointer(), 99);
    EXPECT_EQ(site.changed, (std::vector<std::string>{"Color1", "Color2", "Shading", "MouseIcon", "MousePointer"}));

    std::vector<Variant> none;
    Variant got;
    ASSERT_EQ(disp->Invoke(shadingid::Color2, DISPATCH_PROPERTYGET, none, &got), S_OK);
    EXPECT_EQ(got, Variant::i4(0x00FF00));
    ASSERT_EQ(disp->Invoke(shadingid::MouseIcon, DISPATCH_PROPERTYGET, none, &got), S_OK);
    EXPECT_EQ(got.toObject(), static_cast<IUnknown*>(icon.get())) << "by reference";
    ASSERT_EQ(disp->Invoke(shadingid::MousePointer, DISPATCH_PROPERTYGET, none, &got), S_OK);
    EXPECT_EQ(got.type(), VT_I2);

    std::vector<DispId> ids;
    ASSERT_EQ(disp->GetIDsOfNames({"getshading"}, ids), S_OK);
    EXPECT_EQ(ids[0], shadingid::GetShading);
    ASSERT_EQ(disp->GetIDsOfNames({"ShowAbout"}, ids), S_OK);
    EXPECT_EQ(ids[0], DISPID_ABOUTBOX);
    a = {Variant::string("blau")};
    EXPECT_EQ(disp->Invoke(shadingid::Color1, DISPATCH_PROPERTYPUT, a, nullptr), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(disp->Invoke(shadingid::GetPixel, DISPATCH_METHOD, none, nullptr), DISP_E_BADPARAMCOUNT);
}

TEST_F(ZorbShadingTest, PropertiesWriteInOrderOmittingDefaults) {
    PropertyBag fresh;
    obj->Save(&fresh, true, false);
    EXPECT_TRUE(fresh.keys().empty());

    auto icon = createCursorPicture(cursorFromRows({"#"}, 0, 0));
    shading().setMousePointer(2);
    shading().setMouseIcon(icon.get());
    shading().setShading(1);
    shading().setColor2(0x00FF00);
    shading().setColor1(0xFF0000);
    PropertyBag bag;
    obj->Save(&bag, true, false);
    EXPECT_EQ(bag.keys(), (std::vector<std::string>{"Color1", "Color2", "Shading", "MouseIcon", "MousePointer"}));

    // Read back (in lower case, as a form stores the keys) into another one.
    PropertyBag lower;
    for (auto& e : bag.entries()) {
        std::string k = e.name;
        std::transform(k.begin(), k.end(), k.begin(), [](unsigned char ch) { return std::tolower(ch); });
        lower.Write(k, e.value);
    }
    Ptr<IDispatch> other;
    ASSERT_EQ(createPrivateControl(kShadingProgId, IID_IDispatch, other.putVoid()), S_OK);
    auto* o = static_cast<ZorbShadingObject*>(other.get());
    FakeSite otherSite;
    o->SetClientSite(&otherSite);
    const int before = o->control().paints();
    o->Load(&lower);
    ZorbShading& s = o->control();
    EXPECT_EQ(s.Color1(), 0xFF0000u);
    EXPECT_EQ(s.Color2(), 0x00FF00u);
    EXPECT_EQ(s.Shading(), 1);
    EXPECT_EQ(s.MouseIcon().get(), icon.get());
    EXPECT_EQ(s.MousePointer(), 2);
    EXPECT_EQ(s.surface().pointer(), 2);
    EXPECT_EQ(s.paints(), before + 1) << "painted once, after the colours and the mode";
    EXPECT_EQ(s.surface().point(10, 0), 0xFF0000) << "top to bottom from Color1";
    EXPECT_EQ(otherSite.changed, std::vector<std::string>{"MouseIcon"}) << "the icon goes through its setter";
    o->Close();

    // An empty bag gives every default.
    PropertyBag empty;
    obj->Load(&empty);
    EXPECT_EQ(shading().Color1(), 0x80000010u);
    EXPECT_EQ(shading().Color2(), 0x8000000Fu);
    EXPECT_EQ(shading().Shading(), 0);
    EXPECT_FALSE(shading().MouseIcon());
    EXPECT_EQ(shading().MousePointer(), 0);

    // Numbers that are not numbers in a stored bag read as the defaults.
    PropertyBag nans({{"Color1", Variant::r8(std::nan(""))}, {"Shading", Variant::r4(std::nanf(""))},
                      {"MousePointer", Variant::r8(-std::nan(""))}});
    obj->Load(&nans);
    EXPECT_EQ(shading().Color1(), 0x80000010u);
    EXPECT_EQ(shading().Shading(), 0);
    EXPECT_EQ(shading().MousePointer(), 0);
}

TEST_F(ZorbShadingTest, TheMouseEntersOnceAndLeavesWithTheFirstMoveOutside) {
    void* w = surface().widget();
    const WindowHandle me = surface().handle();
    struct {
        WindowHandle under;
        std::vector<DispId> events;
        WindowHandle captureAfter;
    } steps[] = {
        {me, {shadingevent::MouseMove, shadingevent::MouseEnter}, me},
        {me, {shadingevent::MouseMove}, me},
        {me, {shadingevent::MouseMove}, me},
        {0, {shadingevent::MouseMove, shadingevent::MouseLeave}, 0},
        {me, {shadingevent::MouseMove, shadingevent::MouseEnter}, me},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        sink.heard.clear();
        windows.under = steps[i].under;
        input::move(w, 4, 5);
        EXPECT_EQ(sink.heard, steps[i].events) << "step " << i;
        EXPECT_EQ(windows.captured, steps[i].captureAfter) << "step " << i;
    }
    EXPECT_FLOAT_EQ(sink.lastXY[0], 4 * shading().twipsPerPixelX()) << "in the surface's twips";
    EXPECT_FLOAT_EQ(sink.lastXY[1], 5 * shading().twipsPerPixelY());
    EXPECT_EQ(windows.calls, (std::vector<std::string>{"setCapture", "releaseCapture", "setCapture"}));
}

TEST_F(ZorbShadingTest, ButtonsAndClicksArePassedOnAsTheyCome) {
    void* w = surface().widget();
    windows.under = surface().handle();
    windows.captured = surface().handle();
    input::click(w, 3, 3);
    EXPECT_EQ(sink.heard, (std::vector<DispId>{shadingevent::MouseDown, shadingevent::MouseUp, shadingevent::Click}));
    sink.heard.clear();
    input::doubleClick(w, 3, 3);
    EXPECT_EQ(sink.heard, (std::vector<DispId>{shadingevent::MouseDown, shadingevent::MouseUp, shadingevent::Click,
                                               shadingevent::DblClick, shadingevent::MouseUp}));
    EXPECT_TRUE(windows.calls.empty()) << "buttons leave the capture alone";
}

}  // namespace
