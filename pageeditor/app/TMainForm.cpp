#include "pageeditor/app/TMainForm.h"

#include <algorithm>
#include <ctime>
#include <map>

#include "files/FileSystem.h"
#include "forms/Action.h"
#include "forms/ActionList.h"
#include "forms/Application.h"
#include "forms/ImageList.h"
#include "forms/ImageView.h"
#include "forms/ListView.h"
#include "forms/MainMenu.h"
#include "forms/MdiArea.h"
#include "forms/MdiChildPlacement.h"
#include "forms/MenuItem.h"
#include "forms/ModalAnswers.h"
#include "forms/PageControl.h"
#include "forms/Panel.h"
#include "forms/PopupMenu.h"
#include "forms/SpeedButton.h"
#include "forms/Splitter.h"
#include "forms/StatusBar.h"
#include "forms/SystemLocale.h"
#include "forms/TabSheet.h"
#include "forms/TextBox.h"
#include "forms/ToolBar.h"
#include "forms/ToolButton.h"
#include "pageeditor/IEditorFrame.h"
#include "pageeditor/app/LStrokeHook.h"
#include "pageeditor/app/BrowserVersionCheck.h"
#include "pageeditor/app/ClipLibrary.h"
#include "pageeditor/app/ClipMacros.h"
#include "pageeditor/dialogs/EditorDialog.h"
#include "pageeditor/app/EditorForms.h"
#include "pageeditor/app/ExitQuestion.h"
#include "pageeditor/app/FormPlacement.h"
#include "pageeditor/dialogs/HandlerGuard.h"
#include "pageeditor/app/InsertDateText.h"
#include "pageeditor/dialogs/LanguagePack.h"
#include "pageeditor/app/PublishCommands.h"
#include "pageeditor/app/TAboutBox.h"
#include "pageeditor/app/TMDIChild.h"
#include "pageeditor/app/Tdocnew.h"
#include "pageeditor/dialogs/Tinsert_snd.h"
#include "pageeditor/app/Tmacros_vals.h"
#include "pageeditor/app/Tpageedit.h"
#include "pageeditor/app/Tpageopen.h"
#include "pageeditor/core/FileRoutines.h"
#include "pageeditor/core/PageDocument.h"
#include "registry/BrowserVersion.h"
#include "registry/Registry.h"
#include "shell/Shell.h"
#include "text/CodePage.h"
#include "text/Paths.h"

