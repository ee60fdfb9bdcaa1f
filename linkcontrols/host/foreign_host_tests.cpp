// The link control in a host that is not ours: a plain window of the host's
// own, the library loaded by its file and reached through its four exports
// only (no registry, no site, none of the platform's host classes), and
// a host that lets go of a link whenever it likes, also from inside the
// link's own events, without closing it first.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QBitmap>
#include <QLabel>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "com/ClassFactory.h"
#include "com/Control.h"
#include "com/Dispatch.h"
#include "com/IConnectionPoint.h"
#include "com/IPropertyBag.h"
#include "com/InprocServer.h"
#include "com/Picture.h"
#include "com/Variant.h"
#include "com/testing/RealInput.h"
#include "com/testing/StackSink.h"
#include "shell/TestOpener.h"

namespace {

using namespace com;

// What a host knows of the library: its class, its event interface and
// the events' and Start's dispatch ids, from its type library.
const Guid kLinkClass = guid("{F9F5B245-E80B-11D4-95D4-E305F180C055}");
const Guid kLinkEvents = guid("{F9F5B248-E80B-11D4-95D4-E305F180C055}");
enum Event : DispId { Click = 1, DblClick, MouseDown, MouseMove, MouseUp, MouseOver, MouseOut };
constexpr DispId kStart = 0x6003000E;

const char* eventName(DispId id) {
    static const char* const names[] = {"", "Click", "DblClick", "MouseDown", "MouseMove",
                                        "MouseUp", "MouseOver", "MouseOut"};
    return id >= 1 && id <= 7 ? names[id] : "?";
}

// The host's own property bag, keys in lower case as hosts store them.
struct Bag final : IPropertyBag {
    std::map<std::string, Variant> values;
    HRESULT QueryInterface(const Guid& iid, void** out) override {
        *out = iid == IID_IUnknown || iid == IID_IPropertyBag ? static_cast<IPropertyBag*>(this) : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    std::uint32_t AddRef() override { return 1; }
    std::uint32_t Release() override { return 1; }
    HRESULT Read(std::string_view name, Variant& value) override {
        std::string key(name);
        std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::tolower(c); });
        auto it = values.find(key);
        if (it == values.end()) return E_INVALIDARG;
        value = it->second;
        return S_OK;
    }
    HRESULT Write(std::string_view name, const Variant& value) override {
        values[std::string(name)] = value;
        return S_OK;
    }
};

// Hears the link's events and, in one of them, lets go of the host's only
// reference to it.
struct Sink final : com::testing::StackSink {
    IDispatch** link = nullptr;
    DispId releaseIn = 0;
    int released = 0;
    std::vector<DispId> heard;
    HRESULT Invoke(DispId id, std::uint16_t, std::vector<Variant>&, Variant*) override {
        heard.push_back(id);
        if (id == releaseIn && *link) {
            IDispatch* l = *link;
            *link = nullptr;
            l->Release();
            ++released;
        }
        return S_OK;
    }
};

