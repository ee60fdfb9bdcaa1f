#include "pageeditor/frame/THTMLEdit.h"

#include <charconv>

#include "files/FileSystem.h"
#include "forms/Application.h"
#include "forms/ComboBox.h"
#include "forms/ImageList.h"
#include "forms/MenuItem.h"
#include "forms/PopupMenu.h"
#include "forms/Shape.h"
#include "forms/SpeedButton.h"
#include "htmledit/EditControl.h"
#include "htmledit/EditHost.h"
#include "htmledit/Error.h"
#include "pageeditor/dialogs/DialogForms.h"
#include "pageeditor/dialogs/Tinsertimg.h"
#include "pageeditor/dialogs/Tinstbl.h"
#include "pageeditor/frame/ColorDialog.h"
#include "pageeditor/frame/EngineDhtml.h"
#include "pageeditor/frame/HtmlColor.h"
#include "pageeditor/frame/IFrameHost.h"
#include "pageeditor/frame/ImageEditing.h"
#include "pageeditor/frame/OpenDialog.h"
#include "pageeditor/frame/TableEditing.h"
#include "text/CaseRules.h"
#include "text/CodePage.h"
#include "text/Paths.h"

namespace pageeditor {

using namespace text::literals;
using htmledit::CommandGroup;
using htmledit::Value;
namespace cmd = htmledit::cmd;
namespace ctl = htmledit::ctl;

namespace {

// The page-size markers and the client sizes of their windows.
struct SizeMarker {
    const char* marker;
    int width, height;
};
constexpr SizeMarker kSizeMarkers[] = {
    {"<!--SIZE:0-->", 800, 660},
    {"<!--SIZE:1-->", 1024, 828},
    {"<!--SIZE:2-->", 1280, 1084},
};

// The toolbar's geometry.
constexpr int kButton = 23;
constexpr int kRow1 = 4, kRow2 = 32, kRow3 = 60, kRow4 = 88;

// An editor name as the control's file name (Windows-1250, slashes).
std::string controlPath(const std::string& page) {
    std::string out;
    if (!text::fromPath(files::realPath(page), out)) out = page;
    return out;
}

}  // namespace

// ---------------------------------------------------------------------------
// Creation.

THTMLEdit::THTMLEdit(forms::Form& window, std::string name) : forms::Panel(window, std::move(name)) {
    setBevel(forms::Panel::Bevel::None);
    resize(800, 600);
    setAlign(forms::Align::Client);
    // The frame's own surface, outside the toolbar and the control.
    onClick = [this] { guarded([this] { btnCopyClick(); }); };
    sizeWindow = [this](int w, int h) {
        forms::Form& window = form();
        if (IFrameHost* host = frameHost(); host && host->sizeDocumentWindow(window, w, h)) return;
        window.setClientSize(w, h);
    };
    readPointer = [](int& x, int& y) { htmledit::pointerPosition(x, y); };
    movePointer = [](int x, int y) { htmledit::setPointerPosition(x, y); };
}

THTMLEdit* THTMLEdit::create(forms::Form& window, std::string name, ControlMaker maker) {
    auto* frame = window.add<THTMLEdit>(std::move(name));
    frame->createComponents(maker ? maker : ControlMaker(&EngineDhtml::create));
    return frame;
}

// The window destroys its components from the back: the control (and its
// events) is gone before the frame.
THTMLEdit::~THTMLEdit() = default;

template <class T, class... A>
T* THTMLEdit::make(std::string name, A&&... args) {
    T* c = form().add<T>(std::move(name), std::forward<A>(args)...);
    components_.push_back(c);
    return c;
}

forms::SpeedButton* THTMLEdit::button(std::string name, int left, int top, int width, const std::string& caption,
                                      const std::string& hint, std::function<void()> click) {
    auto* b = make<forms::SpeedButton>(std::move(name), pnlControl);
    b->move(left, top, width, kButton);
    b->setFlat(true);
    if (!caption.empty()) b->setCaption(caption);
    if (!hint.empty()) b->setHint(hint);
    if (click) b->onClick = [this, click] { guarded(click); };
    return b;
}

void THTMLEdit::createComponents(const ControlMaker& maker) {
    using forms::ComboBox;
    using forms::SpeedButton;

    pnlControl = make<forms::Panel>("pnlControl", this);
    pnlControl->setAlign(forms::Align::Top);
    pnlControl->resize(800, 116);
    pnlControl->setBevel(forms::Panel::Bevel::None);
    Bevel1 = make<forms::Shape>("Bevel1", pnlControl);
    Bevel1->move(0, 114, 2000, 2);
    Bevel1->setBorderColor(forms::color::ButtonShadow);

    // File and clipboard buttons, hidden: the main window has these commands.
    btnNew = button("btnNew", 0, kRow1, kButton, "", "New", [this] { btnNewClick(); });
    btnOpen = button("btnOpen", 0, kRow1, kButton, "", "Open", [this] { btnOpenClick(); });
    btnSave = button("btnSave", 0, kRow1, kButton, "", "Save", {});
    btnCut = button("btnCut", 0, kRow1, kButton, "", "Wytnij", [this] { btnCutClick(); });
    btnCopy = button("btnCopy", 0, kRow1, kButton, "", "Kopiuj", [this] { btnCopyClick(); });
    btnPaste = button("btnPaste", 0, kRow1, kButton, "", "Wklej", [this] { btnPasteClick(); });
    for (SpeedButton* b : {btnNew, btnOpen, btnSave, btnCut, btnCopy, btnPaste}) b->setVisible(false);

    // Row 2: formatting of the selection.
    int x = 4;
    auto next = [&x](int width = kButton) {
        int at = x;
        x += width + 1;
        return at;
    };
    btnUndo = button("btnUndo", 0, kRow2, kButton, "", "", [this] { btnUndoClick(); });
    btnRedo = button("btnRedo", 0, kRow2, kButton, "", "", [this] { btnRedoClick(); });
    btnFind = button("btnFind", 0, kRow2, kButton, "", "Szukaj", [this] { btnFindClick(); });
    btnUnderline = button("btnUnderline", 0, kRow2, kButton, "U", "Podkreślenie"_w, [this] { btnUnderlineClick(); });
    btnItalic = button("btnItalic", 0, kRow2, kButton, "I", "Kursywa", [this] { btnItalicClick(); });
    btnBold = button("btnBold", 0, kRow2, kButton, "B", "Pogrubienie", [this] { btnBoldClick(); });
    btnColor = button("btnColor", 0, kRow2, kButton, "", "Kolor tekstu", [this] { btnColorClick(); });
    btnNumList = button("btnNumList", 0, kRow2, kButton, "", "Lista numerowana", [this] { btnNumListClick(); });
    btnBullet = button("btnBullet", 0, kRow2, kButton, "", "Wypunktowanie", [this] { btnBulletClick(); });
    btnDecreaseIndent = button("btnDecreaseIndent", 0, kRow2, kButton, "", "Zmniejsz wcięcie"_w,
                               [this] { btnDecreaseIndentClick(); });
    btnIncreaseIndent = button("btnIncreaseIndent", 0, kRow2, kButton, "", "Zwiększ wcięcie"_w,
                               [this] { btnIncreaseIndentClick(); });
    btnAlignLeft = button("btnAlignLeft", 0, kRow2, kButton, "", "Justowanie do lewej", [this] { btnAlignLeftClick(); });
    btnCenter = button("btnCenter", 0, kRow2, kButton, "", "Justowanie - wyśrodkuj"_w, [this] { btnCenterClick(); });
    btnAlignRight =
        button("btnAlignRight", 0, kRow2, kButton, "", "Justowanie do prawej", [this] { btnAlignRightClick(); });
    // The letters of the three toggles show what they do.
    for (auto [b, style] : {std::pair{btnBold, 0}, std::pair{btnItalic, 1}, std::pair{btnUnderline, 2}}) {
        forms::Font font = b->font();
        font.bold = style == 0;
        font.italic = style == 1;
        font.underline = style == 2;
        b->setFont(font);
    }
    int group = 1;
    for (SpeedButton* b : {btnBold, btnItalic, btnUnderline, btnNumList, btnBullet}) {
        b->setGroupIndex(group++);
        b->setAllowAllUp(true);
    }
    for (SpeedButton* b : {btnAlignLeft, btnCenter, btnAlignRight}) b->setGroupIndex(6);

    // Row 3 and 4: insertion and the page.
    btnHR = button("btnHR", 0, kRow3, 60, "&Linia", "Linia pozioma", [this] { btnHRClick(); });
    btnImage = button("btnImage", 0, kRow3, 70, "Obrazek", "Obrazek", [this] { btnImageClick(); });
    btnUser1 = button("btnUser1", 0, kRow3, 60, "Tytuł"_w, "Zmień tytuł dokumentu"_w, {});
    btnUser2 = button("btnUser2", 0, kRow3, 70, "Symbole", "Znaki specjalne", {});
    btnUser3 = button("btnUser3", 0, kRow3, kButton, "", "Operacje na tabeli", {});
    btnUser3->setVisible(false);
    btnUser4 = button("btnUser4", 0, kRow3, 60, "Tekst", "Pole tekstowe", [this] { btnUser4Click(); });
    SpeedButton1 = button("SpeedButton1", 0, kRow3, 80, "Odnośnik"_w, "Odnośnik"_w, [this] { SpeedButton1Click(); });
    SpeedButton2 = button("SpeedButton2", 0, kRow3, 150, "Opis i słowa kluczowe"_w, "Zmień tytuł dokumentu"_w, {});
    SpeedButton3 = button("SpeedButton3", 0, kRow3, 100, "&Układ strony"_w, "", [this] { SpeedButton3Click(); });
    SpeedButton4 = button("SpeedButton4", 0, kRow2, kButton, "", "Przekreśl zaznaczony tekst"_w, {});
    SpeedButton5 = button("SpeedButton5", 0, kRow2, kButton, "", "Zaznaczenie - indeks górny (włącz/wyłącz)"_w, {});
    SpeedButton6 = button("SpeedButton6", 0, kRow2, kButton, "", "Zaznaczenie - indeks dolny (włącz/wyłącz)"_w, {});
    SpeedButton7 = button("SpeedButton7", 0, kRow4, 60, "Flash", "Animacja FLASH", [this] { SpeedButton7Click(); });
    SpeedButton8 = button("SpeedButton8", 0, kRow4, 70, "Dźwięk"_w, "Podkład dźwiękowy"_w, [this] { SpeedButton8Click(); });
    SpeedButton9 =
        button("SpeedButton9", 0, kRow4, 80, "Prz. tekst", "Wstaw przesuwający się tekst"_w, [this] { SpeedButton9Click(); });
    SpeedButton10 = button("SpeedButton10", 0, kRow4, 60, "Film", "Wstaw film", [this] { SpeedButton10Click(); });
    SpeedButton11 = button("SpeedButton11", 0, kRow4, 70, "Tabelka", "Tabelka", [this] { SpeedButton11Click(); });
    SpeedButton12 = button("SpeedButton12", 0, kRow4, 60, "Ramka", "Pływająca ramka (IFRAME)"_w, [this] { SpeedButton12Click(); });

    cbFontName = make<ComboBox>("cbFontName", pnlControl, ComboBox::Style::DropDownList, true);
    cbFontName->setToolTip("Font Name");
    cbFontSize = make<ComboBox>("cbFontSize", pnlControl, ComboBox::Style::DropDownList, true);
    cbFontSize->setToolTip("Font Size");
    for (const char* s : {"1", "2", "3", "4", "5", "6", "7"}) cbFontSize->addItem(s);
    cbFontStyle = make<ComboBox>("cbFontStyle", pnlControl, ComboBox::Style::DropDownList, false);
    cbFontStyle->setToolTip("Style");
    cbFontStyle->setVisible(false);
    ComboBox1 = make<ComboBox>("ComboBox1", pnlControl, ComboBox::Style::DropDownList, false);
    ComboBox1->setToolTip("Rozmiar strony");
    for (const char* s : {"800x600", "1024x768", "1280x1024"}) ComboBox1->addItem(s);
    // A pick list reports every selection, also one made by the refresh.
    cbFontName->onClick = [this] {
        if (!refreshing_) guarded([this] { cbFontNameChange(); });
    };
    cbFontSize->onClick = [this] {
        if (!refreshing_) guarded([this] { cbFontSizeChange(); });
    };
    cbFontStyle->onClick = [this] {
        if (!refreshing_) guarded([this] { cbFontStyleChange(); });
    };

    // The layout of the toolbar (free, as long as the creation order stays).
    x = 4;
    cbFontName->move(next(170), kRow1, 170, 22);
    cbFontSize->move(next(50), kRow1, 50, 22);
    ComboBox1->move(next(100), kRow1, 100, 22);
    cbFontStyle->move(next(120), kRow1, 120, 22);
    x = 4;
    for (SpeedButton* b : {btnUndo, btnRedo, btnFind, btnBold, btnItalic, btnUnderline, SpeedButton4, SpeedButton5,
                           SpeedButton6, btnColor, btnAlignLeft, btnCenter, btnAlignRight, btnNumList, btnBullet,
                           btnDecreaseIndent, btnIncreaseIndent})
        b->move(next(), kRow2, kButton, kButton);
    x = 4;
    for (SpeedButton* b : {btnHR, btnImage, btnUser1, btnUser2, btnUser4, SpeedButton1, SpeedButton2, SpeedButton3})
        b->move(next(b->width()), kRow3, b->width(), kButton);
    x = 4;
    for (SpeedButton* b : {SpeedButton7, SpeedButton8, SpeedButton9, SpeedButton10, SpeedButton11, SpeedButton12})
        b->move(next(b->width()), kRow4, b->width(), kButton);

    loadGlyphs();

    forms::Control* dhtml = nullptr;
    control_ = maker(form(), this, dhtml);
    DHTML = dhtml;
    components_.push_back(DHTML);
    DHTML->setAlign(forms::Align::Client);

    cdColor = make<ColorDialog>("cdColor");
    odOpen = make<OpenDialog>("odOpen", "Web pages|*.htm;*.html", true);
    odPicture = make<OpenDialog>("odPicture",
                                 "All image files|*.gif;*.png;*.jpg;*.jpe;*.jpeg|Gif files|*.gif|PNF files|*.png|"
                                 "JPeg files|*.jpe;*.jpg;*.jpeg");
    createMenus();
    wireSelectionCommands();

    // The screen fonts, sorted by the list.
    for (const std::string& f : htmledit::screenFonts()) cbFontName->addItem(f);
    // Nothing is chosen until the document tells.
    for (forms::ComboBox* box : {cbFontName, cbFontSize, cbFontStyle, ComboBox1}) box->setListIndex(-1);

    htmledit::Events& ev = control_->events();
    ev.documentComplete = [this] { DHTMLDocumentComplete(); };
    ev.displayChanged = [this] { DHTMLDisplayChanged(); };
    ev.onclick = [this] { guarded([this] { DHTMLonclick(); }); };
    ev.onkeyup = [this](int) { guarded([this] { DHTMLonkeyup(); }); };
    ev.onkeydown = [this](int) { guarded([this] { DHTMLonkeydown(); }); };
    ev.onmouseover = [this] { DHTMLonmouseover(); };
    ev.onmouseout = [this] { DHTMLonmouseout(); };
}

void THTMLEdit::loadGlyphs() {
    IFrameHost* host = frameHost();
    std::string folder = host ? files::realPath(host->appDir() + "data\\glyphs").string()
                              : forms::Application::programFolder() + "/data/glyphs";
    glyphs_ = std::make_unique<forms::ImageList>(form(), "FrameGlyphs");
    const std::pair<forms::SpeedButton*, const char*> pictures[] = {
        {btnUndo, "undo"},           {btnRedo, "redo"},          {btnFind, "find"},
        {btnColor, "color"},         {btnNumList, "numlist"},    {btnBullet, "bullet"},
        {btnDecreaseIndent, "outdent"}, {btnIncreaseIndent, "indent"}, {btnAlignLeft, "alignleft"},
        {btnCenter, "center"},       {btnAlignRight, "alignright"}, {SpeedButton4, "strike"},
        {SpeedButton5, "sup"},       {SpeedButton6, "sub"},
    };
    for (const auto& [b, name] : pictures) {
        int i = glyphs_->addFile(folder + "/" + name + ".xpm");
        if (i >= 0) b->setGlyph(*glyphs_, i);
    }
}

void THTMLEdit::createMenus() {
    using forms::MenuItem;
    // The context menu of the editing area and the special characters; what
    // their items do is built with the element commands.
    PopupMenu1 = make<forms::PopupMenu>("PopupMenu1");
    auto item = [this](std::string name, auto& parent, const std::string& caption) {
        auto* m = make<MenuItem>(std::move(name), parent);
        m->setCaption(caption);
        return m;
    };
    W1 = item("W1", *PopupMenu1, "Właściwości elementu"_w);
    W1->setDefault(true);
    Wa1 = item("Wa1", *PopupMenu1, "Odnośnik"_w);
    N3 = item("N3", *PopupMenu1, "-");
    Komrka1 = item("Komrka1", *PopupMenu1, "Komórka"_w);
    Kolor1 = item("Kolor1", *Komrka1, "Kolor tła"_w);
    Wyrwnaniewpionie1 = item("Wyrwnaniewpionie1", *Komrka1, "Wyrównanie w pionie"_w);
    Dogry1 = item("Dogry1", *Wyrwnaniewpionie1, "góra"_w);
    rodek1 = item("rodek1", *Wyrwnaniewpionie1, "środek"_w);
    d1 = item("d1", *Wyrwnaniewpionie1, "dół"_w);
    N1 = item("N1", *PopupMenu1, "-");
    Wstaw1 = item("Wstaw1", *PopupMenu1, "Wstaw");
    Obrazek1 = item("Obrazek1", *Wstaw1, "Obrazek");
    AnimacjFLASH1 = item("AnimacjFLASH1", *Wstaw1, "Animację FLASH"_w);
    Film1 = item("Film1", *Wstaw1, "Film");
    Linipoziom1 = item("Linipoziom1", *Wstaw1, "Linię poziomą"_w);
    Animowanytekst1 = item("Animowanytekst1", *Wstaw1, "Animowany tekst");
    abelk1 = item("abelk1", *Wstaw1, "Tabelkę"_w);
    RamkIFRAME1 = item("RamkIFRAME1", *Wstaw1, "Ramkę IFRAME"_w);
    Pywajcwarst1 = item("Pywajcwarst1", *Wstaw1, "Pływającą warstwę"_w);
    Obrazek1->onClick = [this] { btnImageClick(); };
    abelk1->onClick = [this] { SpeedButton11Click(); };
    Pywajcwarst1->onClick = [this] { btnUser4Click(); };
    Ustawieniastrony1 = item("Ustawieniastrony1", *PopupMenu1, "Ustawienia strony");
    oikolory1 = item("oikolory1", *Ustawieniastrony1, "Tło i kolory"_w);
    Sowakluczowe1 = item("Sowakluczowe1", *Ustawieniastrony1, "Słowa kluczowe i opis"_w);
    ytustrony1 = item("ytustrony1", *Ustawieniastrony1, "Tytuł strony"_w);
    N2 = item("N2", *PopupMenu1, "-");
    Kopiouj1 = item("Kopiouj1", *PopupMenu1, "Kopiuj");
    Kopiouj1->addShortcut('C', forms::shift::Ctrl);
    Wytnij1 = item("Wytnij1", *PopupMenu1, "Wytnij");
    Wytnij1->addShortcut('X', forms::shift::Ctrl);
    Wklej1 = item("Wklej1", *PopupMenu1, "Wklej");
    Wklej1->addShortcut('V', forms::shift::Ctrl);

    PopupMenu2 = make<forms::PopupMenu>("PopupMenu2");
    N4 = item("N4", *PopupMenu2, "&&");
    Znaktowr1 = item("Znaktowr1", *PopupMenu2, "©"_w);
    N5 = item("N5", *PopupMenu2, "§"_w);
    N6 = item("N6", *PopupMenu2, "€"_w);
    N7 = item("N7", *PopupMenu2, "™"_w);
    N8 = item("N8", *PopupMenu2, "‘"_w);
    N9 = item("N9", *PopupMenu2, "’"_w);
    N10 = item("N10", *PopupMenu2, "”"_w);
    N11 = item("N11", *PopupMenu2, "“"_w);
    N12 = item("N12", *PopupMenu2, "Ä"_w);
    N13 = item("N13", *PopupMenu2, "Ë"_w);
    N14 = item("N14", *PopupMenu2, "Ö"_w);
    N15 = item("N15", *PopupMenu2, "Ü"_w);
    N16 = item("N16", *PopupMenu2, "ß"_w);
    N17 = item("N17", *PopupMenu2, "ä"_w);
    N19 = item("N19", *PopupMenu2, "ë"_w);
    N18 = item("N18", *PopupMenu2, "ö"_w);
    N20 = item("N20", *PopupMenu2, "ü"_w);
    N21 = item("N21", *PopupMenu2, "±"_w);
    N22 = item("N22", *PopupMenu2, "°"_w);
    N23 = item("N23", *PopupMenu2, "®"_w);
}

void THTMLEdit::guarded(const std::function<void()>& f) {
    try {
        f();
    } catch (...) {
        // The program's error handler shows nothing; the action is not done.
    }
}

// ---------------------------------------------------------------------------
// Own operations.

void THTMLEdit::SetBold(bool) { control_->ExecCommand(ctl::Bold, 0, {}, nullptr); }
void THTMLEdit::SetItalic(bool) { control_->ExecCommand(ctl::Italic, 0, {}, nullptr); }
void THTMLEdit::SetUnderline(bool) { control_->ExecCommand(ctl::Underline, 0, {}, nullptr); }

void THTMLEdit::SetBullets(bool) {
    ExecOleCommand(cmd::BulletedList, CommandGroup::Mshtml, false);
    UpdateToolbar();
}
void THTMLEdit::SetNumbered(bool) {
    ExecOleCommand(cmd::NumberedList, CommandGroup::Mshtml, false);
    UpdateToolbar();
}

void THTMLEdit::SetFontName(const std::string& name) { SetCommandValue("FontName", Value(name)); }

void THTMLEdit::SetFontSize(int size) {
    try {
        SetCommandValue("FontSize", Value(size));
    } catch (...) {
    }
}

void THTMLEdit::SetBlockFormat(const std::string& format) {
    ExecOleCommand(cmd::BlockFormat, CommandGroup::Mshtml, false, Value(format));
    UpdateToolbar();
}

void THTMLEdit::SetJustify(int justify) {
    switch (justify) {
    case 0: SetCommandValue("JustifyLeft", Value(true)); break;
    case 1: SetCommandValue("JustifyRight", Value(true)); break;
    case 2: SetCommandValue("JustifyCenter", Value(true)); break;
    default: break;
    }
}

void THTMLEdit::SetForeColor(std::uint32_t color) { SetCommandValue("ForeColor", Value(static_cast<long>(color))); }

void THTMLEdit::SetStrike(bool on) { SetCommandValue("Strike", Value(on)); }

void THTMLEdit::CopySelection() { ExecControlCommand(ctl::Copy); }
void THTMLEdit::CutSelection() { ExecControlCommand(ctl::Cut); }
void THTMLEdit::PasteClipboard() { ExecControlCommand(ctl::Paste); }

void THTMLEdit::MenuUndo() { ExecOleCommand(cmd::Undo, CommandGroup::Mshtml, false); }
void THTMLEdit::MenuRedo() { ExecOleCommand(cmd::Redo, CommandGroup::Editor, false); }

void THTMLEdit::NewDocument() {
    DocumentReady = false;
    control_->NewDocument();
}

bool THTMLEdit::LoadDocument(const std::string& page) {
    try {
        bool loaded = control_->LoadDocument(controlPath(page), false);
        DocumentReady = false;
        return loaded;
    } catch (const htmledit::Error&) {
        DocumentReady = false;
        return false;
    }
}

bool THTMLEdit::SaveDocument(const std::string& page) {
    saveFailure_.clear();
    try {
        if (page.empty()) return control_->SaveDocument("", true);
        return control_->SaveDocument(controlPath(page), false);
    } catch (const htmledit::Error& e) {
        saveFailure_ = e.what();
        return false;
    }
}

bool THTMLEdit::changed() const { return control_ && control_->isDirty(); }

htmledit::Document THTMLEdit::GetDocument() {
    htmledit::EditControl* e = control_->engine();
    if (!e) throw htmledit::Error("the control has no document");
    return e->dom();
}

bool THTMLEdit::GetCommandTarget() { return control_->hasCommandTarget(); }

// Command path 3.
Value THTMLEdit::GetCommandValue(const std::string& name) {
    if (!DocumentReady) return {};
    try {
        return control_->queryCommandValue(name);
    } catch (...) {
        return {};
    }
}

void THTMLEdit::SetCommandValue(const std::string& name, const Value& value) {
    if (!DocumentReady) return;
    if (GetCommandValue(name) == value) return;
    control_->execCommand(name, value);
    UpdateToolbar();
}

// Command path 1.
void THTMLEdit::ExecControlCommand(int command, int option, const Value& input) {
    if (!DocumentReady) return;
    if ((control_->QueryStatus(command) & ctl::Enabled) != ctl::Enabled) return;
    Value output;
    control_->ExecCommand(command, option, input, &output);
}

int THTMLEdit::QueryControlCommand(int command) { return control_->QueryStatus(command); }

// Command path 2.
int THTMLEdit::ExecOleCommand(int command, CommandGroup group, bool ask, const Value& input, Value* output) {
    if (!control_->hasCommandTarget()) return 0;
    int option = ask ? cmd::AskUser : cmd::DontAskUser;
    return control_->execOle(group, command, option, input, output);
}

int THTMLEdit::QueryOleCommand(int command, CommandGroup group) {
    if (!control_->hasCommandTarget()) return 0;
    return control_->queryOle(group, command);
}

bool THTMLEdit::CanCopy() { return (QueryControlCommand(ctl::Copy) & ctl::Enabled) == ctl::Enabled; }
bool THTMLEdit::CanCut() { return (QueryControlCommand(ctl::Cut) & ctl::Enabled) == ctl::Enabled; }
bool THTMLEdit::CanPaste() { return (QueryControlCommand(ctl::Paste) & ctl::Enabled) == ctl::Enabled; }

bool THTMLEdit::GetBold() { return GetCommandValue("Bold").toBool(); }
bool THTMLEdit::GetItalic() { return GetCommandValue("Italic").toBool(); }
bool THTMLEdit::GetUnderline() { return GetCommandValue("Underline").toBool(); }

void THTMLEdit::GetOleCommandState(int command, bool& enabled, bool& latched) {
    int status = QueryOleCommand(command, CommandGroup::Mshtml);
    enabled = (status & cmd::Enabled) != 0;
    latched = (status & cmd::Latched) != 0;
}

bool THTMLEdit::GetNumbered() {
    bool enabled = false, latched = false;
    GetOleCommandState(cmd::NumberedList, enabled, latched);
    return enabled && latched;
}

bool THTMLEdit::GetBullets() {
    bool enabled = false, latched = false;
    GetOleCommandState(cmd::BulletedList, enabled, latched);
    return enabled && latched;
}

int THTMLEdit::GetJustify() {
    if (GetCommandValue("JustifyRight").toBool()) return 1;
    if (GetCommandValue("JustifyCenter").toBool()) return 2;
    return 0;
}

std::string THTMLEdit::GetFontName() {
    try {
        return GetCommandValue("FontName").toText();
    } catch (...) {
        return {};
    }
}

int THTMLEdit::GetFontSize() {
    try {
        return static_cast<int>(GetCommandValue("FontSize").toInt());
    } catch (...) {
        return 0;
    }
}

std::string THTMLEdit::GetBlockFormat() {
    try {
        if (!(QueryOleCommand(cmd::BlockFormat, CommandGroup::Mshtml) & cmd::Enabled)) return {};
        Value out;
        ExecOleCommand(cmd::BlockFormat, CommandGroup::Mshtml, false, {}, &out);
        return out.toText();
    } catch (...) {
        return {};
    }
}

void THTMLEdit::LoadBlockFormats() {
    try {
        Value out;
        if (ExecOleCommand(cmd::BlockFormatNames, CommandGroup::Mshtml, false, {}, &out) != cmd::Ok) return;
        for (const std::string& name : out.list()) BlockFormats.push_back(name);
    } catch (...) {
    }
}

void THTMLEdit::Outdent() { ExecOleCommand(cmd::Outdent, CommandGroup::Mshtml, false); }
void THTMLEdit::Indent() { ExecOleCommand(cmd::Indent, CommandGroup::Mshtml, false); }
void THTMLEdit::InsertHorizontalLine() { ExecOleCommand(cmd::HorizontalLine, CommandGroup::Mshtml, true); }
void THTMLEdit::FindText() { ExecOleCommand(cmd::Find, CommandGroup::Mshtml, true); }

// ---------------------------------------------------------------------------
// The toolbar refresh.

void THTMLEdit::readSizeMarker() {
    // The markers are looked for in turn; the last one found decides. The
    // document does not change meanwhile, so one copy of its text serves all
    // three (each copy of a large page costs several milliseconds).
    std::string html = control_->DocumentHTML();
    for (int n = 0; n < 3; ++n) {
        if (html.find(kSizeMarkers[n].marker) == std::string::npos) continue;
        ComboBox1->setListIndex(n);
        if (sizeWindow) sizeWindow(kSizeMarkers[n].width, kSizeMarkers[n].height);
    }
    SizeMarkerRead = true;
}

void THTMLEdit::UpdateToolbar() {
    if (!DocumentReady) return;
    struct Refreshing {
        bool& flag;
        bool was;
        explicit Refreshing(bool& f) : flag(f), was(f) { flag = true; }
        ~Refreshing() { flag = was; }
    } refreshing(refreshing_);

    if (!SizeMarkerRead) readSizeMarker();

    btnCopy->setEnabled(CanCopy());
    btnCut->setEnabled(CanCut());
    btnPaste->setEnabled(CanPaste());

    btnBold->setDown(GetBold());
    btnItalic->setDown(GetItalic());
    btnUnderline->setDown(GetUnderline());

    btnNumList->setDown(GetNumbered());
    btnBullet->setDown(GetBullets());

    int j = GetJustify();
    btnAlignLeft->setDown(j == 0);
    btnCenter->setDown(j == 2);
    btnAlignRight->setDown(j == 1);

    auto select = [](forms::ComboBox& box, const std::string& item) {
        for (int i = 0; i < box.listCount(); ++i)
            if (text::equalsNoCase(box.list(i), item)) {
                box.setListIndex(i);
                return true;
            }
        box.setListIndex(-1);
        return false;
    };
    select(*cbFontName, GetFontName());

    std::string size = std::to_string(GetFontSize());
    if (!select(*cbFontSize, size)) {
        cbFontSize->addItem(size);
        select(*cbFontSize, size);
    }

    select(*cbFontStyle, GetBlockFormat());
}

bool THTMLEdit::cutEnabled() const { return btnCut && btnCut->enabled(); }
bool THTMLEdit::copyEnabled() const { return btnCopy && btnCopy->enabled(); }
bool THTMLEdit::pasteEnabled() const { return btnPaste && btnPaste->enabled(); }

void THTMLEdit::InsertHTML(const std::string& html) {
    try {
        if (control_->selectionType() != "Control")
            control_->pasteHTML(html);
        else
            control_->replaceSelectedElement(html);
    } catch (...) {
    }
}

// ---------------------------------------------------------------------------
// Toolbar handlers.

void THTMLEdit::btnUndoClick() { ExecOleCommand(cmd::Undo, CommandGroup::Mshtml, false); }
void THTMLEdit::btnRedoClick() { ExecOleCommand(cmd::Redo, CommandGroup::Mshtml, false); }
void THTMLEdit::btnCutClick() { CutSelection(); }
void THTMLEdit::btnCopyClick() { CopySelection(); }
void THTMLEdit::btnPasteClick() { PasteClipboard(); }
void THTMLEdit::btnBoldClick() { SetBold(btnBold->down()); }
void THTMLEdit::btnItalicClick() { SetItalic(btnItalic->down()); }
void THTMLEdit::btnUnderlineClick() { SetUnderline(btnUnderline->down()); }
void THTMLEdit::btnNumListClick() { SetNumbered(btnNumList->down()); }
void THTMLEdit::btnBulletClick() { SetBullets(btnBullet->down()); }
void THTMLEdit::btnDecreaseIndentClick() { Outdent(); }
void THTMLEdit::btnIncreaseIndentClick() { Indent(); }
void THTMLEdit::btnAlignLeftClick() { SetJustify(0); }
void THTMLEdit::btnCenterClick() { SetJustify(2); }
void THTMLEdit::btnAlignRightClick() { SetJustify(1); }

void THTMLEdit::btnColorClick() {
    if (cdColor->execute()) SetForeColor(cdColor->color);
}

void THTMLEdit::btnHRClick() { InsertHorizontalLine(); }
void THTMLEdit::btnFindClick() { FindText(); }

namespace {
// A whole decimal number; anything else is a failure of the caller's action.
int numberOf(const std::string& s) {
    int v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || p != s.data() + s.size()) throw htmledit::Error("not a number: " + s);
    return v;
}
}  // namespace

