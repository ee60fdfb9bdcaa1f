#pragma once
// The editor frame HTMLEdit1 of a document window: the toolbar over the
// editing control DHTML, the three paths by which commands reach the control
// and its document, the toolbar refresh from the selection, and new, open
// and save. The frame's components are created in a fixed order: the
// frame's language pack addresses them by their index in components().
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/Panel.h"
#include "htmledit/CommandTarget.h"
#include "htmledit/Document.h"
#include "htmledit/Element.h"
#include "htmledit/Value.h"
#include "pageeditor/IEditorFrame.h"
#include "pageeditor/frame/DhtmlControl.h"

namespace forms {
class ComboBox;
class ImageList;
class MenuItem;
class PopupMenu;
class Shape;
class SpeedButton;
}  // namespace forms

namespace pageeditor {

class ColorDialog;
class OpenDialog;

class THTMLEdit : public forms::Panel, public IEditorFrame {
public:
    // Makes the component DHTML in the container and the control behind it.
    using ControlMaker =
        std::function<std::unique_ptr<DhtmlControl>(forms::Form&, forms::Control* container, forms::Control*& component)>;

    // Makes the frame on `window` and then its components, so that the
    // frame comes before them in the window's own list. The control is the
    // browser engine's, or the one `maker` makes.
    static THTMLEdit* create(forms::Form& window, std::string name = "HTMLEdit1", ControlMaker maker = {});
    // Use create(); a frame made only with the constructor has no components.
    THTMLEdit(forms::Form& window, std::string name);
    ~THTMLEdit() override;

    // The frame's components in creation order.
    const std::vector<forms::Component*>& components() const { return components_; }

    // State.
    bool DocumentReady = false;
    std::vector<std::string> BlockFormats;
    bool modified = false;
    bool MouseOver = false;  // the pointer is over the editing area (read as MouseOverEditor())
    bool SizeMarkerRead = false;

    // Own operations, in slot order.
    virtual void SetBold(bool down);
    virtual void SetBullets(bool down);
    virtual void SetFontName(const std::string& name);
    virtual void SetFontSize(int size);
    virtual void SetBlockFormat(const std::string& format);
    virtual void SetItalic(bool down);
    virtual void SetJustify(int justify);
    virtual void SetForeColor(std::uint32_t color);
    virtual void SetNumbered(bool down);
    virtual void SetUnderline(bool down);
    virtual void SetStrike(bool on);

    // Operations other parts call.
    void CopySelection();
    void CutSelection() override;
    void PasteClipboard();
    void MenuUndo() override;
    void MenuRedo();
    void NewDocument();
    htmledit::Document GetDocument();
    bool GetCommandTarget();
    htmledit::Value GetCommandValue(const std::string& name);
    void SetCommandValue(const std::string& name, const htmledit::Value& value);
    void ExecControlCommand(int command, int option = 0, const htmledit::Value& input = {});
    int QueryControlCommand(int command);
    int ExecOleCommand(int command, htmledit::CommandGroup group, bool ask, const htmledit::Value& input = {},
                       htmledit::Value* output = nullptr);
    int QueryOleCommand(int command, htmledit::CommandGroup group);
    void UpdateToolbar();
    bool CanCopy();
    bool CanCut();
    bool CanPaste();
    bool GetBold();
    bool GetItalic();
    bool GetUnderline();
    bool GetNumbered();
    bool GetBullets();
    void GetOleCommandState(int command, bool& enabled, bool& latched);
    int GetJustify();
    std::string GetFontName();
    int GetFontSize();
    std::string GetBlockFormat();
    void LoadBlockFormats();
    void Outdent();
    void Indent();
    void InsertHorizontalLine();
    void FindText();

    // Toolbar handlers.
    void btnUndoClick();
    void btnRedoClick();
    void btnCutClick();
    void btnCopyClick() override;
    void btnPasteClick() override;
    void btnBoldClick();
    void btnItalicClick();
    void btnUnderlineClick();
    void btnNumListClick();
    void btnBulletClick();
    void btnDecreaseIndentClick();
    void btnIncreaseIndentClick();
    void btnAlignLeftClick();
    void btnCenterClick();
    void btnAlignRightClick();
    void btnColorClick();
    void btnHRClick();
    void btnFindClick() override;
    void cbFontNameChange();
    void cbFontSizeChange();
    void cbFontStyleChange();
    void btnNewClick();
    void btnOpenClick();