class ForeignHost : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // The desktop's opener, before anything is opened in the process.
        opener = new shell::testing::TestOpener;
        static int argc = 1;
        static char name[] = "host";
        static char* argv[] = {name, nullptr};
        app = new QApplication(argc, argv);
        const char* bin = std::getenv("SUITE_BINARY_DIR");
        const std::filesystem::path ocx = std::filesystem::path(bin ? bin : "build") / "dist" / "zorbLink" / "zorbLink.ocx";
        library = ::dlopen(ocx.c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(library, nullptr) << ::dlerror();
        getClassObject = reinterpret_cast<DllGetClassObjectFn>(::dlsym(library, "DllGetClassObject"));
        canUnloadNow = reinterpret_cast<DllCanUnloadNowFn>(::dlsym(library, "DllCanUnloadNow"));
        ASSERT_TRUE(getClassObject && canUnloadNow);
    }
    static void TearDownTestSuite() {
        // Nothing of the library lives on: it may go.
        if (library) {
            EXPECT_EQ(canUnloadNow(), S_OK);
            ::dlclose(library);
        }
        delete opener;
    }
    void SetUp() override {
        window = std::make_unique<QWidget>();
        window->resize(400, 120);
        ASSERT_TRUE(real::activate(window.get()));
    }
    void TearDown() override {
        if (link) link->Release();
        link = nullptr;
        window.reset();
        QApplication::processEvents();
    }

    template <class I>
    static I* as(IUnknown* o, const Guid& iid) {
        void* p = nullptr;
        return o && o->QueryInterface(iid, &p) == S_OK ? static_cast<I*>(p) : nullptr;
    }
    // A link made as a host makes one: from the class factory, its window
    // placed on the host's window, its stored properties handed over; no site.
    IDispatch* create(Bag& bag) {
        void* f = nullptr;
        if (getClassObject(&kLinkClass, &IID_IClassFactory, &f) != S_OK) return nullptr;
        auto* factory = static_cast<IClassFactory*>(f);
        void* d = nullptr;
        const HRESULT made = factory->CreateInstance(nullptr, IID_IDispatch, &d);
        factory->Release();
        if (made != S_OK) return nullptr;
        auto* link = static_cast<IDispatch*>(d);
        if (auto* control = as<IControl>(link, IID_IControl)) {
            surface = static_cast<QWidget*>(control->Window(window.get()));
            control->Release();
        }
        if (auto* persist = as<IPersistPropertyBag>(link, IID_IPersistPropertyBag)) {
            persist->Load(&bag);
            persist->Release();
        }
        return link;
    }
    void advise(IDispatch* link, IDispatch* sink) {
        auto* container = as<IConnectionPointContainer>(link, IID_IConnectionPointContainer);
        ASSERT_NE(container, nullptr);
        IConnectionPoint* point = nullptr;
        ASSERT_EQ(container->FindConnectionPoint(kLinkEvents, &point), S_OK);
        std::uint32_t cookie = 0;
        EXPECT_EQ(point->Advise(sink, &cookie), S_OK);
        point->Release();
        container->Release();
    }
    QLabel* label() const { return surface ? surface->findChild<QLabel*>() : nullptr; }

    static inline shell::testing::TestOpener* opener = nullptr;
    static inline QApplication* app = nullptr;
    static inline void* library = nullptr;
    static inline DllGetClassObjectFn getClassObject = nullptr;
    static inline DllCanUnloadNowFn canUnloadNow = nullptr;
    std::unique_ptr<QWidget> window;
    QWidget* surface = nullptr;
    IDispatch* link = nullptr;
};

TEST_F(ForeignHost, LetsGoOfTheLinkInsideEachEventWithoutClosingIt) {
    for (DispId releaseIn : {MouseOver, MouseMove, MouseDown, MouseUp, Click, DblClick, MouseOut}) {
        SCOPED_TRACE(eventName(releaseIn));
        Bag bag;
        bag.values = {{"caption", Variant::string("www.wortel.pl")}, {"href", Variant::string("")}};
        link = create(bag);
        ASSERT_NE(link, nullptr);
        Sink sink;
        sink.link = &link;
        sink.releaseIn = releaseIn;
        advise(link, &sink);
        QLabel* shown = label();
        ASSERT_NE(shown, nullptr);
        // A user's way over the link: in, a click, a double click, out.
        QCursor::setPos(shown->mapToGlobal(QPoint(3, 3)));
        real::move(shown, 3, 3);
        if (link) real::click(shown, 4, 4);
        if (link) real::doubleClick(shown, 4, 4);
        if (link) {
            QCursor::setPos(window->mapToGlobal(QPoint(380, 100)));
            real::move(window.get(), 380, 100);
            // MouseOut comes with the first tick of the link's 10 ms timer
            // after the pointer left; a loaded machine or a memory checker
            // may take much longer.
            const bool out = QTest::qWaitFor(
                [&] { return !link || std::find(sink.heard.begin(), sink.heard.end(), MouseOut) != sink.heard.end(); },
                30000);
            EXPECT_TRUE(out) << "no MouseOut after the pointer left";
        }
        EXPECT_EQ(sink.released, 1);
        EXPECT_EQ(link, nullptr);
        EXPECT_EQ(sink.heard.back(), releaseIn) << "no event after the last reference went";
        QApplication::processEvents();
        EXPECT_EQ(canUnloadNow(), S_OK) << "the link is gone";
        if (link) link->Release();  // a failure above: the sink goes next
        link = nullptr;
    }
}

