// The hyperlink control in this process, with the window functions, the
// site and the shell played by the test.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

#include "com/Application.h"
#include "com/ClassFactory.h"
#include "com/Control.h"
#include "com/FormAccess.h"
#include "com/OleControl.h"
#include "com/PropertyBag.h"
#include "com/SyntheticInput.h"
#include "com/testing/RealInput.h"
#include "forms/Drive.h"
#include "forms/Form.h"
#include "forms/ModalAnswers.h"
#include "forms/ScriptedAnswers.h"
#include "forms/TextBox.h"
#include "linkcontrols/Module.h"
#include "linkcontrols/Server.h"
#include "linkcontrols/ZorbLinkObject.h"
#include "linkcontrols/ZorbLinkTypeLib.h"
#include "shell/Shell.h"

using namespace com;
using namespace linkcontrols;

namespace {

struct FakeWindows final : WindowFunctions {
    Point cursor{100, 100};
    WindowHandle under = 0;
    WindowHandle focus = 0;
    std::vector<std::pair<WindowHandle, Rect>> drawn;
    bool getCursorPos(Point& p) override {
        p = cursor;
        return true;
    }
    WindowHandle windowFromPoint(Point) override { return under; }
    WindowHandle getFocus() override { return focus; }
    bool drawFocusRect(WindowHandle w, const Rect& r) override {
        drawn.push_back({w, r});
        return true;
    }
    WindowHandle setCapture(WindowHandle) override { return 0; }
    WindowHandle getCapture() override { return 0; }
    bool releaseCapture() override { return true; }
    WindowHandle desktopWindow() override { return 0; }
};

struct FakeSite final : IControlSite {
    FakeWindows* windowsFns = nullptr;
    Ptr<IFont> ambient = createFont(FontDesc{"MS Sans Serif", 82500, 400, 238});
    std::vector<std::string> changed;
    Ptr<IFont> ambientFont() override { return ambient; }
    void propertyChanged(const std::string& n) override { changed.push_back(n); }
    WindowFunctions* windows() override { return windowsFns; }
    int shellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                     const std::string& directory, int show) override {
        return shell::execute(verb, file, parameters, directory, show);
    }
    void sizeChanged(int, int) override {}
};

// Records the events and, at each Click, how often the shell was asked.
struct EventSink final : IDispatch {
    forms::ScriptedAnswers* answers = nullptr;
    std::vector<DispId> heard;
    std::vector<std::size_t> shellAtClick;
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
        if (id == eventid::Click && answers) shellAtClick.push_back(answers->asked("shell").size());
        if (args.size() == 4) {
            float x = 0, y = 0;
            args[2].toR4(x);
            args[3].toR4(y);
            lastXY = {x, y};
        }
        return S_OK;
    }
    std::size_t count(DispId id) const { return std::count(heard.begin(), heard.end(), id); }
};

class ZorbLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApplication();
        forms::setModal(&answers);
        sink.answers = &answers;
        site.windowsFns = &windows;
        void* f = nullptr;
        ASSERT_EQ(getClassObject(&CLSID_zorbLink, &IID_IClassFactory, &f), S_OK);
        Ptr<IClassFactory> factory = Ptr<IClassFactory>::adopt(static_cast<IClassFactory*>(f));
        ASSERT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, disp.putVoid()), S_OK);
        obj = static_cast<ZorbLinkObject*>(disp.get());
        obj->SetClientSite(&site);
        Ptr<IConnectionPoint> cp;
        ASSERT_EQ(obj->FindConnectionPoint(IID___zorbLink, cp.put()), S_OK);
        ASSERT_EQ(cp->Advise(&sink, &cookie), S_OK);
    }
    void TearDown() override {
        obj->Close();
        disp.reset();
        forms::setModal(nullptr);
    }
    ZorbLink& link() { return obj->control(); }
    void over(bool yes) { windows.under = yes ? link().surface().handle() : 0; }
    void move() { link().lblURL_MouseMove(0, 0, 30, 15); }
    // The dictionary's links: hover and normal colour the same blue.
    void dictionaryLook() {
        obj->InitNew();
        link().setCaption("www.wortel.pl");
        link().setHref("http://www.wortel.pl/");
        link().setColorNormal(0xFF0000);
        link().setColorActive(0x008000);
        normal = createFont({"Arial", 142500, 400, 238, true, false});
        hover = createFont({"Arial", 142500, 400, 238, true, true});
        active = createFont({"Arial", 142500, 400, 238, true, true});
        link().setFontNormal(normal.get());
        link().setFontHover(hover.get());
        link().setFontActive(active.get());
    }
    std::uint32_t labelColor() { return link().surface().labelColor(); }
    FontDesc labelFont() { return link().surface().labelFont(); }

    forms::ScriptedAnswers answers;
    FakeWindows windows;
    FakeSite site;
    EventSink sink;
    Ptr<IDispatch> disp;
    ZorbLinkObject* obj = nullptr;
    std::uint32_t cookie = 0;
    Ptr<IFont> normal, hover, active;
};