    // Handlers of the control's events.
    void DHTMLDocumentComplete();
    void DHTMLonclick();
    void DHTMLonkeyup();
    void DHTMLonkeydown();
    void DHTMLonmouseover();
    void DHTMLonmouseout();
    void DHTMLDisplayChanged();

    // The page of the document window; names are the editor's (Windows-1250,
    // backslashes). Loading completes later with DocumentComplete. Saving
    // with an empty name lets the control ask for the file. False when the
    // control failed or nothing was chosen.
    bool LoadDocument(const std::string& page) override;
    bool SaveDocument(const std::string& page) override;
    std::string saveFailure() const override { return saveFailure_; }
    bool changed() const override;
    void clearModified() override { modified = false; }
    bool cutEnabled() const override;
    bool copyEnabled() const override;
    bool pasteEnabled() const override;
    void InsertHTML(const std::string& html) override;
    bool MouseOverEditor() const override { return MouseOver; }
    // The element commands.
    void btnImageClick() override;
    void SpeedButton8Click() override;  // background sound
    void SpeedButton11Click() override;
    void btnUser4Click() override;
    // Opens the dialog of the selected element (img, marquee, table,
    // object, embed, iframe); anything else does nothing.
    void DHTMLondblclick() override;
    // An empty path opens the picture dialog without a file.
    void EditImage(const std::string& path) override;
    void EditTable();
    // The link, media and page body dialogs (ElementDialogs.cpp).
    void SpeedButton1Click() override;   // link
    void EditLink(const std::string& FileName) override;
    void SpeedButton7Click() override;   // Flash movie
    void EditFlash(const std::string& FileName) override;
    void SpeedButton9Click() override;   // scrolling text
    void SpeedButton10Click() override;  // video
    void SpeedButton12Click();           // inline frame
    void SpeedButton3Click() override;   // page body

    // Selection, inline markup and the element of the selection
    // (FrameSelection.cpp). The element of the selection: the parent element
    // of a text range or caret, the selected element itself when whole
    // elements are selected; an empty handle when there is no document or
    // the range gives none.
    htmledit::Element GetSelectedElement();
    void SpeedButton4Click();  // strike
    void SpeedButton5Click();  // superscript
    void SpeedButton6Click();  // subscript
    void btnUser2Click();      // the special characters at the pointer
    void DHTMLShowContextMenu();
    void PopupMenu1Popup();
    void Kolor1Click();
    void Dogry1Click();
    void rodek1Click();
    void d1Click();

    // Whole-document rewrites (FrameRewrites.cpp). Each takes the
    // document's text, changes it and sets it back, which reloads the
    // document; the base address is kept.
    void btnUser1Click();  // page title
    void SetTitle(const std::string& title);
    void SpeedButton2Click();  // keywords and description
    void ComboBox1Change();    // page size
    void SetSizeMarker(const std::string& marker);

    DhtmlControl& control() { return *control_; }

    // What the frame asks of its surroundings; the defaults reach the main
    // window and the screen. Tests replace them.
    // Gives the document window the client size of the page-size marker.
    std::function<void(int width, int height)> sizeWindow;
    // The pointer in screen pixels, and moving it.
    std::function<void(int& x, int& y)> readPointer;
    std::function<void(int x, int y)> movePointer;

