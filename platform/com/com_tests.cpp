#include <gtest/gtest.h>

#include <cmath>
#include <dlfcn.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <sstream>

#include "com/Application.h"
#include "com/ComLibrary.h"
#include "com/ConnectionPoint.h"
#include "com/ControlSurface.h"
#include "com/Guid.h"
#include "com/InprocServer.h"
#include "com/Object.h"
#include "com/PropertyBag.h"
#include "com/RegisterTool.h"
#include "com/SyntheticInput.h"
#include "com/TypeInfo.h"
#include "com/Variant.h"
#include "registry/Registry.h"
#include "text/LineFile.h"

using namespace com;
namespace fs = std::filesystem;

namespace {

// Every key and value of a hive, one line each, sorted.
void dump(registry::Registry& r, registry::Hive h, const std::string& key, std::set<std::string>& out) {
    out.insert("[" + key + "]");
    for (auto& v : r.values(h, key))
        out.insert(key + "|" + v.name + "=" + (v.value.type == registry::ValueType::String ? v.value.text
                                                                                           : std::to_string(v.value.number)));
    for (auto& s : r.subkeys(h, key)) dump(r, h, key.empty() ? s : key + "\\" + s, out);
}
std::set<std::string> snapshot() {
    std::set<std::string> out;
    dump(registry::store(), registry::Hive::ClassesRoot, "", out);
    return out;
}

class TempRegistry : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("com_tests_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        registry::setPath(dir / "registry");
    }
    void TearDown() override {
        registry::setPath({});
        fs::remove_all(dir);
    }
    fs::path dir;
};

TEST(Guid, TextAndStoredLayout) {
    Guid g = guid("{F9F5B245-E80B-11D4-95D4-E305F180C055}");
    EXPECT_EQ(g.data1, 0xF9F5B245u);
    EXPECT_EQ(g.data2, 0xE80B);
    EXPECT_EQ(g.data3, 0x11D4);
    EXPECT_EQ(g.data4[0], 0x95);
    EXPECT_EQ(g.data4[7], 0x55);
    EXPECT_EQ(g.toString(), "{F9F5B245-E80B-11D4-95D4-E305F180C055}");
    EXPECT_EQ(Guid::parse("{f9f5b245-e80b-11d4-95d4-e305f180c055}"), g) << "either case";
    auto b = g.bytes();
    const std::uint8_t want[16] = {0x45, 0xB2, 0xF5, 0xF9, 0x0B, 0xE8, 0xD4, 0x11,
                                   0x95, 0xD4, 0xE3, 0x05, 0xF1, 0x80, 0xC0, 0x55};
    for (int i = 0; i < 16; ++i) EXPECT_EQ(b[i], want[i]) << i;
    EXPECT_EQ(Guid::fromBytes(b), g);
    for (const char* bad : {"", "F9F5B245-E80B-11D4-95D4-E305F180C055", "{F9F5B245-E80B-11D4-95D4-E305F180C05}",
                            "{F9F5B245-E80B-11D4-95D4-E305F180C0G5}", "{F9F5B245E-80B-11D4-95D4-E305F180C055}",
                            "{F9F5B245-E80B-11D4-95D4-E305F180C055"})
        EXPECT_FALSE(Guid::parse(bad)) << bad;
}