TEST_F(ZorbLinkTest, AFreshControlShowsItsDesignCaption) {
    EXPECT_EQ(link().Caption(), "zorbLinkControl");
    obj->InitNew();
    EXPECT_EQ(link().Caption(), "zorbLinkControl") << "InitProperties leaves the label alone";
    EXPECT_EQ(link().Href(), "http://");
    EXPECT_EQ(link().MousePointer(), 16);
    EXPECT_EQ(link().FocusFrame(), 1);
    EXPECT_EQ(link().FontNormal().get(), site.ambient.get()) << "the ambient font, by reference";
    EXPECT_EQ(link().FontHover().get(), site.ambient.get());
}

TEST_F(ZorbLinkTest, HoverShowsTheHoverLookAndMouseOutTheNormalOneOnce) {
    obj->InitNew();
    link().setColorNormal(0x000000);
    link().setColorHover(0xFF0000);
    auto hv = createFont({"Arial", 120000, 700, 238, false, true});
    link().setFontHover(hv.get());
    over(true);
    move();
    move();
    EXPECT_EQ(labelColor(), 0xFF0000u);
    EXPECT_EQ(labelFont(), hv->desc());
    EXPECT_EQ(sink.count(eventid::MouseOver), 2u) << "on every move, not only on entry";
    EXPECT_EQ(sink.count(eventid::MouseMove), 2u);
    EXPECT_TRUE(link().surface().timerEnabled(ZorbLink::kMouseOutTimer));
    link().tmrMouseOut_Timer();  // still over: nothing
    EXPECT_EQ(sink.count(eventid::MouseOut), 0u);
    EXPECT_EQ(labelColor(), 0xFF0000u);
    over(false);
    link().tmrMouseOut_Timer();
    EXPECT_EQ(sink.count(eventid::MouseOut), 1u);
    EXPECT_EQ(labelColor(), 0x000000u);
    EXPECT_EQ(labelFont(), site.ambient->desc());
    EXPECT_FALSE(link().surface().timerEnabled(ZorbLink::kMouseOutTimer)) << "the watch stops after leaving";
    // A move over the margin or the label outside the control's window raises no MouseOver.
    move();
    EXPECT_EQ(sink.count(eventid::MouseOver), 2u);
    EXPECT_EQ(sink.count(eventid::MouseMove), 3u);
}

TEST_F(ZorbLinkTest, EqualHoverAndNormalColoursChangeNothingUntilAPressAndRelease) {
    dictionaryLook();
    over(true);
    move();
    EXPECT_EQ(labelColor(), 0xFF0000u);
    EXPECT_EQ(labelFont(), normal->desc()) << "the font is never compared";
    link().lblURL_MouseDown(1, 0, 30, 15);
    EXPECT_TRUE(link().pressed());
    EXPECT_EQ(labelColor(), 0x008000u);
    EXPECT_EQ(labelFont(), active->desc());
    link().lblURL_MouseUp(1, 0, 30, 15);
    EXPECT_FALSE(link().pressed());
    EXPECT_EQ(labelFont(), active->desc()) << "release changes no font";
    move();
    EXPECT_EQ(labelColor(), 0xFF0000u) << "the next move shows the hover look";
    EXPECT_EQ(labelFont(), hover->desc());
}

