#pragma once
// Stock pictures the platform draws for toolbars, buttons and list views, so
// a program needs no picture files for its command glyphs.
namespace forms {

enum class Glyph {
    Blank,
    Ok,
    Cancel,
    NewSite,
    OpenSite,
    AddDocument,
    Save,
    Close,
    Cut,
    Copy,
    Paste,
    Publish,
    Preview,
    Cascade,
    TileHorizontal,
    TileVertical,
    Edit,
    Delete,
    Link,
    Insert,
    OpenExternal,
    Folder,
    Back,
    Page,
    Picture,
    Archive,
    Movie,
    JavaClass,
    Document,
    Sound,
    Settings,
    Logo,
};

}  // namespace forms