TEST(Variant, ConvertsAsAutomationDoes) {
    struct {
        Variant v;
        bool i4ok;
        std::int32_t i4;
        std::string s;
    } cases[] = {
        {Variant(), true, 0, ""},
        {Variant::boolean(true), true, -1, "True"},
        {Variant::i2(-3), true, -3, "-3"},
        {Variant::i4(0xFF0000), true, 0xFF0000, "16711680"},
        {Variant::r4(2.5f), true, 2, "2.5"},  // halves to even
        {Variant::r8(3.5), true, 4, "3.5"},
        {Variant::string("42"), true, 42, "42"},
        {Variant::string("4x"), false, 0, "4x"},
        {Variant::string(""), false, 0, ""},
        {Variant::r8(std::nan("")), false, 0, "nan"},  // no integer, and no undefined conversion
        {Variant::r8(3e9), false, 0, "3e+09"},
    };
    for (auto& c : cases) {
        std::int32_t i = 0;
        EXPECT_EQ(c.v.toI4(i), c.i4ok) << c.s;
        if (c.i4ok) {
            EXPECT_EQ(i, c.i4) << c.s;
        }
        std::string s;
        EXPECT_TRUE(c.v.toString(s));
        EXPECT_EQ(s, c.s);
    }
    Variant target = Variant::string("old");
    Variant ref = Variant::byRef(&target);
    EXPECT_TRUE(ref.isByRef());
    EXPECT_EQ(ref.type(), VT_BSTR);
    ref.target() = Variant::string("new");
    std::string s;
    target.toString(s);
    EXPECT_EQ(s, "new") << "a by-reference argument changes the caller's value";
}

InterfaceInfo sample() {
    InterfaceInfo i;
    i.name = "_Sample";
    i.members = {{"Go", MemberKind::Method, 7, {{"Where", "String", true}, {"How", "Integer", false}}, {}},
                 {"Size", MemberKind::PropertyGet, 3, {}, {}},
                 {"Size", MemberKind::PropertyPut, 3, {{"New_Size", "Long", false}}, {}},
                 {"Font", MemberKind::PropertyGet, 4, {}, {}},
                 {"Font", MemberKind::PropertyPutRef, 4, {{"New_Font", "Font", false}}, {}}};
    return i;
}