    // Components, in creation order.
    forms::Panel* pnlControl = nullptr;
    forms::Shape* Bevel1 = nullptr;
    forms::SpeedButton *btnNew = nullptr, *btnOpen = nullptr, *btnSave = nullptr, *btnCut = nullptr,
                       *btnCopy = nullptr, *btnPaste = nullptr, *btnUndo = nullptr, *btnRedo = nullptr,
                       *btnFind = nullptr, *btnUnderline = nullptr, *btnItalic = nullptr, *btnBold = nullptr,
                       *btnColor = nullptr, *btnNumList = nullptr, *btnBullet = nullptr,
                       *btnDecreaseIndent = nullptr, *btnIncreaseIndent = nullptr, *btnAlignLeft = nullptr,
                       *btnCenter = nullptr, *btnAlignRight = nullptr, *btnHR = nullptr, *btnImage = nullptr,
                       *btnUser1 = nullptr, *btnUser2 = nullptr, *btnUser3 = nullptr, *btnUser4 = nullptr,
                       *SpeedButton1 = nullptr, *SpeedButton2 = nullptr, *SpeedButton3 = nullptr,
                       *SpeedButton4 = nullptr, *SpeedButton5 = nullptr, *SpeedButton6 = nullptr,
                       *SpeedButton7 = nullptr, *SpeedButton8 = nullptr, *SpeedButton9 = nullptr,
                       *SpeedButton10 = nullptr, *SpeedButton11 = nullptr, *SpeedButton12 = nullptr;
    forms::ComboBox *cbFontName = nullptr, *cbFontSize = nullptr, *cbFontStyle = nullptr, *ComboBox1 = nullptr;
    forms::Control* DHTML = nullptr;
    ColorDialog* cdColor = nullptr;
    OpenDialog *odOpen = nullptr, *odPicture = nullptr;
    forms::PopupMenu* PopupMenu1 = nullptr;
    forms::MenuItem *W1 = nullptr, *Wa1 = nullptr, *N3 = nullptr, *Komrka1 = nullptr, *Kolor1 = nullptr,
                    *Wyrwnaniewpionie1 = nullptr, *Dogry1 = nullptr, *rodek1 = nullptr, *d1 = nullptr, *N1 = nullptr,
                    *Wstaw1 = nullptr, *Obrazek1 = nullptr, *AnimacjFLASH1 = nullptr, *Film1 = nullptr,
                    *Linipoziom1 = nullptr, *Animowanytekst1 = nullptr, *abelk1 = nullptr, *RamkIFRAME1 = nullptr,
                    *Pywajcwarst1 = nullptr, *Ustawieniastrony1 = nullptr, *oikolory1 = nullptr,
                    *Sowakluczowe1 = nullptr, *ytustrony1 = nullptr, *N2 = nullptr, *Kopiouj1 = nullptr,
                    *Wytnij1 = nullptr, *Wklej1 = nullptr;
    forms::PopupMenu* PopupMenu2 = nullptr;
    forms::MenuItem *N4 = nullptr, *Znaktowr1 = nullptr, *N5 = nullptr, *N6 = nullptr, *N7 = nullptr, *N8 = nullptr,
                    *N9 = nullptr, *N10 = nullptr, *N11 = nullptr, *N12 = nullptr, *N13 = nullptr, *N14 = nullptr,
                    *N15 = nullptr, *N16 = nullptr, *N17 = nullptr, *N19 = nullptr, *N18 = nullptr, *N20 = nullptr,
                    *N21 = nullptr, *N22 = nullptr, *N23 = nullptr;

private:
    template <class T, class... A>
    T* make(std::string name, A&&... args);
    forms::SpeedButton* button(std::string name, int left, int top, int width, const std::string& caption,
                               const std::string& hint, std::function<void()> click);
    void createComponents(const ControlMaker& maker);
    void createMenus();
    // Binds the buttons, menu items and events of the selection and rewrite commands.
    void wireSelectionCommands();
    // Sets the text back as the document, with the base address it had.
    void rewriteDocument(const std::string& html, const std::string& baseURL);
    void loadGlyphs();
    void readSizeMarker();
    // Runs a handler of the toolbar or of the control; a failure ends the
    // handler, and nothing is shown.
    void guarded(const std::function<void()>& f);

    std::vector<forms::Component*> components_;
    std::unique_ptr<DhtmlControl> control_;
    std::string saveFailure_;  // why the last SaveDocument failed
    // Pictures of the buttons without a caption (not one of the components).
    std::unique_ptr<forms::ImageList> glyphs_;
    bool refreshing_ = false;
};

}  // namespace pageeditor