TEST_F(ZorbLinkTest, DraggingOffWhilePressedRestoresNormalButKeepsPressed) {
    dictionaryLook();
    over(true);
    move();
    link().lblURL_MouseDown(1, 0, 30, 15);
    std::size_t overs = sink.count(eventid::MouseOver);
    over(false);
    link().lblURL_MouseMove(1, 0, 900, 15);
    EXPECT_EQ(sink.count(eventid::MouseOver), overs) << "no MouseOver off the control";
    EXPECT_EQ(sink.count(eventid::MouseMove), 2u) << "the label holds the mouse";
    link().tmrMouseOut_Timer();
    EXPECT_EQ(labelColor(), 0xFF0000u);
    EXPECT_EQ(labelFont(), normal->desc());
    EXPECT_TRUE(link().pressed());
    over(true);
    link().lblURL_MouseMove(1, 0, 30, 15);
    EXPECT_EQ(labelColor(), 0x008000u) << "back over while pressed: the active look";
    EXPECT_EQ(labelFont(), active->desc());
}

TEST_F(ZorbLinkTest, AClickOpensTheTargetOnceBeforeTheHostHearsClick) {
    dictionaryLook();
    over(true);
    void* label = input::labelOf(link().surface().widget());
    ASSERT_NE(label, nullptr);
    input::click(label, 5, 5);
    auto shells = answers.asked("shell");
    ASSERT_EQ(shells.size(), 1u);
    EXPECT_EQ(shells[0].text, "http://www.wortel.pl/");
    EXPECT_EQ(shells[0].title, "Open");
    EXPECT_EQ(sink.shellAtClick, std::vector<std::size_t>{1}) << "the shell is asked before Click";
    std::vector<DispId> order;
    for (DispId d : sink.heard)
        if (d == eventid::MouseDown || d == eventid::MouseUp || d == eventid::Click) order.push_back(d);
    EXPECT_EQ(order, (std::vector<DispId>{eventid::MouseDown, eventid::MouseUp, eventid::Click}));
    EXPECT_FLOAT_EQ(sink.lastXY[0], 5 * link().twipsPerPixelX()) << "coordinates in the label's twips";

    // A double click opens it once, not twice.
    answers.clear();
    sink.heard.clear();
    input::doubleClick(label, 5, 5);
    EXPECT_EQ(answers.asked("shell").size(), 1u);
    EXPECT_EQ(sink.count(eventid::Click), 1u);
    EXPECT_EQ(sink.count(eventid::DblClick), 1u);

    // A failing shell is not reported and Click still comes.
    answers.clear();
    answers.answerShell(2);
    sink.heard.clear();
    input::click(label, 5, 5);
    EXPECT_EQ(sink.count(eventid::Click), 1u);
}

TEST_F(ZorbLinkTest, AnEmptyTargetOpensNothingButClickIsRaised) {
    obj->InitNew();
    link().setHref("");
    link().lblURL_Click();
    EXPECT_TRUE(answers.asked("shell").empty());
    EXPECT_EQ(sink.count(eventid::Click), 1u);
    input::key(link().surface().widget(), "A");
    EXPECT_TRUE(answers.asked("shell").empty());
}

TEST_F(ZorbLinkTest, KeysThatTypeOpenTheLinkOthersDoNot) {
    dictionaryLook();
    struct {
        const char* key;
        bool opens;
    } cases[] = {{"A", true}, {"Space", true}, {"Return", true}, {"Shift", false}, {"Left", false},
                 {"Down", false}, {"Tab", false}, {"F5", false}};
    for (auto& c : cases) {
        answers.clear();
        sink.heard.clear();
        input::key(link().surface().widget(), c.key);
        EXPECT_EQ(answers.asked("shell").size(), c.opens ? 1u : 0u) << c.key;
        EXPECT_TRUE(sink.heard.empty()) << "keys raise no events: " << c.key;
    }
}