TEST(TypeInfo, NamesAndCallsAreCheckedAgainstTheTable) {
    InterfaceInfo i = sample();
    std::vector<DispId> ids;
    EXPECT_EQ(i.idsOfNames({"GO", "how", "where"}, ids), S_OK);
    EXPECT_EQ(ids, (std::vector<DispId>{7, 1, 0}));
    EXPECT_EQ(i.idsOfNames({"Go", "nope"}, ids), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(ids[1], DISPID_UNKNOWN);
    EXPECT_EQ(i.idsOfNames({"Missing"}, ids), DISP_E_UNKNOWNNAME);
    struct {
        DispId id;
        std::uint16_t flags;
        std::size_t args;
        HRESULT hr;
    } calls[] = {
        {7, DISPATCH_METHOD, 2, S_OK},
        {7, DISPATCH_METHOD, 1, DISP_E_BADPARAMCOUNT},
        {7, DISPATCH_PROPERTYPUT, 1, DISP_E_MEMBERNOTFOUND},
        {3, DISPATCH_PROPERTYGET, 0, S_OK},
        {3, DISPATCH_PROPERTYPUT, 1, S_OK},
        {3, DISPATCH_PROPERTYPUTREF, 1, DISP_E_MEMBERNOTFOUND},
        {4, DISPATCH_PROPERTYPUTREF, 1, S_OK},
        {4, DISPATCH_PROPERTYPUT, 1, S_OK},
        {99, DISPATCH_METHOD, 0, DISP_E_MEMBERNOTFOUND},
    };
    for (auto& c : calls) EXPECT_EQ(i.check(c.id, c.flags, c.args), c.hr) << c.id << " " << c.flags;
}

TEST(PropertyBag, KeysReadWithoutCaseFirstEntryWins) {
    PropertyBag bag;
    bag.Write("mousepointer", Variant::i4(16));
    bag.Write("Href", Variant::string("http://a"));
    bag.Write("MOUSEPOINTER", Variant::i4(0));
    Variant v;
    ASSERT_EQ(bag.Read("MousePointer", v), S_OK);
    std::int32_t i = 0;
    v.toI4(i);
    EXPECT_EQ(i, 16);
    EXPECT_EQ(bag.Read("Caption", v), E_INVALIDARG);
    EXPECT_EQ(bag.keys(), (std::vector<std::string>{"mousepointer", "Href", "MOUSEPOINTER"}));
}

// A sink that records the events it hears.
class Sink final : public IDispatch {
public:
    HRESULT QueryInterface(const Guid& iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IDispatch) {
            *out = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    std::uint32_t AddRef() override { return ++refs; }
    std::uint32_t Release() override { return --refs; }
    HRESULT GetIDsOfNames(const std::vector<std::string>&, std::vector<DispId>&) override { return E_NOTIMPL; }
    HRESULT Invoke(DispId id, std::uint16_t, std::vector<Variant>& args, Variant*) override {
        heard.push_back(id);
        argCount = args.size();
        return S_OK;
    }
    std::uint32_t refs = 0;
    std::vector<DispId> heard;
    std::size_t argCount = 0;
};

class Source final : public IUnknown {
public:
    HRESULT QueryInterface(const Guid&, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    std::uint32_t AddRef() override { return ++refs; }
    std::uint32_t Release() override { return --refs; }
    std::uint32_t refs = 0;
};

class NotASink final : public IUnknown {
public:
    HRESULT QueryInterface(const Guid&, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    std::uint32_t AddRef() override { return 1; }
    std::uint32_t Release() override { return 1; }
};

TEST(ConnectionPoint, AdvisedSinksHearEventsUntilUnadvised) {
    Source src;
    Guid events = guid("{F9F5B248-E80B-11D4-95D4-E305F180C055}");
    ConnectionPoint cp(&src, events);
    Sink a, b;
    std::uint32_t ca = 0, cb = 0;
    ASSERT_EQ(cp.Advise(&a, &ca), S_OK);
    ASSERT_EQ(cp.Advise(&b, &cb), S_OK);
    EXPECT_NE(ca, cb);
    std::vector<Variant> args = {Variant::i2(1), Variant::i2(0)};
    cp.fire(3, args);
    EXPECT_EQ(a.heard, std::vector<DispId>{3});
    EXPECT_EQ(a.argCount, 2u);
    EXPECT_EQ(cp.Unadvise(ca), S_OK);
    std::vector<Variant> none;
    cp.fire(1, none);
    EXPECT_EQ(a.heard, std::vector<DispId>{3});
    EXPECT_EQ(b.heard, (std::vector<DispId>{3, 1}));
    EXPECT_EQ(cp.Unadvise(ca), CONNECT_E_NOCONNECTION);
    NotASink n;
    std::uint32_t cn = 0;
    EXPECT_EQ(cp.Advise(&n, &cn), CONNECT_E_CANNOTCONNECT);
    Guid iid;
    cp.GetConnectionInterface(iid);
    EXPECT_EQ(iid, events);
    cp.clear();
    EXPECT_EQ(b.refs, 0u) << "the point lets go of its sinks";
}

ControlRegistration sampleControl(const std::string& path) {
    ControlRegistration r;
    r.progId = "Lib.Thing";
    r.clsid = guid("{11111111-2222-3333-4444-555555555555}");
    r.serverPath = path;
    r.toolboxBitmap = 30000;
    r.libid = guid("{11111111-2222-3333-4444-666666666666}");
    r.libVersion = "1.0";
    r.miscStatus = 131473;
    r.threadingModel = "Apartment";
    return r;
}

TypeLibRegistration sampleTypeLib(const std::string& path) {
    TypeLibRegistration t;
    t.libid = guid("{11111111-2222-3333-4444-666666666666}");
    t.version = "1.0";
    t.name = "Lib";
    t.flags = 2;
    t.path = path;
    t.interfaces = {{guid("{11111111-2222-3333-4444-777777777777}"), "_Thing"}};
    return t;
}

TEST_F(TempRegistry, RegistrationWritesExactlyItsKeysAndRemovesThemAgain) {
    auto& r = registry::store();
    // Other classes that must survive.
    r.setString(registry::Hive::ClassesRoot, "CLSID\\{00000000-1111-2222-3333-444444444444}\\InprocServer32", "",
                "/other.so");
    r.setString(registry::Hive::ClassesRoot, "Other.Thing\\CLSID", "", "{00000000-1111-2222-3333-444444444444}");
    const auto before = snapshot();
    ASSERT_EQ(registerControl(sampleControl("/opt/lib.ocx")), S_OK);
    ASSERT_EQ(registerTypeLib(sampleTypeLib("/opt/lib.ocx")), S_OK);
    auto after = snapshot();
    std::set<std::string> added;
    for (auto& l : after)
        if (!before.count(l)) added.insert(l);
    const std::string c = "CLSID\\{11111111-2222-3333-4444-555555555555}";
    const std::string t = "TypeLib\\{11111111-2222-3333-4444-666666666666}";
    const std::string i = "Interface\\{11111111-2222-3333-4444-777777777777}";
    const std::set<std::string> expected = {
        "[Lib.Thing]", "[Lib.Thing\\CLSID]", "Lib.Thing\\CLSID|={11111111-2222-3333-4444-555555555555}",
        "[" + c + "]", "[" + c + "\\InprocServer32]", c + "\\InprocServer32|=/opt/lib.ocx",
        c + "\\InprocServer32|ThreadingModel=Apartment", "[" + c + "\\ProgID]", c + "\\ProgID|=Lib.Thing",
        "[" + c + "\\Control]", "[" + c + "\\ToolboxBitmap32]", c + "\\ToolboxBitmap32|=/opt/lib.ocx, 30000",
        "[" + c + "\\TypeLib]", c + "\\TypeLib|={11111111-2222-3333-4444-666666666666}", "[" + c + "\\Version]",
        c + "\\Version|=1.0", "[" + c + "\\MiscStatus]", c + "\\MiscStatus|=0", "[" + c + "\\MiscStatus\\1]",
        c + "\\MiscStatus\\1|=131473",
        "[TypeLib]", "[" + t + "]", "[" + t + "\\1.0]", t + "\\1.0|=Lib", "[" + t + "\\1.0\\0]",
        "[" + t + "\\1.0\\0\\win32]", t + "\\1.0\\0\\win32|=/opt/lib.ocx", "[" + t + "\\1.0\\FLAGS]",
        t + "\\1.0\\FLAGS|=2", "[" + t + "\\1.0\\HELPDIR]", t + "\\1.0\\HELPDIR|=/opt",
        "[Interface]", "[" + i + "]", i + "|=_Thing", "[" + i + "\\ProxyStubClsid]",
        i + "\\ProxyStubClsid|={00020424-0000-0000-C000-000000000046}", "[" + i + "\\ProxyStubClsid32]",
        i + "\\ProxyStubClsid32|={00020424-0000-0000-C000-000000000046}", "[" + i + "\\TypeLib]",
        i + "\\TypeLib|={11111111-2222-3333-4444-666666666666}", i + "\\TypeLib|Version=1.0",
    };
    EXPECT_EQ(added, expected);
    // Registering twice changes nothing.
    ASSERT_EQ(registerControl(sampleControl("/opt/lib.ocx")), S_OK);
    EXPECT_EQ(snapshot(), after);

    ASSERT_EQ(unregisterControl(sampleControl("/opt/lib.ocx")), S_OK);
    ASSERT_EQ(unregisterTypeLib(sampleTypeLib("/opt/lib.ocx")), S_OK);
    EXPECT_EQ(snapshot(), before);
    // Unregistering what is not there is no failure.
    EXPECT_EQ(unregisterControl(sampleControl("/opt/lib.ocx")), S_OK);
}

TEST_F(TempRegistry, CreationByClassNameFailsCleanly) {
    auto& r = registry::store();
    const std::string clsid = "{11111111-2222-3333-4444-555555555555}";
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(createInstance("No.Such", IID_IUnknown, &out), CO_E_CLASSSTRING);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(createInstance("", IID_IUnknown, &out), CO_E_CLASSSTRING);

    r.setString(registry::Hive::ClassesRoot, "Bad.Id\\CLSID", "", "not a guid");
    EXPECT_EQ(createInstance("Bad.Id", IID_IUnknown, &out), CO_E_CLASSSTRING);

    r.setString(registry::Hive::ClassesRoot, "Lib.Thing\\CLSID", "", clsid);
    EXPECT_EQ(createInstance("lib.thing", IID_IUnknown, &out), REGDB_E_CLASSNOTREG) << "no server registered";

    r.setString(registry::Hive::ClassesRoot, "CLSID\\" + clsid + "\\InprocServer32", "", (dir / "gone.ocx").string());
    EXPECT_EQ(createInstance("Lib.Thing", IID_IUnknown, &out), CO_E_DLLNOTFOUND);
    EXPECT_FALSE(lastLoadError().empty());

    // A file that is no library at all.
    text::writeFile(dir / "junk.ocx", "not a library");
    r.setString(registry::Hive::ClassesRoot, "CLSID\\" + clsid + "\\InprocServer32", "", (dir / "junk.ocx").string());
    EXPECT_EQ(createInstance("Lib.Thing", IID_IUnknown, &out), CO_E_DLLNOTFOUND);

    // A library without the server exports.
    r.setString(registry::Hive::ClassesRoot, "CLSID\\" + clsid + "\\InprocServer32", "", "libm.so.6");
    EXPECT_EQ(createInstance("Lib.Thing", IID_IUnknown, &out), CO_E_ERRORINDLL);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(loadedLibraries(), 0);
    for (HRESULT hr : {CO_E_CLASSSTRING, REGDB_E_CLASSNOTREG, CO_E_DLLNOTFOUND, CO_E_ERRORINDLL, E_FAIL})
        EXPECT_FALSE(describe(hr).empty());
}

TEST(RegisterTool, ArgumentsAndFailures) {
    fs::path junk = fs::temp_directory_path() / ("regsvr_junk_" + std::to_string(::getpid()) + ".ocx");
    text::writeFile(junk, "x");
    // A real library without the server exports, by its full path.
    const std::string libc = modulePath(reinterpret_cast<const void*>(&::dlopen));
    ASSERT_FALSE(libc.empty());
    struct {
        std::vector<std::string> args;
        int exit;
        bool saysSomething;
    } cases[] = {
        {{}, RegBadArguments, true},
        {{"/s"}, RegBadArguments, true},
        {{"/x", "file.ocx"}, RegBadArguments, true},
        {{"a.ocx", "b.ocx"}, RegBadArguments, true},
        {{"/nowhere/missing.ocx"}, RegLoadFailed, true},
        {{"/s", "/nowhere/missing.ocx"}, RegLoadFailed, true},
        {{junk.string()}, RegLoadFailed, true},
        {{libc}, RegNoEntryPoint, true},
        {{"/U", "/S", libc}, RegNoEntryPoint, true},
    };
    for (auto& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(runRegisterTool(c.args, out, err), c.exit) << (c.args.empty() ? "" : c.args.back());
        EXPECT_EQ(!(out.str() + err.str()).empty(), c.saysSomething) << (c.args.empty() ? "" : c.args.back());
    }
    fs::remove(junk);
}

// Records what the surface reports.
struct Recorder final : SurfaceListener {
    std::vector<std::string> log;
    void labelMouseDown(std::int16_t, std::int16_t, int, int) override { log.push_back("down"); }
    void labelMouseMove(std::int16_t, std::int16_t, int, int) override { log.push_back("move"); }
    void labelMouseUp(std::int16_t, std::int16_t, int, int) override { log.push_back("up"); }
    void labelClick() override { log.push_back("click"); }
    void labelDblClick() override { log.push_back("dblclick"); }
    void keyPress(int a) override { log.push_back("key " + std::to_string(a)); }
    void gotFocus() override {}
    void lostFocus() override {}
    void paint() override {}
    void resized() override { log.push_back("resized"); }
    void timer(int) override {}
};

TEST(ControlSurface, ADoubleClickGivesOneClickAndOneDoubleClick) {
    ensureApplication();
    Recorder r;
    ControlSurface s(r);
    s.setLabelCaption("www.example.pl");
    void* label = input::labelOf(s.widget());
    ASSERT_NE(label, nullptr);
    input::doubleClick(label, 3, 3);
    EXPECT_EQ(r.log, (std::vector<std::string>{"down", "up", "click", "dblclick", "up"}));
    r.log.clear();
    // A release outside the label is no click.
    input::press(label, 3, 3);
    input::release(label, 3000, 3);
    EXPECT_EQ(r.log, (std::vector<std::string>{"down", "up"}));
}

TEST(ControlSurface, OnlyKeysThatGiveACharacterArePressed) {
    ensureApplication();
    Recorder r;
    ControlSurface s(r);
    struct {
        const char* key;
        const char* heard;
    } cases[] = {{"A", "key 97"}, {"Space", "key 32"}, {"Return", "key 13"}, {"Escape", "key 27"},
                 {"Shift", nullptr}, {"Left", nullptr}, {"Tab", nullptr}, {"F1", nullptr}, {"Ctrl", nullptr}};
    for (auto& c : cases) {
        r.log.clear();
        input::key(s.widget(), c.key);
        if (c.heard)
            EXPECT_EQ(r.log, std::vector<std::string>{c.heard}) << c.key;
        else
            EXPECT_TRUE(r.log.empty()) << c.key;
    }
}

TEST(ControlSurface, ColoursResolveSystemColoursAndSwapRgb) {
    ensureApplication();
    EXPECT_EQ(resolveColor(0x0000FF), 0xFF0000u) << "red in the low byte";
    EXPECT_EQ(resolveColor(0xFF0000), 0x0000FFu);
    EXPECT_EQ(resolveColor(0x008000), 0x008000u);
    EXPECT_NE(resolveColor(0x8000000F), 0x00000Fu) << "a system colour is looked up";
}

}  // namespace

namespace {

TEST(PlatformWindows, TheLabelAnswersAsItsControlsWindowAndFocusRectanglesInvert) {
    ensureApplication();
    Recorder r;
    ControlSurface s(r);
    s.setLabelCaption("www.example.pl");
    s.moveLabel(1, 1);
    s.resize(s.labelWidth() + 2, s.labelHeight() + 2);
    input::resize(s.widget(), s.labelWidth() + 2, s.labelHeight() + 2);
    processEvents(20);
    WindowFunctions& w = platformWindows();
    Point p;
    ASSERT_TRUE(w.getCursorPos(p));
    // The point under the label, in screen pixels.
    void* label = input::labelOf(s.widget());
    ASSERT_NE(label, nullptr);
    Point onLabel = input::screenPoint(label, 2, 2);
    EXPECT_EQ(w.windowFromPoint(onLabel), s.handle()) << "the label has no window of its own";
    EXPECT_NE(w.windowFromPoint({onLabel.x + 2000, onLabel.y + 2000}), s.handle());

    const Rect frame{0, 0, s.width(), s.height()};
    EXPECT_TRUE(w.drawFocusRect(s.handle(), frame));
    EXPECT_EQ(input::focusRects(s.widget()), 1);
    EXPECT_TRUE(w.drawFocusRect(s.handle(), frame));
    EXPECT_EQ(input::focusRects(s.widget()), 0) << "drawn twice, it is gone";
    w.drawFocusRect(s.handle(), frame);
    s.cls();
    EXPECT_EQ(input::focusRects(s.widget()), 0);
    EXPECT_FALSE(w.drawFocusRect(handleOf(&r), frame)) << "no such window";
}

}  // namespace
