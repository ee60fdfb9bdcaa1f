// The built library as a host meets it: registered by the tool, found by its
// class name through the registry, loaded into the process and hosted.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>

#include "com/Application.h"
#include "com/ComLibrary.h"
#include "com/ConnectionPoint.h"
#include "com/InprocServer.h"
#include "com/OleControl.h"
#include "com/RegisterTool.h"
#include "com/SyntheticInput.h"
#include "com/testing/RealInput.h"
#include "com/testing/StackSink.h"
#include "forms/Application.h"
#include "forms/Form.h"
#include "forms/ModalAnswers.h"
#include "forms/ScriptedAnswers.h"
#include "forms/Timer.h"
#include "linkcontrols/ZorbLinkTypeLib.h"
#include "registry/Registry.h"

using namespace com;
using namespace linkcontrols;
namespace fs = std::filesystem;

namespace {

fs::path dist() { return fs::path(std::getenv("SUITE_BINARY_DIR")) / "dist" / "zorbLink"; }
fs::path ocx() { return fs::canonical(dist() / "zorbLink.ocx"); }

void dump(registry::Registry& r, const std::string& key, std::set<std::string>& out) {
    out.insert("[" + key + "]");
    for (auto& v : r.values(registry::Hive::ClassesRoot, key))
        out.insert(key + "|" + v.name + "=" + v.value.text);
    for (auto& s : r.subkeys(registry::Hive::ClassesRoot, key)) dump(r, key.empty() ? s : key + "\\" + s, out);
}
std::set<std::string> snapshot() {
    std::set<std::string> out;
    dump(registry::store(), "", out);
    return out;
}

class Library : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApplication();
        dir = fs::temp_directory_path() / ("registration_tests_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        ::setenv("SUITE_REGISTRY", (dir / "registry").c_str(), 1);
        registry::setPath(dir / "registry");
        forms::setModal(&answers);
    }
    void TearDown() override {
        form.reset();
        forms::setModal(nullptr);
        registry::setPath({});
        ::unsetenv("SUITE_REGISTRY");
        fs::remove_all(dir);
    }
    // Runs the registration tool as ./run.sh does: its exit code and what it
    // says on its error output.
    struct Told {
        int exit = -1;
        std::string said;
    };
    Told regsvrSays(const std::vector<std::string>& args) {
        const fs::path told = dir / "told.txt";
        std::string cmd = (dist() / "regsvr").string();
        for (auto& a : args) cmd += " '" + a + "'";
        cmd += " >/dev/null 2>'" + told.string() + "'";
        const int st = std::system(cmd.c_str());
        std::ifstream in(told);
        return {WIFEXITED(st) ? WEXITSTATUS(st) : -1,
                std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>())};
    }
    int regsvr(const std::vector<std::string>& args) { return regsvrSays(args).exit; }
    // A control placed on a form, as the dictionary's about window places
    // its links; the form shown or only loaded.
    OleControl* placeHost(bool shown = true) {
        if (!form) form = std::make_unique<forms::Form>("host", forms::Scale::Pixels);
        shown ? form->show() : form->load();
        return form->add<OleControl>("link" + std::to_string(form->components().size()));
    }
    fs::path dir;
    forms::ScriptedAnswers answers;
    std::unique_ptr<forms::Form> form;
};