TEST_F(ZorbLinkTest, FocusFrameFollowsTheFocusWindow) {
    dictionaryLook();
    const WindowHandle me = link().surface().handle();
    link().UserControl_GotFocus();
    EXPECT_TRUE(link().surface().timerEnabled(ZorbLink::kFocusTimer));
    EXPECT_TRUE(link().hasFocus());
    ASSERT_EQ(windows.drawn.size(), 1u);
    const Rect want{0, 0, static_cast<int>(std::nearbyint(link().width() / link().twipsPerPixelX())),
                    static_cast<int>(std::nearbyint(link().height() / link().twipsPerPixelY()))};
    EXPECT_EQ(windows.drawn[0], std::make_pair(me, want));
    EXPECT_EQ(want.right, link().surface().width());

    // Another program becomes active: no focus window, the frame goes.
    windows.focus = 0;
    windows.drawn.clear();
    link().tmrFocus_Timer();  // equal to the first value seen (none): nothing
    EXPECT_TRUE(windows.drawn.empty());
    windows.focus = me;
    link().tmrFocus_Timer();
    EXPECT_EQ(windows.drawn.size(), 1u);
    windows.focus = 0;
    link().tmrFocus_Timer();
    EXPECT_FALSE(link().hasFocus());
    EXPECT_EQ(windows.drawn.size(), 1u) << "only cleared";
    windows.focus = me;
    link().tmrFocus_Timer();
    EXPECT_TRUE(link().hasFocus());
    EXPECT_EQ(windows.drawn.size(), 2u);
    link().UserControl_Paint();
    EXPECT_EQ(windows.drawn.size(), 3u) << "a repaint draws it again on a cleared surface";

    link().UserControl_LostFocus();
    EXPECT_FALSE(link().surface().timerEnabled(ZorbLink::kFocusTimer));
    EXPECT_FALSE(link().hasFocus());
    link().UserControl_Paint();
    EXPECT_EQ(windows.drawn.size(), 3u);

    // FocusFrame = Kein: no frame, no timer.
    link().setFocusFrame(0);
    link().UserControl_GotFocus();
    EXPECT_FALSE(link().surface().timerEnabled(ZorbLink::kFocusTimer));
    EXPECT_FALSE(link().hasFocus());
    EXPECT_EQ(windows.drawn.size(), 3u);
}

TEST_F(ZorbLinkTest, MousePointerGoesToTheLabel) {
    obj->InitNew();
    struct {
        std::int32_t value;
        int labelPointer;
    } cases[] = {{16, 99}, {0, 0}, {3, 3}, {11, 11}, {15, 15}, {99, 99}};
    for (auto& c : cases) {
        link().setMousePointer(c.value);
        EXPECT_EQ(link().surface().labelPointer(), c.labelPointer) << c.value;
    }
    link().setMousePointer(16);
    EXPECT_EQ(link().surface().labelCursor(), ZorbLink::handCursor());
    EXPECT_EQ(ZorbLink::handCursor().hotX, 6);
    EXPECT_EQ(ZorbLink::handCursor().hotY, 0);
    EXPECT_EQ(ZorbLink::handCursor().width, 32);

    // A new MouseIcon while the pointer is custom shows only when the pointer is set again.
    link().setMousePointer(99);
    auto icon = createCursorPicture(cursorFromRows({"##", "#."}, 1, 1));
    link().setMouseIcon(icon.get());
    EXPECT_NE(link().surface().labelCursor(), icon->cursor());
    link().setMousePointer(99);
    EXPECT_EQ(link().surface().labelCursor(), icon->cursor());
}

TEST_F(ZorbLinkTest, CaptionAndNormalFontResizeAtOnceHoverAndActiveFontsDoNot) {
    obj->InitNew();
    link().setCaption("a");
    const int narrow = link().surface().width();
    link().setCaption("a much longer caption");
    const int wide = link().surface().width();
    EXPECT_GT(wide, narrow);
    EXPECT_EQ(wide, link().surface().labelWidth() + 2) << "a one-pixel margin on each side";
    EXPECT_EQ(link().surface().height(), link().surface().labelHeight() + 2);
    // A host that resizes the control sees it take its own size again.
    input::resize(link().surface().widget(), 500, 60);
    EXPECT_EQ(link().surface().width(), wide);
    EXPECT_EQ(link().surface().height(), link().surface().labelHeight() + 2);
    auto big = createFont({"Arial", 240000, 700, 238});
    link().setFontHover(big.get());
    link().setFontActive(big.get());
    EXPECT_EQ(link().surface().width(), wide);
    link().setFontNormal(big.get());
    EXPECT_GT(link().surface().width(), wide);
}