TEST_F(ForeignHost, ALinkWithoutASiteOpensItsTargetWithTheDesktopsOpener) {
    Bag bag;
    bag.values = {{"href", Variant::string("http://www.wortel.pl/")}};
    link = create(bag);
    ASSERT_NE(link, nullptr);
    auto start = [&] {
        std::string target = "http://www.wortel.pl/pomoc.html";
        Variant t = Variant::string(target);
        std::vector<Variant> args = {Variant::byRef(&t)};
        return link->Invoke(kStart, DISPATCH_METHOD, args, nullptr);
    };
    ASSERT_NE(label(), nullptr);
    real::click(label(), 3, 3);
    EXPECT_EQ(opener->next(), "http://www.wortel.pl/\n");
    // Closed, it still has no site to ask: the desktop opens it.
    auto* control = as<IControl>(link, IID_IControl);
    ASSERT_NE(control, nullptr);
    control->Close();
    control->Release();
    EXPECT_EQ(start(), S_OK);
    EXPECT_EQ(opener->next(), "http://www.wortel.pl/pomoc.html\n");
}

TEST_F(ForeignHost, AMouseIconOfAnySizeLoadsAsACursorThePlatformCanShow) {
    struct Case {
        const char* name;
        int width, height;
        bool masks;  // the masks hold the whole picture
        int hotX, hotY;
        int shownWidth, shownHeight;
        int shownHotX, shownHotY;
    };
    const Case cases[] = {
        {"an ordinary cursor", 32, 32, true, 16, 16, 32, 32, 16, 16},
        {"16000 by 16000", 16000, 16000, true, 8000, 8000, 256, 256, 128, 128},
        {"as wide as an int goes", INT_MAX, 32, false, INT_MAX / 2, 16, 256, 1, 127, 0},
        {"as high as an int goes", 32, INT_MAX, false, 16, INT_MAX / 2, 1, 256, 0, 127},
        // A hot spot the picture does not reach is put on its nearest edge.
        {"a hot spot far beyond the picture", 32, 32, true, 1000, 1000, 32, 32, 31, 31},
        {"a hot spot before the picture", 32, 32, true, -5, -1000, 32, 32, 0, 0},
        {"a scaled picture with its hot spot beyond", 1000, 1000, true, INT_MAX, 2000, 256, 256, 255, 255},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CursorImage image;
        image.width = c.width;
        image.height = c.height;
        image.hotX = c.hotX;
        image.hotY = c.hotY;
        if (c.masks) {
            const std::size_t bytes = static_cast<std::size_t>((c.width + 7) / 8) * static_cast<std::size_t>(c.height);
            image.andMask.assign(bytes, 0x00);  // opaque
            image.xorMask.assign(bytes, 0xAA);  // striped
        }
        Ptr<IPicture> icon = createCursorPicture(image);
        Bag bag;
        bag.values = {{"mousepointer", Variant::i4(99)}, {"mouseicon", Variant::object(icon.get())}};
        link = create(bag);
        ASSERT_NE(link, nullptr);
        ASSERT_NE(label(), nullptr);
        const QCursor cursor = label()->cursor();
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
        EXPECT_EQ(cursor.bitmap().size(), QSize(c.shownWidth, c.shownHeight));
        EXPECT_EQ(cursor.hotSpot().x(), c.shownHotX);
        EXPECT_EQ(cursor.hotSpot().y(), c.shownHotY);
        link->Release();
        link = nullptr;
    }
}

}  // namespace
