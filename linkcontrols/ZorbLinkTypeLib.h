#pragma once
// The library's type information: the control's automation interface, its
// event interface, the control class and the two enumerations, with their
// identifiers and dispatch ids.
#include "com/Dispatch.h"
#include "com/Guid.h"
#include "com/TypeInfo.h"

namespace linkcontrols {

extern const com::Guid LIBID_zorbLinkControl;
extern const com::Guid IID__zorbLink;   // default interface
extern const com::Guid CLSID_zorbLink;  // the control class
extern const com::Guid GUID_MausZeiger;
extern const com::Guid GUID_FocusRahmen;
extern const com::Guid IID___zorbLink;  // event interface

constexpr const char* kProgId = "zorbLinkControl.zorbLink";
constexpr const char* kShadingProgId = "zorbLinkControl.zorbShading";  // private, never registered
constexpr int kToolboxBitmap = 30000;
constexpr unsigned kMiscStatus = 131473;

namespace dispid {
constexpr com::DispId Start = 0x6003000E;
constexpr com::DispId ShowAbout = com::DISPID_ABOUTBOX;
constexpr com::DispId BackColor = 0x6803000D;
constexpr com::DispId Enabled = 0x6803000C;
constexpr com::DispId ToolTipText = 0x6803000B;
constexpr com::DispId Href = 0x6803000A;
constexpr com::DispId Caption = 0x68030009;
constexpr com::DispId ColorHover = 0x68030008;
constexpr com::DispId ColorNormal = 0x68030007;
constexpr com::DispId ColorActive = 0x68030006;
constexpr com::DispId FontNormal = 0x68030005;
constexpr com::DispId FontHover = 0x68030004;
constexpr com::DispId FontActive = 0x68030003;
constexpr com::DispId MousePointer = 0x68030002;
constexpr com::DispId MouseIcon = 0x68030001;
constexpr com::DispId FocusFrame = 0x68030000;
}  // namespace dispid

namespace eventid {
constexpr com::DispId Click = 1;
constexpr com::DispId DblClick = 2;
constexpr com::DispId MouseDown = 3;
constexpr com::DispId MouseMove = 4;
constexpr com::DispId MouseUp = 5;
constexpr com::DispId MouseOver = 6;
constexpr com::DispId MouseOut = 7;
}  // namespace eventid

const com::TypeLibraryInfo& typeLibrary();
const com::InterfaceInfo& zorbLinkInterface();
const com::InterfaceInfo& zorbLinkEvents();

}  // namespace linkcontrols