TEST_F(Library, ExportsOnlyTheFourServerFunctions) {
    void* h = ::dlopen(ocx().c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(h, nullptr) << ::dlerror();
    for (const char* e : {"DllRegisterServer", "DllUnregisterServer", "DllGetClassObject", "DllCanUnloadNow"})
        EXPECT_NE(::dlsym(h, e), nullptr) << e;
    for (const char* e : {"_ZN12linkcontrols13canUnloadNowEv", "_ZN3com15platformWindowsEv", "_ZN8registry5storeEv"})
        EXPECT_EQ(::dlsym(h, e), nullptr) << e;
    ::dlclose(h);
}

TEST_F(Library, TheToolRegistersExactlyTheKeysAndRemovesThem) {
    registry::store().setString(registry::Hive::ClassesRoot, "Other.Thing\\CLSID", "",
                                "{00000000-1111-2222-3333-444444444444}");
    const auto before = snapshot();
    ASSERT_EQ(regsvr({"/s", ocx().string()}), 0);
    auto after = snapshot();
    std::set<std::string> added;
    for (auto& l : after)
        if (!before.count(l)) added.insert(l);
    const std::string path = ocx().string();
    const std::string c = "CLSID\\{F9F5B245-E80B-11D4-95D4-E305F180C055}";
    for (const std::string& want : {
             std::string("zorbLinkControl.zorbLink\\CLSID|={F9F5B245-E80B-11D4-95D4-E305F180C055}"),
             c + "\\InprocServer32|=" + path,
             c + "\\ProgID|=zorbLinkControl.zorbLink",
             "[" + c + "\\Control]",
             c + "\\ToolboxBitmap32|=" + path + ", 30000",
             c + "\\TypeLib|={F9F5B250-E80B-11D4-95D4-E305F180C055}",
             c + "\\Version|=1.0",
             c + "\\MiscStatus\\1|=131473",
             std::string("TypeLib\\{F9F5B250-E80B-11D4-95D4-E305F180C055}\\1.0|=zorbLinkControl"),
             "TypeLib\\{F9F5B250-E80B-11D4-95D4-E305F180C055}\\1.0\\0\\win32|=" + path,
             std::string("TypeLib\\{F9F5B250-E80B-11D4-95D4-E305F180C055}\\1.0\\FLAGS|=2"),
             std::string("Interface\\{F9F5B244-E80B-11D4-95D4-E305F180C055}|=_zorbLink"),
             std::string("Interface\\{F9F5B248-E80B-11D4-95D4-E305F180C055}|=__zorbLink"),
         })
        EXPECT_TRUE(added.count(want)) << want;
    EXPECT_EQ(added.size(), 51u) << "nothing else is written";
    for (auto& l : added) EXPECT_EQ(l.find("zorbShading"), std::string::npos) << l;

    ASSERT_EQ(regsvr({"/u", "/s", ocx().string()}), 0);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(Library, TheToolSaysWhichRegistryFileCouldNotBeWrittenAndWhy) {
    struct Case {
        const char* name;
        std::function<fs::path()> registryAt;  // made so that it cannot be written
        const char* reason;
    };
    const Case cases[] = {
        {"a folder of that name", [&] { fs::create_directories(dir / "registry"); return dir / "registry"; },
         "pod tą nazwą jest folder"},
        {"a file where its folder should be", [&] {
             std::ofstream(dir / "plain") << "x";
             return dir / "plain" / "registry";
         }, "folder nie istnieje"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path at = c.registryAt();
        ::setenv("SUITE_REGISTRY", at.c_str(), 1);
        const Told told = regsvrSays({ocx().string()});
        EXPECT_EQ(told.exit, RegCallFailed);
        EXPECT_NE(told.said.find("0x80040201"), std::string::npos) << told.said;
        EXPECT_NE(told.said.find(at.string()), std::string::npos) << told.said;
        EXPECT_NE(told.said.find(c.reason), std::string::npos) << told.said;
        // Asked for silence, or to unregister, it still says why it failed;
        // the code is the control's, the first step's, as is the reason.
        for (const auto& args : {std::vector<std::string>{"/s", ocx().string()},
                                 std::vector<std::string>{"/u", "/s", ocx().string()}}) {
            const Told silently = regsvrSays(args);
            EXPECT_EQ(silently.exit, RegCallFailed);
            EXPECT_NE(silently.said.find("0x80040201"), std::string::npos) << silently.said;
            EXPECT_NE(silently.said.find(at.string()), std::string::npos) << silently.said;
            EXPECT_NE(silently.said.find(c.reason), std::string::npos) << silently.said;
        }
    }
}

// A library that fails for a reason of its own: the tool says so, and
// finding out whether the registry was to blame changes nothing in it.
TEST_F(Library, AFailureForAnotherReasonLeavesTheRegistryAsItWas) {
    // A file name the registry cannot hold (no Windows-1250 letters for it):
    // the library refuses before it writes anything.
    const fs::path copy = dir / "łącze-ссылка.ocx";
    fs::copy_file(ocx(), copy);
    const fs::path config = dir / "config";
    struct Case {
        const char* name;
        std::function<void()> make;
    };
    const Case cases[] = {
        {"no registry yet", [] {}},
        {"a damaged registry", [&] {
             fs::create_directories(config);
             std::ofstream(config / "registry", std::ios::binary)
                 << "REGISTRY 1\r\n[HKEY_CLASSES_ROOT\\Other.Thing]\r\nnot a line of ours\r\n";
         }},
        {"one written by the registry", [&] {
             registry::Registry(config / "registry").setString(registry::Hive::ClassesRoot, "Other.Thing\\CLSID", "",
                                                              "{00000000-1111-2222-3333-444444444444}");
         }},
    };
    auto folder = [&] {
        std::vector<std::string> out;
        if (!fs::exists(config)) return out;
        // Each file's name, inode and bytes: one written over shows too.
        for (auto& e : fs::directory_iterator(config)) {
            struct stat info {};
            ::stat(e.path().c_str(), &info);
            std::ifstream in(e.path(), std::ios::binary);
            out.push_back(e.path().filename().string() + " " + std::to_string(info.st_ino) + " " +
                          std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
        }
        std::sort(out.begin(), out.end());
        return out;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(config);
        c.make();
        const bool existed = fs::exists(config);
        const auto before = folder();
        ::setenv("SUITE_REGISTRY", (config / "registry").c_str(), 1);
        const Told told = regsvrSays({copy.string()});
        EXPECT_EQ(told.exit, RegCallFailed);
        EXPECT_NE(told.said.find("0x80040201"), std::string::npos) << told.said;
        EXPECT_EQ(told.said.find("Nie można"), std::string::npos) << "the registry is not to blame: " << told.said;
        // The reason is the library's own, also when asked for silence.
        for (const Told& t : {told, regsvrSays({"/s", copy.string()})})
            EXPECT_NE(t.said.find("„" + copy.string() + "” nie da się zapisać w rejestrze: ma znaki spoza strony "
                                  "kodowej Windows-1250."),
                      std::string::npos)
                << t.said;
        EXPECT_EQ(fs::exists(config), existed) << "no folder made";
        EXPECT_EQ(folder(), before);
    }
}

TEST_F(Library, AHostCreatesTheControlByClassNameOnly) {
    ASSERT_EQ(regsvr({"/s", ocx().string()}), 0);
    void* out = nullptr;
    EXPECT_EQ(createInstance(kShadingProgId, IID_IUnknown, &out), CO_E_CLASSSTRING) << "the gradient is private";
    {
        Ptr<IDispatch> d;
        ASSERT_EQ(createInstance(kProgId, IID_IDispatch, d.putVoid()), S_OK);
        EXPECT_EQ(loadedLibraries(), 1);
        void* h = ::dlopen(ocx().c_str(), RTLD_NOW | RTLD_NOLOAD);
        ASSERT_NE(h, nullptr) << "loaded by the host";
        auto canUnload = reinterpret_cast<DllCanUnloadNowFn>(::dlsym(h, "DllCanUnloadNow"));
        ::dlclose(h);
        EXPECT_EQ(canUnload(), S_FALSE) << "an object lives";
        freeUnusedLibraries();
        EXPECT_EQ(loadedLibraries(), 1);

        std::vector<DispId> ids;
        ASSERT_EQ(d->GetIDsOfNames({"Caption"}, ids), S_OK);
        EXPECT_EQ(ids[0], dispid::Caption);
        std::vector<Variant> args = {Variant::string("www.wortel.pl")};
        EXPECT_EQ(d->Invoke(dispid::Caption, DISPATCH_PROPERTYPUT, args, nullptr), S_OK);
        std::vector<Variant> none;
        Variant got;
        EXPECT_EQ(d->Invoke(dispid::Caption, DISPATCH_PROPERTYGET, none, &got), S_OK);
        EXPECT_EQ(got, Variant::string("www.wortel.pl"));
    }
    freeUnusedLibraries();
    processEvents();
    EXPECT_EQ(loadedLibraries(), 0) << "unloaded once nothing of it lives";

    // Registered, but the file is gone: a clean failure.
    fs::copy_file(ocx(), dir / "copy.ocx");
    ASSERT_EQ(regsvr({"/s", (dir / "copy.ocx").string()}), 0);
    fs::remove(dir / "copy.ocx");
    EXPECT_EQ(createInstance(kProgId, IID_IDispatch, &out), CO_E_DLLNOTFOUND);
    EXPECT_EQ(out, nullptr);
    // Unregistered: the class name is unknown.
    ASSERT_EQ(regsvr({"/u", "/s", ocx().string()}), 0);
    EXPECT_EQ(createInstance(kProgId, IID_IDispatch, &out), CO_E_CLASSSTRING);
}

struct Sink final : com::testing::StackSink {
    std::vector<DispId> heard;
    HRESULT Invoke(DispId id, std::uint16_t, std::vector<Variant>&, Variant*) override {
        heard.push_back(id);
        return S_OK;
    }
};

TEST_F(Library, AHostedLinkOpensItsTargetThroughTheHostsShellAndRaisesClick) {
    ASSERT_EQ(regsvr({"/s", ocx().string()}), 0);
    OleControl* host = placeHost();
    PropertyBag stored({{"_extentx", Variant::i4(3678)},
                        {"_extenty", Variant::i4(476)},
                        {"href", Variant::string("mailto:wortel@wortel.pl")},
                        {"caption", Variant::string("wortel@wortel.pl")}});
    ASSERT_EQ(host->create(kProgId, &stored), S_OK);
    ASSERT_NE(host->componentWidget(), nullptr);
    Ptr<IConnectionPointContainer> cpc = host->object().as<IConnectionPointContainer>(IID_IConnectionPointContainer);
    ASSERT_TRUE(cpc);
    Ptr<IConnectionPoint> cp;
    ASSERT_EQ(cpc->FindConnectionPoint(IID___zorbLink, cp.put()), S_OK);
    Sink sink;
    std::uint32_t cookie = 0;
    ASSERT_EQ(cp->Advise(&sink, &cookie), S_OK);
    void* label = input::labelOf(host->componentWidget());
    ASSERT_NE(label, nullptr);
    input::click(label, 4, 4);
    auto shells = answers.asked("shell");
    ASSERT_EQ(shells.size(), 1u) << "the host's answers saw the library's shell call";
    EXPECT_EQ(shells[0].text, "mailto:wortel@wortel.pl");
    EXPECT_EQ(shells[0].title, "Open");
    EXPECT_EQ(sink.heard, (std::vector<DispId>{eventid::MouseDown, eventid::MouseUp, eventid::Click}));
    cp->Unadvise(cookie);
    cp.reset();
    cpc.reset();
    host->close();
    processEvents();
    EXPECT_EQ(loadedLibraries(), 0);
}

// A host that lets go of a link from inside the link's own event, with the
// library's code still on the stack: the link ends when its event returns,
// and the library is unloaded from the event loop afterwards.
TEST_F(Library, AHostMayCloseALinkFromInsideItsClickOrMouseOver) {
    ASSERT_EQ(regsvr({"/s", ocx().string()}), 0);
    for (DispId closeIn : {eventid::Click, eventid::MouseOver}) {
        OleControl* host = placeHost();
        PropertyBag stored({{"href", Variant::string("http://www.wortel.pl/")}});
        ASSERT_EQ(host->create(kProgId, &stored), S_OK);
        ASSERT_TRUE(real::activate(host->componentWidget()));
        struct Closer final : com::testing::StackSink {
            OleControl* host = nullptr;
            DispId closeIn = 0;
            int closed = 0;
            HRESULT Invoke(DispId id, std::uint16_t, std::vector<Variant>&, Variant*) override {
                if (id == closeIn && host->created()) {
                    ++closed;
                    host->close();
                }
                return S_OK;
            }
        } closer;
        closer.host = host;
        closer.closeIn = closeIn;
        {
            auto cpc = host->object().as<IConnectionPointContainer>(IID_IConnectionPointContainer);
            Ptr<IConnectionPoint> cp;
            ASSERT_EQ(cpc->FindConnectionPoint(IID___zorbLink, cp.put()), S_OK);
            std::uint32_t cookie = 0;
            ASSERT_EQ(cp->Advise(&closer, &cookie), S_OK);
        }  // only the host holds the link now
        void* label = input::labelOf(host->componentWidget());
        ASSERT_NE(label, nullptr);
        real::move(label, 3, 3);
        if (host->created()) real::click(label, 4, 4);
        EXPECT_EQ(closer.closed, 1) << closeIn;
        EXPECT_FALSE(host->created());
        processEvents();
        EXPECT_EQ(loadedLibraries(), 0) << closeIn;
        EXPECT_EQ(::dlopen(ocx().c_str(), RTLD_NOW | RTLD_NOLOAD), nullptr) << "the file is unmapped";
        form.reset();
    }
}

TEST_F(Library, ShowAboutShowsTheLibrarysOwnFormUntilItsBackgroundIsClicked) {
    ASSERT_EQ(regsvr({"/s", ocx().string()}), 0);
    {
        OleControl* host = placeHost(false);
        ASSERT_EQ(host->create(kProgId, nullptr), S_OK);
        // The form is the library's own (its own copy of the form runtime):
        // the test finds it as the user would, in the middle of the screen,
        // and clicks there, on its background.
        forms::Form tester("tester");
        forms::Timer poll(tester, "poll", 20, true);
        int tries = 0;
        WindowHandle clicked = 0;
        poll.onTimer = [&] {
            ++tries;
            WindowFunctions& w = platformWindows();
            Point mid{forms::Application::screenWidth(forms::Scale::Pixels) / 2,
                      forms::Application::screenHeight(forms::Scale::Pixels) / 2};
            WindowHandle h = w.windowFromPoint(mid);
            if (!h) return;
            auto* widget = reinterpret_cast<void*>(h);
            Point origin = input::screenPoint(widget, 0, 0);
            poll.setEnabled(false);
            clicked = h;
            input::click(widget, mid.x - origin.x, mid.y - origin.y);
        };
        std::vector<Variant> none;
        EXPECT_EQ(host->dispatch()->Invoke(DISPID_ABOUTBOX, DISPATCH_METHOD, none, nullptr), S_OK);
        EXPECT_NE(clicked, 0u) << "returned only after the click";
        EXPECT_NE(clicked, handleOf(host->componentWidget()));
        EXPECT_TRUE(answers.asked("message").empty());
        form->unload();
    }
    freeUnusedLibraries();
    processEvents();
    EXPECT_EQ(loadedLibraries(), 0) << "nothing of the closed form keeps the library loaded";
}

TEST_F(Library, ASaveWritesTheHostsExtentThenTheControlsKeysInLowerCase) {
    ASSERT_EQ(regsvr({"/s", ocx().string()}), 0);
    OleControl* host = placeHost();
    ASSERT_EQ(host->create(kProgId, nullptr), S_OK);
    PropertyBag bag;
    ASSERT_EQ(host->save(bag), S_OK);
    EXPECT_EQ(bag.keys(), (std::vector<std::string>{"_extentx", "_extenty", "mousepointer", "caption", "mousepointer"}));
    EXPECT_EQ(twipsToHimetric(2325), 4101);
    EXPECT_EQ(twipsToHimetric(375), 661);
    EXPECT_EQ(twipsToHimetric(2085), 3678);
    EXPECT_EQ(twipsToHimetric(270), 476);
}

}  // namespace
