#pragma once
// What the main window and the document windows need of the editor frame
// (THTMLEdit) that each document window holds. The main window's menu and
// toolbar commands act on the frame of the active document window through
// this interface and do nothing else; they do nothing while no frame exists.
// Texts are Windows-1250 bytes; paths are the editor's backslash names.
#include <functional>
#include <string>

#include "pageeditor/core/PageFrame.h"

namespace forms {
class Form;
}

namespace pageeditor {

// The page itself (load, save, the unsaved-changes state and the modified
// flag) is the document windows' part of the frame (PageFrame).
class IEditorFrame : public PageFrame {
public:

    // Edit commands of the main window.
    virtual void MenuUndo() = 0;       // "&Cofnij"
    virtual void CutSelection() = 0;   // "&Wytnij"
    virtual void btnCopyClick() = 0;   // "&Kopiuj"
    virtual void btnPasteClick() = 0;  // "W&klej"
    virtual void btnFindClick() = 0;   // "&Szukaj"

    // The Wstaw and Element menus.
    virtual void btnImageClick() = 0;       // picture
    virtual void SpeedButton3Click() = 0;   // picture as background: the page body dialog
    virtual void SpeedButton9Click() = 0;   // scrolling text
    virtual void SpeedButton7Click() = 0;   // Flash movie
    virtual void SpeedButton10Click() = 0;  // video
    virtual void SpeedButton8Click() = 0;   // background sound
    virtual void SpeedButton11Click() = 0;  // table
    virtual void btnUser4Click() = 0;       // floating layer
    virtual void DHTMLondblclick() = 0;     // properties of the selected element
    virtual void SpeedButton1Click() = 0;   // link

    // The frame's own toolbar buttons btnCut, btnCopy and btnPaste, kept up
    // to date by the frame; the main window's edit commands follow them.
    virtual bool cutEnabled() const = 0;
    virtual bool copyEnabled() const = 0;
    virtual bool pasteEnabled() const = 0;

    // Insertion at the caret, and the dialogs the site and library lists
    // open with a file already chosen.
    virtual void InsertHTML(const std::string& html) = 0;
    virtual void EditLink(const std::string& path) = 0;
    virtual void EditImage(const std::string& path) = 0;
    virtual void EditFlash(const std::string& path) = 0;

    // True while the mouse pointer is over the editing area.
    virtual bool MouseOverEditor() const = 0;
};

// Makes the frame HTMLEdit1 on a document window while the window builds its
// controls (the frame belongs to the window and goes with it). Until a
// factory is installed, document windows hold no frame.
using EditorFrameFactory = std::function<IEditorFrame*(forms::Form& documentWindow)>;
void setEditorFrameFactory(EditorFrameFactory factory);
const EditorFrameFactory& editorFrameFactory();

}  // namespace pageeditor