TEST_F(ZorbLinkTest, SettersReportTheirChangeByName) {
    obj->InitNew();
    site.changed.clear();
    link().setBackColor(0xFFFFFF);
    link().setHref("x");
    link().setCaption("y");
    link().setColorHover(1);
    link().setMousePointer(3);
    link().setFocusFrame(0);
    EXPECT_EQ(site.changed,
              (std::vector<std::string>{"BackColor", "Href", "Caption", "ColorHover", "MousePointer", "FocusFrame"}));
}

TEST_F(ZorbLinkTest, DispatchAnswersTheLibrarysIds) {
    obj->InitNew();
    std::vector<DispId> ids;
    ASSERT_EQ(disp->GetIDsOfNames({"href"}, ids), S_OK);
    EXPECT_EQ(ids[0], dispid::Href);
    ASSERT_EQ(disp->GetIDsOfNames({"SHOWABOUT"}, ids), S_OK);
    EXPECT_EQ(ids[0], -552);
    EXPECT_EQ(disp->GetIDsOfNames({"Navigate"}, ids), DISP_E_UNKNOWNNAME);

    struct {
        DispId id;
        Variant value;
    } props[] = {
        {dispid::BackColor, Variant::i4(0xFFFFFF)},  {dispid::Enabled, Variant::boolean(false)},
        {dispid::ToolTipText, Variant::string("tip")}, {dispid::Href, Variant::string("mailto:a@b.pl")},
        {dispid::Caption, Variant::string("a@b.pl")}, {dispid::ColorHover, Variant::i4(0x00FF00)},
        {dispid::ColorNormal, Variant::i4(0xFF0000)}, {dispid::ColorActive, Variant::i4(0x008000)},
        {dispid::MousePointer, Variant::i4(2)},       {dispid::FocusFrame, Variant::i4(0)},
    };
    for (auto& p : props) {
        std::vector<Variant> args = {p.value};
        EXPECT_EQ(disp->Invoke(p.id, DISPATCH_PROPERTYPUT, args, nullptr), S_OK) << p.id;
        std::vector<Variant> none;
        Variant got;
        EXPECT_EQ(disp->Invoke(p.id, DISPATCH_PROPERTYGET, none, &got), S_OK) << p.id;
        EXPECT_EQ(got, p.value) << p.id;
    }
    // Fonts by reference: the very object comes back.
    auto f = createFont({"Arial", 97500, 700, 238});
    std::vector<Variant> args = {Variant::object(f.get(), VT_DISPATCH)};
    EXPECT_EQ(disp->Invoke(dispid::FontHover, DISPATCH_PROPERTYPUTREF, args, nullptr), S_OK);
    std::vector<Variant> none;
    Variant got;
    disp->Invoke(dispid::FontHover, DISPATCH_PROPERTYGET, none, &got);
    EXPECT_EQ(got.toObject(), static_cast<IUnknown*>(f.get()));

    // Start by reference opens the target; an empty one opens nothing.
    Variant url = Variant::string("http://www.wortel.pl/");
    std::vector<Variant> start = {Variant::byRef(&url)};
    EXPECT_EQ(disp->Invoke(dispid::Start, DISPATCH_METHOD, start, nullptr), S_OK);
    Variant empty = Variant::string("");
    std::vector<Variant> start2 = {Variant::byRef(&empty)};
    EXPECT_EQ(disp->Invoke(dispid::Start, DISPATCH_METHOD, start2, nullptr), S_OK);
    EXPECT_EQ(answers.asked("shell").size(), 1u);
    // ShowAbout answers the standard about-box id: the library's about form
    // is shown modally (here closed by a click on its background at once),
    // and nothing is reported.
    std::vector<std::string> shown;
    forms::drive::setModalHook([&](forms::Form& f) {
        shown.push_back(f.name());
        input::click(formClient(f), 255, 60);  // background, right of the labels
    });
    EXPECT_EQ(disp->Invoke(-552, DISPATCH_METHOD, none, nullptr), S_OK);
    forms::drive::setModalHook(nullptr);
    EXPECT_EQ(shown, std::vector<std::string>{"frmAbout"});
    EXPECT_EQ(libraryAbout(), nullptr) << "the reference goes with the form";
    EXPECT_TRUE(answers.asked("message").empty());
    // Errors.
    EXPECT_EQ(disp->Invoke(0x12345, DISPATCH_METHOD, none, nullptr), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(disp->Invoke(dispid::Href, DISPATCH_PROPERTYPUT, none, nullptr), DISP_E_BADPARAMCOUNT);
    std::vector<Variant> bad = {Variant::string("not a colour")};
    EXPECT_EQ(disp->Invoke(dispid::ColorNormal, DISPATCH_PROPERTYPUT, bad, nullptr), DISP_E_TYPEMISMATCH);
}

TEST_F(ZorbLinkTest, EventsStopAfterUnadviseAndClose) {
    obj->InitNew();
    Ptr<IConnectionPoint> cp;
    ASSERT_EQ(obj->FindConnectionPoint(IID___zorbLink, cp.put()), S_OK);
    EXPECT_EQ(obj->FindConnectionPoint(IID__zorbLink, cp.put()), CONNECT_E_NOCONNECTION);
    ASSERT_EQ(obj->FindConnectionPoint(IID___zorbLink, cp.put()), S_OK);
    link().lblURL_DblClick();
    EXPECT_EQ(sink.count(eventid::DblClick), 1u);
    cp->Unadvise(cookie);
    link().lblURL_DblClick();
    EXPECT_EQ(sink.count(eventid::DblClick), 1u);
}

// Write order and omissions, and what a read gives back.
TEST_F(ZorbLinkTest, PropertiesWriteInOrderOmittingDefaults) {
    obj->InitNew();
    PropertyBag fresh;
    obj->Save(&fresh, true, false);
    EXPECT_EQ(fresh.keys(), (std::vector<std::string>{"MousePointer", "Caption", "MousePointer"}))
        << "a new instance differs from the defaults only in pointer and caption";

    link().setMousePointer(0);
    link().setBackColor(0xFFFFFF);
    link().setEnabled(false);
    link().setToolTipText("tip");
    link().setHref("http://www.wortel.pl/");
    link().setCaption(ZorbLink::kDefaultCaption);
    link().setColorNormal(0xFF0000);
    auto f = createFont({"Arial", 97500, 700, 238});
    link().setFontActive(f.get());
    link().setFocusFrame(0);
    PropertyBag bag;
    obj->Save(&bag, true, false);
    EXPECT_EQ(bag.keys(), (std::vector<std::string>{"BackColor", "Enabled", "ToolTipText", "Href", "ColorNormal",
                                                    "FontActive", "MousePointer", "FocusFrame"}));

    // Read back into another instance: MousePointer 0 survives.
    Ptr<IDispatch> other;
    void* fo = nullptr;
    getClassObject(&CLSID_zorbLink, &IID_IClassFactory, &fo);
    Ptr<IClassFactory> factory = Ptr<IClassFactory>::adopt(static_cast<IClassFactory*>(fo));
    factory->CreateInstance(nullptr, IID_IDispatch, other.putVoid());
    auto* o = static_cast<ZorbLinkObject*>(other.get());
    o->SetClientSite(&site);
    o->Load(&bag);
    ZorbLink& l = o->control();
    EXPECT_EQ(l.MousePointer(), 0);
    EXPECT_EQ(l.BackColor(), 0xFFFFFFu);
    EXPECT_FALSE(l.Enabled());
    EXPECT_EQ(l.ToolTipText(), "tip");
    EXPECT_EQ(l.Href(), "http://www.wortel.pl/");
    EXPECT_EQ(l.Caption(), ZorbLink::kDefaultCaption);
    EXPECT_EQ(l.ColorNormal(), 0xFF0000u);
    EXPECT_EQ(l.surface().labelColor(), 0xFF0000u);
    EXPECT_EQ(l.FontActive().get(), f.get()) << "held by reference";
    EXPECT_EQ(l.FontNormal().get(), site.ambient.get());
    EXPECT_EQ(l.FocusFrame(), 0);
    EXPECT_EQ(l.ColorHover(), 0xFF0000u);
    o->Close();
}

TEST_F(ZorbLinkTest, AnEmptyBagGivesEveryDefault) {
    PropertyBag empty;
    obj->Load(&empty);
    ZorbLink& l = link();
    EXPECT_EQ(l.BackColor(), 0x8000000Fu);
    EXPECT_TRUE(l.Enabled());
    EXPECT_EQ(l.ToolTipText(), "");
    EXPECT_EQ(l.Href(), "http://");
    EXPECT_EQ(l.Caption(), ZorbLink::kDefaultCaption);
    EXPECT_EQ(l.ColorHover(), 0xFF0000u);
    EXPECT_EQ(l.ColorNormal(), 0u);
    EXPECT_EQ(l.ColorActive(), 0xFFu);
    EXPECT_EQ(l.MousePointer(), 16);
    EXPECT_EQ(l.surface().labelPointer(), 99) << "the hand, applied at the end of the read";
    EXPECT_EQ(l.FontNormal().get(), site.ambient.get());
    EXPECT_FALSE(l.MouseIcon());
    EXPECT_EQ(l.FocusFrame(), 1);
    // A bag's keys are read without regard to case; the first of two wins.
    PropertyBag mixed({{"HREF", Variant::string("http://a.pl/")},
                       {"mousepointer", Variant::i4(3)},
                       {"MousePointer", Variant::i4(5)}});
    obj->Load(&mixed);
    EXPECT_EQ(l.Href(), "http://a.pl/");
    EXPECT_EQ(l.MousePointer(), 3);
}

// The link on a form of a host beside a text box, with the platform's window
// functions: the pointer comes in through the window as a user's does, and
// what the link shows is read back as pixels.
class RealLink : public ZorbLinkTest {
protected:
    void SetUp() override {
        ZorbLinkTest::SetUp();
        form = std::make_unique<forms::Form>("host", forms::Scale::Pixels);
        form->show();
        text = form->add<forms::TextBox>("Text1");
        text->move(8, 60, 120, 22);
        text->setTabIndex(0);
        host = form->add<OleControl>("zorbLink1");
        host->move(8, 8);
        host->setTabIndex(1);
        ASSERT_EQ(host->create(disp.get(), nullptr), S_OK);
        dictionaryLook();
        link().setBackColor(0xFFFFFF);
        ASSERT_TRUE(real::activate(formClient(*form)));
    }
    void TearDown() override {
        form.reset();
        ZorbLinkTest::TearDown();
    }
    void* surface() { return link().surface().widget(); }
    void* label() { return input::labelOf(surface()); }
    // The link's outline: the platform's dotted frame on its white back
    // colour, or no frame.
    int outlineFaults(bool framed) { return real::outlineFaults(real::grab(surface()), 0xFFFFFF, framed); }
    std::unique_ptr<forms::Form> form;
    forms::TextBox* text = nullptr;
    OleControl* host = nullptr;
};

TEST_F(RealLink, AClickGivesTheFocusAndTheFrameShowsAtOnce) {
    ASSERT_NE(real::focusWidget(), surface()) << "the text box comes first";
    EXPECT_EQ(outlineFaults(false), 0);
    real::click(label(), 4, 4);
    EXPECT_EQ(real::focusWidget(), surface());
    EXPECT_TRUE(link().hasFocus());
    EXPECT_EQ(outlineFaults(true), 0) << "the frame of a click's focus, not only of a key's";
    text->setFocus();
    EXPECT_FALSE(link().hasFocus());
    EXPECT_EQ(outlineFaults(false), 0) << "the frame goes with the focus";
}

TEST_F(RealLink, OnlyTheLeftButtonClicksAndOpensTheLink) {
    struct {
        int button;
        bool twice;
        std::size_t opened, clicks, doubleClicks, downs;
    } cases[] = {
        {1, false, 1, 1, 0, 1}, {2, false, 0, 0, 0, 1}, {4, false, 0, 0, 0, 1},
        {1, true, 1, 1, 1, 1},  {2, true, 0, 0, 0, 2},  {4, true, 0, 0, 0, 2},
    };
    for (auto& c : cases) {
        answers.clear();
        sink.heard.clear();
        if (c.twice)
            real::doubleClick(label(), 4, 4, c.button);
        else
            real::click(label(), 4, 4, c.button);
        const std::string what = std::to_string(c.button) + (c.twice ? " twice" : " once");
        EXPECT_EQ(answers.asked("shell").size(), c.opened) << what;
        EXPECT_EQ(sink.count(eventid::Click), c.clicks) << what;
        EXPECT_EQ(sink.count(eventid::DblClick), c.doubleClicks) << what;
        EXPECT_EQ(sink.count(eventid::MouseDown), c.downs) << "any button presses: " << what;
        EXPECT_EQ(sink.count(eventid::MouseUp), c.twice ? 2u : 1u) << what;
    }
}

// The one rounding of both controls (twips to pixels, blends to channels).
TEST(Module, RoundsHalvesToEvenAndKeepsWhatIsNoNumberInRange) {
    struct Case {
        double value;
        std::int32_t rounded;
    };
    const Case cases[] = {
        {0.5, 0},          {1.5, 2},           {2.5, 2},          {-0.5, 0},          {-1.5, -2},
        {254.4999, 254},   {std::nan(""), 0},  {INFINITY, INT32_MAX}, {-INFINITY, INT32_MIN},
        {1e300, INT32_MAX}, {2147483647.4, INT32_MAX}, {-2147483648.6, INT32_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(roundEven(c.value), c.rounded) << c.value;
}

TEST(Server, ExportsAnswerForTheirClassOnly) {
    void* out = nullptr;
    EXPECT_EQ(getClassObject(&IID__zorbLink, &IID_IClassFactory, &out), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(getClassObject(&CLSID_zorbLink, &IID_IDispatch, &out), E_NOINTERFACE);
    EXPECT_EQ(getClassObject(nullptr, &IID_IClassFactory, &out), E_INVALIDARG);
    ASSERT_EQ(getClassObject(&CLSID_zorbLink, &IID_IClassFactory, &out), S_OK);
    auto* f = static_cast<IClassFactory*>(out);
    void* o = nullptr;
    struct Outer final : IUnknown {
        HRESULT QueryInterface(const Guid&, void**) override { return E_NOINTERFACE; }
        std::uint32_t AddRef() override { return 1; }
        std::uint32_t Release() override { return 1; }
    } outer;
    EXPECT_EQ(f->CreateInstance(&outer, IID_IUnknown, &o), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(canUnloadNow(), S_FALSE) << "the factory is alive";
    f->LockServer(true);
    f->Release();
    EXPECT_EQ(canUnloadNow(), S_FALSE) << "locked";
    ASSERT_EQ(getClassObject(&CLSID_zorbLink, &IID_IClassFactory, &out), S_OK);
    static_cast<IClassFactory*>(out)->LockServer(false);
    static_cast<IClassFactory*>(out)->Release();
    EXPECT_EQ(canUnloadNow(), S_OK);
}

TEST(TypeLibrary, TablesMatchTheLibrary) {
    const auto& i = zorbLinkInterface();
    ASSERT_EQ(i.members.size(), 30u);
    EXPECT_EQ(i.members.front().name, "Start");
    EXPECT_EQ(i.members[1].id, -552);
    EXPECT_EQ(i.members.back().name, "FocusFrame");
    EXPECT_EQ(i.members.back().kind, MemberKind::PropertyPut);
    // Property ids count down from 0x6803000D in member order.
    DispId want = 0x6803000D;
    for (std::size_t m = 2; m < i.members.size(); m += 2) {
        EXPECT_EQ(i.members[m].id, want) << i.members[m].name;
        EXPECT_EQ(i.members[m + 1].id, want);
        EXPECT_EQ(i.members[m].help, i.members[m + 1].help);
        --want;
    }
    EXPECT_EQ(i.typeFlags, 0x11D0);
    const auto& e = zorbLinkEvents();
    ASSERT_EQ(e.members.size(), 7u);
    for (std::size_t m = 0; m < 7; ++m) EXPECT_EQ(e.members[m].id, static_cast<DispId>(m + 1));
    EXPECT_EQ(e.typeFlags, 0x1090);
    EXPECT_EQ(typeLibrary().enums[0].items.size(), 18u);
    EXPECT_EQ(typeLibrary().enums[0].items.back().value, 99);
    EXPECT_EQ(typeLibrary().order,
              (std::vector<std::string>{"_zorbLink", "zorbLink", "__zorbLink", "MausZeiger", "FocusRahmen"}));
}

}  // namespace