void THTMLEdit::cbFontNameChange() {
    SetFontName(cbFontName->text());
    control_->focus();
}

void THTMLEdit::cbFontSizeChange() {
    SetFontSize(numberOf(cbFontSize->text()));
    control_->focus();
}

void THTMLEdit::cbFontStyleChange() {
    SetBlockFormat(cbFontStyle->text());
    control_->focus();
}

void THTMLEdit::btnNewClick() { NewDocument(); }

void THTMLEdit::btnOpenClick() {
    if (odOpen->execute()) LoadDocument(odOpen->fileName);
}

// ---------------------------------------------------------------------------
// Events of the control.

void THTMLEdit::DHTMLDocumentComplete() {
    try {
        DocumentReady = true;
        if (BlockFormats.empty()) {
            LoadBlockFormats();
            cbFontStyle->clear();
            for (const std::string& f : BlockFormats) cbFontStyle->addItem(f);
            cbFontStyle->setListIndex(-1);
        }
        UpdateToolbar();
    } catch (...) {
    }
}

void THTMLEdit::DHTMLonclick() {
    modified = true;
    UpdateToolbar();
}

void THTMLEdit::DHTMLonkeyup() {
    modified = true;
    UpdateToolbar();
}

void THTMLEdit::DHTMLonkeydown() {
    // The pointer guard: a pointer outside the editing area is brought in,
    // 40 pixels right of its left edge and 100 below its top, so that it
    // does not stand over what is being typed. The area is taken as it lies
    // on the screen, wherever the main window and the document window are.
    int x = 0, y = 0, L = 0, T = 0, W = 0, H = 0;
    readPointer(x, y);
    control_->screenRect(L, T, W, H);
    bool inside = L <= x && x <= L + W && T <= y && y <= T + H;
    if (!inside) movePointer(L + 40, T + 100);
}

void THTMLEdit::DHTMLonmouseover() { MouseOver = true; }
void THTMLEdit::DHTMLonmouseout() { MouseOver = false; }
void THTMLEdit::DHTMLDisplayChanged() {}

// The picture, table and floating-layer commands.
void THTMLEdit::btnImageClick() { EditImage(""); }

void THTMLEdit::EditImage(const std::string& path) {
    DialogForms* all = dialogForms();
    htmledit::EditControl* e = control_->engine();
    if (!all || !all->insertimg || !e) return;
    editImage(e->dom(), *all->insertimg, path.empty() ? std::nullopt : std::optional<std::string>(path),
              [this](const std::string& html) { InsertHTML(html); });
}

void THTMLEdit::SpeedButton11Click() { EditTable(); }

void THTMLEdit::EditTable() {
    DialogForms* all = dialogForms();
    htmledit::EditControl* e = control_->engine();
    if (!all || !all->instbl || !e) return;
    editTable(e->dom(), *all->instbl, [](const std::string& color) { return HTMLColorToColor(color); });
}

void THTMLEdit::btnUser4Click() {
    insertFloatingLayer([this](const std::string& html) { InsertHTML(html); });
}

}  // namespace pageeditor
