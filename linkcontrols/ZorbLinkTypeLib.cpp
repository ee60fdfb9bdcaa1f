#include "linkcontrols/ZorbLinkTypeLib.h"

#include "text/CodePage.h"

namespace linkcontrols {

using namespace com;

const Guid LIBID_zorbLinkControl = guid("{F9F5B250-E80B-11D4-95D4-E305F180C055}");
const Guid IID__zorbLink = guid("{F9F5B244-E80B-11D4-95D4-E305F180C055}");
const Guid CLSID_zorbLink = guid("{F9F5B245-E80B-11D4-95D4-E305F180C055}");
const Guid GUID_MausZeiger = guid("{F9F5B246-E80B-11D4-95D4-E305F180C055}");
const Guid GUID_FocusRahmen = guid("{F9F5B247-E80B-11D4-95D4-E305F180C055}");
const Guid IID___zorbLink = guid("{F9F5B248-E80B-11D4-95D4-E305F180C055}");

namespace {

// A property's get and put (or put-by-reference), with one help string.
void property(std::vector<MemberInfo>& m, const char* name, DispId id, const char* type, bool byRef,
              const char* help) {
    std::string h = help ? text::ansi(help) : std::string();
    m.push_back({name, MemberKind::PropertyGet, id, {}, h});
    m.push_back({name, byRef ? MemberKind::PropertyPutRef : MemberKind::PropertyPut, id,
                 {{std::string("New_") + name, type, false}}, h});
}

InterfaceInfo makeInterface() {
    InterfaceInfo i;
    i.name = "_zorbLink";
    i.iid = IID__zorbLink;
    i.typeFlags = 0x11D0;
    auto& m = i.members;
    m.push_back({"Start", MemberKind::Method, dispid::Start, {{"URL", "String", true}}, {}});
    m.push_back({"ShowAbout", MemberKind::Method, dispid::ShowAbout, {}, {}});
    property(m, "BackColor", dispid::BackColor, "OLE_COLOR", false,
             "Gibt die Hintergrundfarbe zurück, die verwendet wird, um Text und Grafik in einem Objekt anzuzeigen, "
             "oder legt diese fest.");
    property(m, "Enabled", dispid::Enabled, "Boolean", false,
             "Gibt einen Wert zurück, der bestimmt, ob ein Objekt auf vom Benutzer erzeugte Ereignisse reagieren "
             "kann, oder legt diesen fest.");
    property(m, "ToolTipText", dispid::ToolTipText, "String", false,
             "Gibt den Text zurück, der angezeigt wird, wenn die Maus über dem Steuerelement verweilt, oder legt den "
             "Text fest.");
    property(m, "Href", dispid::Href, "String", false, nullptr);
    property(m, "Caption", dispid::Caption, "String", false,
             "Gibt den Text zurück, der in der Titelleiste eines Objekts oder unter dem Symbol eines Objekts "
             "angezeigt wird, oder legt diesen fest.");
    property(m, "ColorHover", dispid::ColorHover, "OLE_COLOR", false, nullptr);
    property(m, "ColorNormal", dispid::ColorNormal, "OLE_COLOR", false, nullptr);
    property(m, "ColorActive", dispid::ColorActive, "OLE_COLOR", false, nullptr);
    property(m, "FontNormal", dispid::FontNormal, "Font", true, nullptr);
    property(m, "FontHover", dispid::FontHover, "Font", true, nullptr);
    property(m, "FontActive", dispid::FontActive, "Font", true, nullptr);
    property(m, "MousePointer", dispid::MousePointer, "MausZeiger", false,
             "Gibt den Typ des Mauszeigers zurück, der angezeigt wird, wenn dieser sich über einem Teil eines "
             "Objekts befindet, oder legt diesen fest.");
    property(m, "MouseIcon", dispid::MouseIcon, "Picture", true, "Legt ein benutzerdefiniertes Maussymbol fest.");
    property(m, "FocusFrame", dispid::FocusFrame, "FocusRahmen", false, nullptr);
    return i;
}

InterfaceInfo makeEvents() {
    InterfaceInfo i;
    i.name = "__zorbLink";
    i.iid = IID___zorbLink;
    i.typeFlags = 0x1090;
    std::vector<ParamInfo> mouse = {
        {"Button", "Integer", true}, {"Shift", "Integer", true}, {"X", "Single", true}, {"Y", "Single", true}};
    auto& m = i.members;
    m.push_back({"Click", MemberKind::Method, eventid::Click, {}, {}});
    m.push_back({"DblClick", MemberKind::Method, eventid::DblClick, {}, {}});
    m.push_back({"MouseDown", MemberKind::Method, eventid::MouseDown, mouse,
                 text::ansi("Tritt auf, wenn der Benutzer die Maustaste drückt, während ein Objekt den Fokus besitzt.")});
    m.push_back({"MouseMove", MemberKind::Method, eventid::MouseMove, mouse,
                 text::ansi("Tritt auf, wenn der Benutzer die Maus bewegt.")});
    m.push_back({"MouseUp", MemberKind::Method, eventid::MouseUp, mouse,
                 text::ansi("Tritt auf, wenn der Benutzer die Maustaste losläßt, während ein Objekt den Fokus "
                            "besitzt.")});
    m.push_back({"MouseOver", MemberKind::Method, eventid::MouseOver, {}, {}});
    m.push_back({"MouseOut", MemberKind::Method, eventid::MouseOut, {}, {}});
    return i;
}

EnumInfo makeMausZeiger() {
    EnumInfo e{"MausZeiger", GUID_MausZeiger, {}};
    const char* names[] = {"Voreinstellung", "Pfeil", "Kreuz", "Textcursor", "Symbol", "Größenänderung",
                           "Größenänderung NO SW", "Größenänderung N S", "Größenänderung NW SO",
                           "Größenänderung O W", "Aufwärtspfeil", "Sanduhr", "Nicht ablegen", "Pfeil und Sanduhr",
                           "Pfeil und Fragezeichen", "Verschieben", "Hand (Microsoft Internet Explorer)"};
    for (int v = 0; v <= 16; ++v) e.items.push_back({text::ansi(names[v]), v});
    e.items.push_back({"Benutzerdefiniert", 99});
    return e;
}

TypeLibraryInfo makeLibrary() {
    TypeLibraryInfo t;
    t.name = "zorbLinkControl";
    t.help = "zorbLinkControl";
    t.libid = LIBID_zorbLinkControl;
    t.major = 1;
    t.minor = 0;
    t.lcid = 0x0409;
    t.libFlags = 2;  // a control library
    t.interfaces = {makeInterface(), makeEvents()};
    t.classes = {{"zorbLink", CLSID_zorbLink, TYPEFLAG_FCONTROL, IID__zorbLink, IID___zorbLink}};
    t.enums = {makeMausZeiger(), EnumInfo{"FocusRahmen", GUID_FocusRahmen, {{"Kein", 0}, {"Standard", 1}}}};
    t.order = {"_zorbLink", "zorbLink", "__zorbLink", "MausZeiger", "FocusRahmen"};
    return t;
}

}  // namespace

const TypeLibraryInfo& typeLibrary() {
    static const TypeLibraryInfo t = makeLibrary();
    return t;
}
const InterfaceInfo& zorbLinkInterface() { return typeLibrary().interfaces[0]; }
const InterfaceInfo& zorbLinkEvents() { return typeLibrary().interfaces[1]; }

}  // namespace linkcontrols