namespace pageeditor {

using namespace forms;
using text::ansi;

namespace {
TMainForm*& mainSlot() {
    static TMainForm* m = nullptr;
    return m;
}
std::string& programFolderSlot() {
    static std::string f;
    return f;
}

// Pictures of ImageList1 (toolbar and panel buttons).
enum Pic {
    picNewSite, picOpenSite, picAddDocument, picSave, picClose, picCut, picCopy, picPaste, picPublish,
    picPreview, picCascade, picTileH, picTileV, picSettings, picEdit, picDelete, picLink, picInsert, picOpenExternal
};
}  // namespace

TMainForm* MainForm() { return mainSlot(); }

void TMainForm::setProgramFolder(const std::string& folder) { programFolderSlot() = folder; }

TMainForm::TMainForm() : forms::Form("TMainForm", Scale::Pixels) {
    mainSlot() = this;
    setDialogHost(this);
}

TMainForm::~TMainForm() {
    // Closing a window takes it out of documents_: close a copy of the list.
    for (TMDIChild* d : documentWindows()) d->closeWithoutQuestion();
    documents_.clear();
    closed_.clear();
    if (mainSlot() == this) mainSlot() = nullptr;
    if (dialogHost() == this) setDialogHost(nullptr);
}

// ---------------------------------------------------------------------------
// Building the window.

void TMainForm::createControls() {
    setCaption(Application::title());
    setClientSize(1000, 680);

    ImageList1 = add<ImageList>("ImageList1");
    for (Glyph g : {Glyph::NewSite, Glyph::OpenSite, Glyph::AddDocument, Glyph::Save, Glyph::Close, Glyph::Cut,
                    Glyph::Copy, Glyph::Paste, Glyph::Publish, Glyph::Preview, Glyph::Cascade, Glyph::TileHorizontal,
                    Glyph::TileVertical, Glyph::Settings, Glyph::Edit, Glyph::Delete, Glyph::Link, Glyph::Insert,
                    Glyph::OpenExternal})
        ImageList1->add(g);
    // ImageList2: 0 OK and 1 Cancel for every dialog; 2 a library folder,
    // 3 the library's back item.
    ImageList2 = add<ImageList>("ImageList2");
    for (Glyph g : {Glyph::Ok, Glyph::Cancel, Glyph::Folder, Glyph::Back}) ImageList2->add(g);
    EditorDialog::setButtonGlyphs(ImageList2);
    // ImageList3: the file pictures of the page, media and library lists.
    ImageList3 = add<ImageList>("ImageList3");
    for (Glyph g : {Glyph::Page, Glyph::Picture, Glyph::Insert, Glyph::Archive, Glyph::Movie, Glyph::JavaClass,
                    Glyph::Document, Glyph::Sound})
        ImageList3->add(g);

    createCommands();
    createToolbar();
    StatusBar = add<forms::StatusBar>("StatusBar");
    StatusBar->setAutoHint(true);
    createSidePanel();
    Splitter1 = add<Splitter>("Splitter1");
    Splitter1->setAlign(Align::Left);
    Splitter1->resize(5, 100);
    Splitter1->setTarget(*Panel1, 150);
    MdiArea1 = add<MdiArea>("MdiArea1");
    MdiArea1->onChildrenChanged = [this] {
        if (TMDIChild* d = activeDocument(); d && d->document) documents.activate(d->document);
    };
    documents.setEnable2([this](int state) { enable2(state); });
    documents.setShow([this](PageDocument* doc) {
        if (TMDIChild* w = windowOf(doc)) MdiArea1->activateChild(*w);
    });
    createMenus();
    MdiArea1->setWindowMenu(*Okna1);
    ListView1->setPopupMenu(*PopupMenu1);
    ListView2->setPopupMenu(*PopupMenu2);
    connectSiteLists();
    connectLibrary();
}

void TMainForm::createCommands() {
    ActionList1 = add<ActionList>("ActionList1");
    auto command = [this](const char* name, const char* caption, const char* hint, int pic) {
        Action* a = add<Action>(name, ActionList1);
        a->setCaption(ansi(caption));
        a->setHint(ansi(hint));
        if (pic >= 0) a->setImage(*ImageList1, pic);
        return a;
    };
    FileNew1 = command("FileNew1", "&Nowa strona HTML", "Nowy projekt strony", picNewSite);
    FileNew1->addShortcut('N', shift::Ctrl);
    FileNew1->onExecute = guarded([this] { FileNew1Execute(); });
    FileOpen1 = command("FileOpen1", "&Otwórz stronę", "Otwórz projekt strony", picOpenSite);
    FileOpen1->addShortcut('O', shift::Ctrl);
    FileOpen1->onExecute = guarded([this] { FileOpen1Execute(); });
    FileExit1 = command("FileExit1", "Konie&c", "Koniec|Kończy pracę z programem", -1);
    FileExit1->onExecute = guarded([this] { FileExit1Execute(); });
    EditCut1 = command("EditCut1", "&Wytnij", "Wytnij|Przenosi zaznaczenie do schowka", picCut);
    EditCut1->addShortcut('X', shift::Ctrl);
    EditCut1->onExecute = guarded([this] { EditCut1Execute(); });
    EditCut1->onUpdate = guarded([this] { EditCut1Update(); });
    EditCopy1 = command("EditCopy1", "&Kopiuj", "Kopiuj|Kopiuje zaznaczenie do schowka", picCopy);
    EditCopy1->addShortcut('C', shift::Ctrl);
    EditCopy1->onExecute = guarded([this] { EditCopy1Execute(); });
    EditCopy1->onUpdate = guarded([this] { EditCopy1Update(); });
    EditPaste1 = command("EditPaste1", "W&klej", "Wklej|Wstawia zawartość schowka", picPaste);
    EditPaste1->addShortcut('V', shift::Ctrl);
    EditPaste1->onExecute = guarded([this] { EditPaste1Execute(); });
    EditPaste1->onUpdate = guarded([this] { EditPaste1Update(); });
    HelpAbout1 = command("HelpAbout1", "&O programie...", "O programie|Informacje o programie", -1);
    HelpAbout1->onExecute = guarded([this] { HelpAbout1Execute(); });

    // The window commands act on the document windows and are enabled while there is one.
    auto window = [this, &command](const char* name, const char* caption, const char* hint, int pic, void (MdiArea::*op)()) {
        Action* a = command(name, caption, hint, pic);
        a->onExecute = guarded([this, op] { (MdiArea1->*op)(); });
        a->onUpdate = [this, a] { a->setEnabled(MdiArea1 && !MdiArea1->children().empty()); };
        a->setEnabled(false);
        return a;
    };
    WindowCascade1 = window("WindowCascade1", "&Kaskada", "Kaskada", picCascade, &MdiArea::cascade);
    WindowTileHorizontal1 = window("WindowTileHorizontal1", "Wyrównaj poziomo", "Wyrównaj poziomo", picTileH,
                                   &MdiArea::tileHorizontal);
    WindowTileVertical1 = window("WindowTileVertical1", "Wyrównaj &pionowo", "Wyrównaj pionowo", picTileV,
                                 &MdiArea::tileVertical);
    WindowMinimizeAll1 = window("WindowMinimizeAll1", "&Minimalizuj wszystkie", "Minimalizuj wszystkie", -1,
                                &MdiArea::minimizeAll);
    WindowArrange1 = window("WindowArrange1", "&Ustaw okna", "Ustaw okna", -1, &MdiArea::arrangeIcons);
}

void TMainForm::createToolbar() {
    ToolBar2 = add<ToolBar>("ToolBar2");
    ToolBar2->setImages(*ImageList1);
    auto button = [this](const char* name, const char* hint, int pic) {
        auto* b = add<ToolButton>(name, *ToolBar2);
        b->setHint(ansi(hint));
        b->setImageIndex(pic);
        return b;
    };
    auto separator = [this](const char* name) { return add<ToolButton>(name, *ToolBar2, ToolButton::Style::Separator); };
    ToolButton15 = button("ToolButton15", "Nowy projekt strony", picNewSite);
    ToolButton15->onClick = guarded([this] { FileNew1Execute(); });
    ToolButton13 = button("ToolButton13", "Otwórz projekt strony", picOpenSite);
    ToolButton13->onClick = guarded([this] { FileOpen1Execute(); });
    ToolButton17 = button("ToolButton17", "Dodaj dokument", picAddDocument);
    ToolButton17->onClick = guarded([this] { SpeedButton3Click(); });
    ToolButton1 = separator("ToolButton1");
    ToolButton2 = button("ToolButton2", "Zapisz|Zapisuje edytowany dokument", picSave);
    ToolButton2->onClick = guarded([this] { Zapisz1Click(); });
    ToolButton9 = button("ToolButton9", "Zamknij", picClose);
    ToolButton9->onClick = guarded([this] { Zamknij1Click(); });
    ToolButton3 = separator("ToolButton3");
    ToolButton4 = add<ToolButton>("ToolButton4", *ToolBar2);
    ToolButton4->setAction(*EditCut1);
    ToolButton5 = add<ToolButton>("ToolButton5", *ToolBar2);
    ToolButton5->setAction(*EditCopy1);
    ToolButton6 = add<ToolButton>("ToolButton6", *ToolBar2);
    ToolButton6->setAction(*EditPaste1);
    ToolButton7 = separator("ToolButton7");
    ToolButton12 = button("ToolButton12", "Publikacja w Sieci", picPublish);
    ToolButton12->onClick = guarded([this] { SpeedButton2Click(); });
    ToolButton16 = button("ToolButton16", "Podgląd w przeglądarce", picPreview);
    ToolButton16->onClick = guarded([this] { Podgldwprzegldarce1Click(); });
    ToolButton14 = separator("ToolButton14");
    ToolButton8 = add<ToolButton>("ToolButton8", *ToolBar2);
    ToolButton8->setAction(*WindowCascade1);
    ToolButton10 = add<ToolButton>("ToolButton10", *ToolBar2);
    ToolButton10->setAction(*WindowTileHorizontal1);
    ToolButton11 = add<ToolButton>("ToolButton11", *ToolBar2);
    ToolButton11->setAction(*WindowTileVertical1);
}

void TMainForm::createSidePanel() {
    auto panel = [this](const char* name, Control* in, Align a, int size, Panel::Bevel bevel = Panel::Bevel::None) {
        Panel* p = add<Panel>(name, in);
        p->setBevel(bevel);
        p->resize(size, size);
        p->setAlign(a);
        return p;
    };
    auto speed = [this](const char* name, Control* in, int x, int w, const char* caption, const char* hint, int pic) {
        SpeedButton* b = add<SpeedButton>(name, in);
        b->move(x, 2, w, 26);
        if (pic >= 0) b->setGlyph(*ImageList1, pic);
        b->setCaption(ansi(caption));
        b->setHint(ansi(hint));
        return b;
    };
    auto list = [this](const char* name, Control* in, Align a, ListView::ViewStyle style, const ImageList& images) {
        ListView* l = add<ListView>(name, in);
        l->resize(200, 150);
        l->setAlign(a);
        l->setLargeImages(images);
        l->setSmallImages(images);
        l->setViewStyle(style);
        return l;
    };

    Panel1 = panel("Panel1", nullptr, Align::Left, 250);
    PageControl1 = add<PageControl>("PageControl1", Panel1);
    PageControl1->setAlign(Align::Client);
    TabSheet1 = add<TabSheet>("TabSheet1", *PageControl1);
    TabSheet1->setCaption("Strona WWW");
    Panel2 = panel("Panel2", TabSheet1, Align::Top, 30);
    SpeedButton1 = speed("SpeedButton1", Panel2, 2, 100, "Edytu&j", "Zmień ustawienia", picSettings);
    SpeedButton2 = speed("SpeedButton2", Panel2, 104, 100, "Publikuj", "Publikuj w Sieci", picPublish);
    SpeedButton2->onClick = guarded([this] { SpeedButton2Click(); });
    PageControl2 = add<PageControl>("PageControl2", TabSheet1);
    PageControl2->setAlign(Align::Client);

    TabSheet3 = add<TabSheet>("TabSheet3", *PageControl2);
    TabSheet3->setCaption("&Dokumenty");
    Panel3 = panel("Panel3", TabSheet3, Align::Top, 30);
    SpeedButton3 = speed("SpeedButton3", Panel3, 2, 28, "", "Dodaj dokument", picAddDocument);
    SpeedButton3->onClick = guarded([this] { SpeedButton3Click(); });
    SpeedButton4 = speed("SpeedButton4", Panel3, 32, 28, "", "Usuń dokument", picDelete);
    SpeedButton5 = speed("SpeedButton5", Panel3, 62, 28, "", "Edytuj wybrany dokument", picEdit);
    SpeedButton9 = speed("SpeedButton9", Panel3, 92, 28, "", "Wstaw odnośnik", picLink);
    ListView1 = list("ListView1", TabSheet3, Align::Client, ListView::ViewStyle::Icon, *ImageList3);

    TabSheet4 = add<TabSheet>("TabSheet4", *PageControl2);
    TabSheet4->setCaption("&Zasoby strony");
    Panel4 = panel("Panel4", TabSheet4, Align::Top, 30);
    SpeedButton6 = speed("SpeedButton6", Panel4, 2, 28, "", "Wstaw do dokumentu", picInsert);
    SpeedButton7 = speed("SpeedButton7", Panel4, 32, 28, "", "Usuń", picDelete);
    SpeedButton8 = speed("SpeedButton8", Panel4, 62, 28, "", "Otwórz w domyślnym programie", picOpenExternal);
    ListView2 = list("ListView2", TabSheet4, Align::Client, ListView::ViewStyle::Icon, *ImageList3);
    Panel5 = panel("Panel5", TabSheet4, Align::Bottom, 120, Panel::Bevel::Lowered);
    Image1 = add<ImageView>("Image1", Panel5);
    Image1->setAlign(Align::Client);
    Image1->setFit(ImageView::Fit::Proportional);
    Splitter2 = add<Splitter>("Splitter2", TabSheet4);
    Splitter2->resize(5, 5);
    Splitter2->setAlign(Align::Bottom);
    Splitter2->setTarget(*Panel5, 40);

    TabSheet2 = add<TabSheet>("TabSheet2", *PageControl1);
    TabSheet2->setCaption("Biblioteczka");
    ListView3 = list("ListView3", TabSheet2, Align::Top, ListView::ViewStyle::Icon, *ImageList2);
    ListView3->resize(200, 150);
    Splitter3 = add<Splitter>("Splitter3", TabSheet2);
    Splitter3->resize(5, 5);
    Splitter3->setAlign(Align::Top);
    Splitter3->setTarget(*ListView3, 40);
    Panel6 = panel("Panel6", TabSheet2, Align::Top, 220);
    Panel7 = panel("Panel7", Panel6, Align::Top, 30);
    SpeedButton10 = speed("SpeedButton10", Panel7, 2, 28, "", "Otwórz w domyślnym programie", picOpenExternal);
    SpeedButton12 = speed("SpeedButton12", Panel7, 32, 28, "", "Wstaw do dokumentu", picInsert);
    ListView4 = list("ListView4", Panel6, Align::Client, ListView::ViewStyle::Icon, *ImageList3);
    Splitter4 = add<Splitter>("Splitter4", TabSheet2);
    Splitter4->resize(5, 5);
    Splitter4->setAlign(Align::Top);
    Splitter4->setTarget(*Panel6, 60);
    Panel8 = panel("Panel8", TabSheet2, Align::Client, 100, Panel::Bevel::Lowered);
    Image2 = add<ImageView>("Image2", Panel8);
    Image2->setAlign(Align::Client);
    Image2->setFit(ImageView::Fit::Proportional);
}

void TMainForm::createMenus() {
    MainMenu1 = add<MainMenu>("MainMenu1");
    auto top = [this](const char* name, const char* caption) {
        MenuItem* m = add<MenuItem>(name, *MainMenu1);
        m->setCaption(ansi(caption));
        return m;
    };
    auto item = [this](const char* name, MenuItem* parent, const char* caption, std::function<void()> onClick) {
        MenuItem* m = add<MenuItem>(name, *parent);
        m->setCaption(ansi(caption));
        if (onClick) m->onClick = guarded(std::move(onClick));
        return m;
    };
    auto bound = [this](const char* name, MenuItem* parent, Action* a) {
        MenuItem* m = add<MenuItem>(name, *parent);
        m->setAction(*a);
        return m;
    };

    Plik1 = top("Plik1", "&Plik");
    Nowastrona1 = bound("Nowastrona1", Plik1, FileNew1);
    Otwrzstron1 = bound("Otwrzstron1", Plik1, FileOpen1);
    N1 = item("N1", Plik1, "-", nullptr);
    Dodajdokumentdostrony1 = item("Dodajdokumentdostrony1", Plik1, "&Dodaj dokument do strony", [this] { SpeedButton3Click(); });
    Dodajdokumentdostrony1->addShortcut('N', shift::Ctrl | shift::Shift);
    Zapisz1 = item("Zapisz1", Plik1, "Zapi&sz dokument", [this] { Zapisz1Click(); });
    Zapisz1->addShortcut('S', shift::Alt);
    Zapiszkopi1 = item("Zapiszkopi1", Plik1, "Zapi&sz kopię dokumentu", [this] { Zapiszkopi1Click(); });
    Zamknij1 = item("Zamknij1", Plik1, "&Zamknij dokument", [this] { Zamknij1Click(); });
    // Alt+F4 is the window manager's own on this desktop: Ctrl+F4 and Ctrl+W
    // close the document window as well.
    Zamknij1->addShortcut(key::F4, shift::Alt);
    Zamknij1->addShortcut(key::F4, shift::Ctrl);
    Zamknij1->addShortcut('W', shift::Ctrl);
    Podgldwprzegldarce1 = item("Podgldwprzegldarce1", Plik1, "Podgląd w przeglądarce", [this] { Podgldwprzegldarce1Click(); });
    Podgldwprzegldarce1->addShortcut(key::F12, shift::Ctrl);
    N2 = item("N2", Plik1, "-", nullptr);
    Publikujstronwsieci1 = item("Publikujstronwsieci1", Plik1, "&Publikuj stronę w Sieci", [this] { SpeedButton2Click(); });
    Eksportujplikistronydokatalogu1 = item("Eksportujplikistronydokatalogu1", Plik1, "&Eksportuj pliki strony do katalogu...",
                                           [this] { Eksportujplikistronydokatalogu1Click(); });
    PrzygotujstronjakoprezentacjnaCD1 = item("PrzygotujstronjakoprezentacjnaCD1", Plik1, "&Przygotuj stronę jako prezentację na CD",
                                             [this] { PrzygotujstronjakoprezentacjnaCD1Click(); });
    N3 = item("N3", Plik1, "-", nullptr);
    Koniec1 = bound("Koniec1", Plik1, FileExit1);

    Edycja1 = top("Edycja1", "&Edycja");
    Cofnij1 = item("Cofnij1", Edycja1, "&Cofnij", [this] { Cofnij1Click(); });
    N4 = item("N4", Edycja1, "-", nullptr);
    Wytnij1 = bound("Wytnij1", Edycja1, EditCut1);
    Kopiuj1 = bound("Kopiuj1", Edycja1, EditCopy1);
    Wklej1 = bound("Wklej1", Edycja1, EditPaste1);
    N5 = item("N5", Edycja1, "-", nullptr);
    Szukaj1 = item("Szukaj1", Edycja1, "&Szukaj", [this] { Szukaj1Click(); });
    Wstawdat1 = item("Wstawdat1", Edycja1, "&Wstaw datę", [this] { Wstawdat1Click(); });

    Wstaw1 = top("Wstaw1", "&Wstaw");
    Obrazek1 = item("Obrazek1", Wstaw1, "&Obrazek", [this] { Obrazek1Click(); });
    Obrazekjakoto1 = item("Obrazekjakoto1", Wstaw1, "Obrazek jako tło", [this] { Obrazekjakoto1Click(); });
    N6 = item("N6", Wstaw1, "-", nullptr);
    Animowanytekst1 = item("Animowanytekst1", Wstaw1, "&Animowany tekst", [this] { Animowanytekst1Click(); });
    AnimacjFlash1 = item("AnimacjFlash1", Wstaw1, "Animację &Flash", [this] { AnimacjFlash1Click(); });
    Film1 = item("Film1", Wstaw1, "&Film", [this] { Film1Click(); });
    Muzykdwik1 = item("Muzykdwik1", Wstaw1, "&Muzykę/dźwięk", [this] { Muzykdwik1Click(); });
    N7 = item("N7", Wstaw1, "-", nullptr);
    abelk1 = item("abelk1", Wstaw1, "&Tabelkę", [this] { abelk1Click(); });
    Pywajcwarstw1 = item("Pywajcwarstw1", Wstaw1, "Pływającą &warstwę", [this] { Pywajcwarstw1Click(); });

    Element1 = top("Element1", "&Element");
    Wa1 = item("Wa1", Element1, "&Właściwości", [this] { Wa1Click(); });
    Odnonik1 = item("Odnonik1", Element1, "&Odnośnik", [this] { Odnonik1Click(); });

    Okna1 = top("Okna1", "&Okna");
    Kaskada1 = bound("Kaskada1", Okna1, WindowCascade1);
    Wyrwnajpoziomo1 = bound("Wyrwnajpoziomo1", Okna1, WindowTileHorizontal1);
    Wyrwnajpionowo1 = bound("Wyrwnajpionowo1", Okna1, WindowTileVertical1);
    Minimalizujwszystkie1 = bound("Minimalizujwszystkie1", Okna1, WindowMinimizeAll1);
    Ustawokna1 = bound("Ustawokna1", Okna1, WindowArrange1);

    Pomoc1 = top("Pomoc1", "&Pomoc");
    Oprogramie1 = bound("Oprogramie1", Pomoc1, HelpAbout1);

    // The pop-up menus of the page and media lists; their commands belong
    // to the site lists.
    PopupMenu1 = add<PopupMenu>("PopupMenu1");
    auto pop = [this](const char* name, PopupMenu* menu, const char* caption) {
        MenuItem* m = add<MenuItem>(name, *menu);
        m->setCaption(ansi(caption));
        return m;
    };
    Edytuj1 = pop("Edytuj1", PopupMenu1, "&Edytuj");
    Usu1 = pop("Usu1", PopupMenu1, "&Usuń");
    Otwrz1 = pop("Otwrz1", PopupMenu1, "&Otwórz");
    Wstawodnonik1 = pop("Wstawodnonik1", PopupMenu1, "Wstaw odnośnik");
    PopupMenu2 = add<PopupMenu>("PopupMenu2");
    Wstawdodokumentu1 = pop("Wstawdodokumentu1", PopupMenu2, "&Wstaw do dokumentu");
    Wstawodnonikdopliku1 = pop("Wstawodnonikdopliku1", PopupMenu2, "Wstaw odnośnik do pliku");
    Otwrz2 = pop("Otwrz2", PopupMenu2, "&Otwórz");
    Usuplik1 = pop("Usuplik1", PopupMenu2, "&Usuń plik");
    Usuplik1->addShortcut(key::Delete, 0);
}

// ---------------------------------------------------------------------------
// Command groups.

void TMainForm::enable(int state) {
    bool on = state != 0;
    for (MenuItem* m : {Zapiszkopi1, PrzygotujstronjakoprezentacjnaCD1, Publikujstronwsieci1,
                        Eksportujplikistronydokatalogu1, Dodajdokumentdostrony1})
        m->setEnabled(on);
    Panel1->setVisible(on);
    Splitter1->setVisible(on);
    ToolButton12->setEnabled(on);
    ToolButton17->setEnabled(on);
}

void TMainForm::enable2(int state) {
    bool on = state != 0;
    for (ToolButton* b : {ToolButton16, ToolButton9, ToolButton2}) b->setEnabled(on);
    for (MenuItem* m : {Element1, Wstaw1, Szukaj1, Cofnij1, Wstawdat1, Podgldwprzegldarce1, Zapisz1, Zamknij1,
                        Zapiszkopi1, Wstawdodokumentu1, Wstawodnonikdopliku1, Wstawodnonik1})
        m->setEnabled(on);
    for (SpeedButton* b : {SpeedButton12, SpeedButton9, SpeedButton6}) b->setEnabled(on);
}

// ---------------------------------------------------------------------------
// Document windows.

TMDIChild* TMainForm::doc_open(const std::string& path) {
    // A page has one window (DocumentList::openPage): two windows of one file
    // would each save over what was typed in the other.
    TMDIChild* made = nullptr;
    PageDocument* doc = documents.openPage(path, [&]() -> PageFrame* {
        closed_.clear();  // windows closed earlier are no longer inside their own events
        documents_.push_back(std::make_unique<TMDIChild>(*this));
        TMDIChild& d = *documents_.back();
        made = &d;
        MdiArea1->addChild(d);
        // A new window opens at a working size that fits the document area
        // (the frame may size it to its page later).
        int step = static_cast<int>((documents_.size() - 1) % 8) * 24;  // one below another, as cascaded
        MdiArea1->setChildClientSize(d, std::max(320, std::min(760, MdiArea1->width() - 20 - step)),
                                     std::max(240, std::min(520, MdiArea1->height() - 60 - step)));
        moveMdiChild(d, step, step);
        auto cut = path.find_last_of('\\');
        d.setCaption(cut == std::string::npos ? path : path.substr(cut + 1));
        return d.HTMLEdit1;
    });
    if (!made) return windowOf(doc);
    made->document = doc;
    if (!doc) {
        made->closeWithoutQuestion();
        return nullptr;
    }
    return made;
}

TMDIChild* TMainForm::windowOf(const PageDocument* doc) const {
    if (doc)
        for (const auto& w : documents_)
            if (w->document == doc) return w.get();
    return nullptr;
}

TMDIChild* TMainForm::activeDocument() const {
    Form* f = MdiArea1 ? MdiArea1->activeChild() : nullptr;
    for (const auto& d : documents_)
        if (d.get() == f) return d.get();
    return nullptr;
}

IEditorFrame* TMainForm::activeFrame() const {
    TMDIChild* d = activeDocument();
    return d ? d->HTMLEdit1 : nullptr;
}

bool TMainForm::sizeDocumentWindow(forms::Form& window, int width, int height) {
    if (!MdiArea1) return false;
    for (Form* child : MdiArea1->children())
        if (child == &window) {
            MdiArea1->setChildClientSize(window, width, height);
            return true;
        }
    return false;
}

std::vector<std::string> TMainForm::pageNames() const {
    std::vector<std::string> names;
    if (ListView1)
        for (int i = 0; i < ListView1->count(); ++i) names.push_back(ListView1->caption(i));
    return names;
}

std::vector<TMDIChild*> TMainForm::documentWindows() const {
    std::vector<TMDIChild*> out;
    for (const auto& d : documents_) out.push_back(d.get());
    return out;
}

void TMainForm::documentWindowClosed(TMDIChild& window) {
    if (window.document) documents.closed(window.document);  // the last one turns the document commands off
    for (auto it = documents_.begin(); it != documents_.end(); ++it) {
        if (it->get() != &window) continue;
        closed_.push_back(std::move(*it));  // freed later: the window is inside its own close
        documents_.erase(it);
        break;
    }
}

void TMainForm::showStatus(const std::string& text) {
    if (StatusBar) StatusBar->setSimpleText(text);
}

void TMainForm::showItems(ListView& view, const ItemList& items) {
    view.clear();
    for (const auto& i : items) view.addItem(i.caption, i.image);
}

// ---------------------------------------------------------------------------
// Sites and their lists.

void TMainForm::connectSiteLists() {
    SiteHooks h;
    h.enable = [this](int state) {
        site_name = sites.siteName();
        enable(state);
    };
    h.newPage = [this] { SpeedButton3Click(); };
    h.openDocument = [this](const std::string& page) { doc_open(page); };
    h.closeSiteDocuments = [this](const std::string& folder) {
        return documents.closeIn(folder, [this](PageDocument* doc) {
            for (TMDIChild* w : documentWindows())
                if (w->document == doc) w->closeWithoutQuestion();
        });
    };
    h.listsChanged = [this] { showSiteLists(); };
    h.pageDeleted = [this](const std::string& page) { documents.pageDeleted(page); };
    sites.setHooks(std::move(h));

    SpeedButton1->onClick = guarded([this] { SpeedButton1Click(); });
    SpeedButton5->onClick = guarded([this] { SpeedButton5Click(); });
    ListView1->onDblClick = guarded([this] { SpeedButton5Click(); });
    Edytuj1->onClick = guarded([this] { SpeedButton5Click(); });
    SpeedButton4->onClick = guarded([this] { SpeedButton4Click(); });
    Usu1->onClick = guarded([this] { SpeedButton4Click(); });
    Otwrz1->onClick = guarded([this] { Otwrz1Click(); });
    SpeedButton9->onClick = guarded([this] { SpeedButton9Click(); });
    Wstawodnonik1->onClick = guarded([this] { SpeedButton9Click(); });
    SpeedButton6->onClick = guarded([this] { SpeedButton6Click(); });
    Wstawdodokumentu1->onClick = guarded([this] { SpeedButton6Click(); });
    Wstawodnonikdopliku1->onClick = guarded([this] { Wstawodnonikdopliku1Click(); });
    SpeedButton8->onClick = guarded([this] { SpeedButton8Click(); });
    ListView2->onDblClick = guarded([this] { SpeedButton8Click(); });
    Otwrz2->onClick = guarded([this] { SpeedButton8Click(); });
    SpeedButton7->onClick = guarded([this] { SpeedButton7Click(); });
    Usuplik1->onClick = guarded([this] { SpeedButton7Click(); });
    ListView2->onChange = [this] { ListView2Change(); };
}

void TMainForm::showSiteLists() {
    site_name = sites.siteName();
    if (ListView1) showItems(*ListView1, sites.pages());
    if (ListView2) showItems(*ListView2, sites.media());
}

std::string TMainForm::selectedCaption(const ListView* view) {
    int i = view ? view->selectedIndex() : -1;
    return i < 0 ? std::string() : view->caption(i);
}

void TMainForm::page_new() {
    EditorForms* f = editorForms();
    if (!f || !f->pageedit) return;
    Tpageedit& d = *f->pageedit;
    d.prepareForNewSite();
    if (d.showModal() != 1) return;
    sites.createSite(d.fields());
}

bool TMainForm::page_open(const std::string& name) { return sites.page_open(name); }

void TMainForm::SpeedButton1Click() {
    EditorForms* f = editorForms();
    if (sites.siteName().empty() || !f || !f->pageedit) return;
    Tpageedit& d = *f->pageedit;
    d.setFields(sites.readSettings());
    d.setNameEditable(false);
    try {
        // Settings that could not be saved keep the dialog open with what
        // was typed (the user was told why).
        while (d.showModal() == 1 && !sites.saveSettings(d.fields())) {
        }
    } catch (...) {
        d.setNameEditable(true);
        throw;
    }
    d.setNameEditable(true);
}

void TMainForm::SpeedButton5Click() {
    std::string name = selectedCaption(ListView1);
    if (!name.empty()) sites.editPage(name);
}

void TMainForm::SpeedButton4Click() {
    std::string name = selectedCaption(ListView1);
    if (!name.empty()) sites.deletePage(name);
}

void TMainForm::Otwrz1Click() {
    std::string name = selectedCaption(ListView1);
    if (!name.empty()) sites.openPageExternally(name);
}

void TMainForm::SpeedButton9Click() {
    std::string name = selectedCaption(ListView1);
    IEditorFrame* frame = activeFrame();
    if (!name.empty() && frame) frame->EditLink(sites.pageLinkPath(name));
}

void TMainForm::SpeedButton6Click() {
    std::string name = selectedCaption(ListView2);
    IEditorFrame* frame = activeFrame();
    if (name.empty() || !frame) return;
    switch (sites.mediaInsertKind(name)) {
    case Sites::Insert::Image: frame->EditImage(sites.mediaPath(name)); break;
    case Sites::Insert::Flash: frame->EditFlash(sites.mediaPath(name)); break;
    case Sites::Insert::None: break;
    }
}

void TMainForm::Wstawodnonikdopliku1Click() {
    std::string name = selectedCaption(ListView2);
    IEditorFrame* frame = activeFrame();
    if (!name.empty() && frame) frame->EditLink(sites.mediaLinkPath(name));
}

void TMainForm::SpeedButton8Click() {
    std::string name = selectedCaption(ListView2);
    if (!name.empty()) sites.openMediaExternally(name);
}

void TMainForm::SpeedButton7Click() {
    std::string name = selectedCaption(ListView2);
    if (!name.empty()) sites.deleteMedia(name);
}

void TMainForm::ListView2Change() {
    // A file that is not a picture leaves the last picture shown.
    std::string name = selectedCaption(ListView2);
    if (!name.empty() && !sites.siteName().empty())
        Image1->loadFile(files::realPath(sites.mediaPath(name)).string());
}

// ---------------------------------------------------------------------------
// Create, show and close.

void TMainForm::onLoad() { runHandler([this] { FormCreate(); }); }

void TMainForm::FormCreate() {
    // The keyboard hook's key buffer and the window's handle belong to the
    // l-stroke hook, which installs itself when asked for below.
    keyboardHookInstalled = false;
    try {
        std::string version;
        if (registry::store().getString(registry::Hive::LocalMachine, registry::kBrowserKey, registry::kBrowserValue,
                                        version) &&
            needsLStrokeHook(version))
            keyboardHookWanted = true;
    } catch (...) {
    }
    lstrokeHook().key_buffer.clear();
    if (keyboardHookWanted) keyboardHookInstalled = lstrokeHook().install();
    setApplicationExceptionHandler(&AppException);
    messages.setLines({});
    std::string folder = programFolderSlot().empty() ? Application::programFolder() : programFolderSlot();
    app_dir = files::platformName(folder);
    if (app_dir.empty() || app_dir.back() != '\\') app_dir += '\\';
    sites.setAppDir(app_dir);
    sites.removeSaveLeftovers();
    if (!messages.loadFromAppDir(app_dir)) throw std::runtime_error("trans.msg");
    setCaption(Application::title());
}

void TMainForm::onShow() {
    if (shown_) return;
    shown_ = true;
    runHandler([this] { FormShow(); });
}

void TMainForm::FormShow() {
    enable(0);
    enable2(0);
    restorePlacement();
    if (EditorForms* f = editorForms()) loadLANG(app_dir + "data\\lang\\" + "pl" + "\\transui.lng", f->owned());
    lib_dir = ClipLibrary::root(app_dir);
    showItems(*ListView3, ClipLibrary::folders(lib_dir, lib_dir, tr("Wstecz")));
}

bool TMainForm::FormCloseQuery() {
    std::vector<std::function<bool()>> windows;
    for (TMDIChild* d : documentWindows()) windows.push_back([d] { return d->FormCloseQuery(); });
    return exitQuestion(windows, messages);
}

void TMainForm::onQueryUnload(bool& cancel, bool) {
    bool ok = false;
    runHandler([&] { ok = FormCloseQuery(); });
    cancel = !ok;
}

void TMainForm::onUnload(bool&) { runHandler([this] { FormClose(); }); }

void TMainForm::FormClose() {
    lstrokeHook().remove();
    keyboardHookInstalled = false;
    storePlacement();
    for (TMDIChild* d : documentWindows()) d->closeWithoutQuestion();
    Application::end();
}

void TMainForm::restorePlacement() {
    FormPlacement p = FormPlacement::read(registry::store());
    p.applyTo(*this);
}

void TMainForm::storePlacement() {
    FormPlacement p = FormPlacement::takeFrom(*this);
    p.write(registry::store());
}

// ---------------------------------------------------------------------------
// Commands.

void TMainForm::FileNew1Execute() { page_new(); }

void TMainForm::FileOpen1Execute() {
    EditorForms* f = editorForms();
    if (!f || !f->pageopen) return;
    Tpageopen& d = *f->pageopen;
    if (d.showModal() == 1) page_open(d.selected());
}

void TMainForm::FileExit1Execute() { unload(); }

void TMainForm::HelpAbout1Execute() {
    if (EditorForms* f = editorForms(); f && f->AboutBox) f->AboutBox->showModal();
}

void TMainForm::Eksportujplikistronydokatalogu1Click() {
    EditorForms* f = editorForms();
    if (site_name.empty() || !f || !f->prog) return;
    PublishCommands::exportSite(*this, *f->prog, false);
}

void TMainForm::PrzygotujstronjakoprezentacjnaCD1Click() {
    EditorForms* f = editorForms();
    if (site_name.empty() || !f || !f->prog) return;
    PublishCommands::exportSite(*this, *f->prog, true);
}

void TMainForm::SpeedButton2Click() {
    EditorForms* f = editorForms();
    if (site_name.empty() || !f || !f->pubf || !f->prog) return;
    PublishCommands::publish(*this, *f->pubf, *f->prog);
}

void TMainForm::SpeedButton3Click() {
    EditorForms* f = editorForms();
    if (sites.siteName().empty() || !f || !f->docnew) return;
    Tdocnew& d = *f->docnew;
    NewPage::Fields fields = d.fields();
    newPage.prepare(fields);
    d.setFields(fields);
    if (d.showModal() != 1) return;
    newPage.create(d.fields(), d.selectedTemplate());
}

void TMainForm::Zapisz1Click() {
    if (TMDIChild* d = activeDocument()) d->save();
}

void TMainForm::Zapiszkopi1Click() {
    TMDIChild* d = activeDocument();
    if (d && d->document && d->document->saveCopy()) showStatus(d->document->status());
}

void TMainForm::Zamknij1Click() {
    if (TMDIChild* d = activeDocument()) d->unload();
}

void TMainForm::Cofnij1Click() {
    if (IEditorFrame* f = activeFrame()) f->MenuUndo();
}
void TMainForm::EditCut1Execute() {
    if (IEditorFrame* f = activeFrame()) f->CutSelection();
}
void TMainForm::EditCopy1Execute() {
    if (IEditorFrame* f = activeFrame()) f->btnCopyClick();
}
void TMainForm::EditPaste1Execute() {
    if (IEditorFrame* f = activeFrame()) f->btnPasteClick();
}
void TMainForm::EditCut1Update() {
    IEditorFrame* f = activeFrame();
    EditCut1->setEnabled(f && f->cutEnabled());
}
void TMainForm::EditCopy1Update() {
    IEditorFrame* f = activeFrame();
    EditCopy1->setEnabled(f && f->copyEnabled());
}
void TMainForm::EditPaste1Update() {
    IEditorFrame* f = activeFrame();
    EditPaste1->setEnabled(f && f->pasteEnabled());
}
void TMainForm::Szukaj1Click() {
    if (IEditorFrame* f = activeFrame()) f->btnFindClick();
}

void TMainForm::Wstawdat1Click() {
    try {
        IEditorFrame* f = activeFrame();
        if (!f) return;
        std::time_t now = std::time(nullptr);
        std::tm t{};
        localtime_r(&now, &t);
        std::string day = localeWeekdayName(t.tm_wday);
        if (day.empty()) day = polishWeekdayName(t.tm_wday);
        f->InsertHTML(insertDateText(t, day));
    } catch (...) {
    }
}

void TMainForm::Podgldwprzegldarce1Click() {
    TMDIChild* d = activeDocument();
    if (d && d->document) d->document->preview();
}

void TMainForm::Obrazek1Click() {
    if (IEditorFrame* f = activeFrame()) f->btnImageClick();
}
void TMainForm::Obrazekjakoto1Click() {
    if (IEditorFrame* f = activeFrame()) f->SpeedButton3Click();
}
void TMainForm::Animowanytekst1Click() {
    if (IEditorFrame* f = activeFrame()) f->SpeedButton9Click();
}
void TMainForm::AnimacjFlash1Click() {
    if (IEditorFrame* f = activeFrame()) f->SpeedButton7Click();
}
void TMainForm::Film1Click() {
    if (IEditorFrame* f = activeFrame()) f->SpeedButton10Click();
}
void TMainForm::Muzykdwik1Click() {
    if (IEditorFrame* f = activeFrame()) f->SpeedButton8Click();
}
void TMainForm::abelk1Click() {
    if (IEditorFrame* f = activeFrame()) f->SpeedButton11Click();
}
void TMainForm::Pywajcwarstw1Click() {
    if (IEditorFrame* f = activeFrame()) f->btnUser4Click();
}
void TMainForm::Wa1Click() {
    if (IEditorFrame* f = activeFrame()) f->DHTMLondblclick();
}
void TMainForm::Odnonik1Click() {
    if (IEditorFrame* f = activeFrame()) f->SpeedButton1Click();
}

// ---------------------------------------------------------------------------
// The clip library.

void TMainForm::connectLibrary() {
    ListView3->onDblClick = guarded([this] { ListView3DblClick(); });
    ListView4->onChange = [this] { ListView4Change(); };
    ListView4->onDblClick = guarded([this] { SpeedButton12Click(); });
    SpeedButton10->onClick = guarded([this] { SpeedButton10Click(); });
    SpeedButton12->onClick = guarded([this] { SpeedButton12Click(); });
}

void TMainForm::ListView3DblClick() {
    int i = ListView3->selectedIndex();
    if (i < 0) return;
    std::string root = ClipLibrary::root(app_dir);
    lib_dir = ClipLibrary::enter(lib_dir, root, ListView3->caption(i), ListView3->imageIndex(i) == ClipLibrary::kBackImage);
    showItems(*ListView4, ClipLibrary::items(lib_dir));
    showItems(*ListView3, ClipLibrary::folders(lib_dir, root, tr("Wstecz")));
}

void TMainForm::ListView4Change() {
    // Errors are ignored; an item without a picture leaves the last one shown.
    try {
        for (const std::string& file : ClipLibrary::previewCandidates(lib_dir, selectedCaption(ListView4)))
            if (Image2->loadFile(files::realPath(file).string())) break;
    } catch (...) {
    }
}

void TMainForm::SpeedButton10Click() {
    std::string name = selectedCaption(ListView4);
    if (!ClipLibrary::plainName(name) || name.find(".ht") != std::string::npos) return;
    shell::execute("open", text::pathText(files::realPath(lib_dir + name)));
}

void TMainForm::SpeedButton12Click() {
    std::string name = selectedCaption(ListView4);
    if (!SpeedButton12->enabled() || !ClipLibrary::plainName(name)) return;
    IEditorFrame* frame = activeFrame();
    switch (ClipLibrary::insertKind(name)) {
    case ClipLibrary::Insert::Clip: macro_fill(lib_dir + name); break;
    case ClipLibrary::Insert::Image:
        if (frame) frame->EditImage(lib_dir + name);
        break;
    case ClipLibrary::Insert::Flash:
        if (frame) frame->EditFlash(lib_dir + name);
        break;
    case ClipLibrary::Insert::Sound:
        if (EditorForms* f = editorForms(); f && f->insert_snd) {
            if (auto* edit = dynamic_cast<TextBox*>(f->insert_snd->find("Edit1"))) edit->setText(lib_dir + name);
        }
        if (frame) frame->SpeedButton8Click();
        break;
    case ClipLibrary::Insert::None: break;
    }
}

void TMainForm::macro_fill(const std::string& path) {
    // A missing item ends here: the read error leaves the handler.
    ClipMacros clip(LoadTextFromFile(path), [this](const std::string& s) { return tr(s); });
    EditorForms* f = editorForms();
    Tmacros_vals* grid = f ? f->macros_vals.get() : nullptr;
    if (grid) {
        grid->clearRows();
        for (const std::string& key : clip.keys()) grid->addRow(key);
    }
    // Files go only into an open site.
    if (ClipLibrary::plainName(site_name))
        clip.copyFiles(app_dir + "data\\lib_res\\", app_dir + "webpages\\" + site_name + "\\");
    // The grid has only OK; its values are taken however it closes.
    if (grid && !clip.keys().empty()) grid->showGrid();
    std::string html = clip.fill(grid ? grid->values() : std::map<std::string, std::string>{});
    try {
        if (IEditorFrame* frame = activeFrame()) frame->InsertHTML(html);
    } catch (...) {
    }
}

}  // namespace pageeditor

namespace pageeditor {

// WM_LSTROKE: the letter at the caret of the active page, only while the
// pointer is over its editing area.
void TMainForm::WMPolishLetter(int wParam) {
    IEditorFrame* frame = activeFrame();
    if (!frame || !frame->MouseOverEditor()) return;
    frame->InsertHTML(std::string(1, wParam == 0 ? kSmallLStroke : kCapitalLStroke));
}

}  // namespace pageeditor
