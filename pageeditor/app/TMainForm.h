#pragma once
// The editor's main window: menus, toolbar, the side panel with the site and
// library tabs, the document area, and the fields every other part of the
// editor reads (app_dir, lib_dir, site_name). Its commands act on the editor
// frame of the active document window.
#include <memory>
#include <string>
#include <vector>

#include "forms/Form.h"
#include "pageeditor/core/DocumentList.h"
#include "pageeditor/core/MessageList.h"
#include "pageeditor/core/NewPage.h"
#include "pageeditor/core/SiteLists.h"
#include "pageeditor/core/Sites.h"
#include "pageeditor/frame/IFrameHost.h"

namespace forms {
class Action;
class ActionList;
class ImageList;
class ImageView;
class ListView;
class MainMenu;
class MdiArea;
class MenuItem;
class PageControl;
class Panel;
class PopupMenu;
class SpeedButton;
class Splitter;
class StatusBar;
class TabSheet;
class ToolBar;
class ToolButton;
}  // namespace forms

namespace pageeditor {

class IEditorFrame;
class TMDIChild;

// The main window is the host of the editor frames and their dialogs.
class TMainForm : public forms::Form, public IFrameHost {
public:
    TMainForm();
    ~TMainForm() override;

    // Fields read by the rest of the editor.
    std::string app_dir;    // the program folder, ending in "\"
    std::string lib_dir;    // the clip-library folder shown
    std::string site_name;  // the open site; empty until one is opened

    // Program-wide values beside the window.
    bool keyboardHookWanted = false;     // the browser is older than version 6
    bool keyboardHookInstalled = false;
    MessageList messages;
    DocumentList documents{messages};
    // The open site and its lists, and the new-page logic.
    Sites sites{messages, ""};
    NewPage newPage{messages, sites};

    // The program folder the create handler takes app_dir from (the folder of
    // the program file unless set before the window is created).
    static void setProgramFolder(const std::string& folder);

    // Message translation (the message list) and the editor's message box.
    std::string tr(const std::string& text) const override { return messages.tr(text); }
    std::string retr(const std::string& text) const { return messages.retr(text); }
    int MyBox(const std::string& message, const std::string& caption, int flags) const override {
        return messages.MyBox(message, caption, flags);
    }

    // app_dir, site_name and the captions of the page list (ListView1), as
    // the frame and its dialogs ask for them.
    std::string appDir() const override { return app_dir; }
    std::string siteName() const override { return site_name; }
    std::vector<std::string> pageNames() const override;

    // Site commands (0 off, 1 on) and document commands.
    void enable(int state);
    void enable2(int state);

    // Document windows. doc_open opens a page (an editor path) in a new
    // window, which becomes the active one; null when the page did not load
    // (the window is closed again). A page that has a window already is not
    // opened again: that window becomes the active one.
    TMDIChild* doc_open(const std::string& path);
    TMDIChild* activeDocument() const;
    IEditorFrame* activeFrame() const override;
    std::vector<TMDIChild*> documentWindows() const;
    void documentWindowClosed(TMDIChild& window);
    void showStatus(const std::string& text);
    // A document window given a client size inside the document area.
    bool sizeDocumentWindow(forms::Form& window, int width, int height) override;
    // Shows the items of a list filler in a list view.
    static void showItems(forms::ListView& view, const ItemList& items);

    // Sites: a new site through the settings dialog, opening one by name, a
    // key of a site's project file.
    void page_new();
    bool page_open(const std::string& name);
    std::string GetPageVal(const std::string& site, const std::string& key) const {
        return sites.GetPageVal(site, key);
    }

    // Handlers, named as the commands they serve.
    void FormCreate();
    void FormShow();
    bool FormCloseQuery();
    void FormClose();
    // WM_LSTROKE of the l-stroke hook: 0 inserts ł, anything else Ł.
    void WMPolishLetter(int wParam);
    void FileNew1Execute();
    void FileOpen1Execute();
    void FileExit1Execute();
    void HelpAbout1Execute();
    void Eksportujplikistronydokatalogu1Click();
    void PrzygotujstronjakoprezentacjnaCD1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    // The site tab: settings, and the commands of the page list (ListView1)
    // and the media list (ListView2) on their selected item.
    void SpeedButton1Click();
    void SpeedButton5Click();  // edit the page
    void SpeedButton4Click();  // delete the page
    void Otwrz1Click();        // the page in its default program
    void SpeedButton9Click();  // link to the page
    void SpeedButton6Click();  // insert the media file
    void Wstawodnonikdopliku1Click();
    void SpeedButton8Click();  // the media file in its default program
    void SpeedButton7Click();  // delete the media file
    void ListView2Change();    // preview of the media file
    void Zapisz1Click();
    void Zapiszkopi1Click();
    void Zamknij1Click();
    void Cofnij1Click();
    void EditCut1Execute();
    void EditCopy1Execute();
    void EditPaste1Execute();
    void EditCut1Update();
    void EditCopy1Update();
    void EditPaste1Update();
    void Szukaj1Click();
    void Wstawdat1Click();
    void Podgldwprzegldarce1Click();
    void Obrazek1Click();
    void Obrazekjakoto1Click();
    void Animowanytekst1Click();
    void AnimacjFlash1Click();
    void Film1Click();
    void Muzykdwik1Click();
    void abelk1Click();
    void Pywajcwarstw1Click();
    void Wa1Click();
    void Odnonik1Click();
    // The library tab: folders (ListView3), items (ListView4), the preview
    // (Image2), open (SpeedButton10) and insert (SpeedButton12).
    void ListView3DblClick();
    void ListView4Change();
    void SpeedButton10Click();
    void SpeedButton12Click();
    // Fills the macros of a clip item and inserts it into the active page.
    void macro_fill(const std::string& path);

    // Components, in the order the window creates them (the language pack
    // addresses them by that position).
    forms::ToolBar* ToolBar2 = nullptr;
    forms::ToolButton *ToolButton15 = nullptr, *ToolButton13 = nullptr, *ToolButton17 = nullptr,
                      *ToolButton1 = nullptr, *ToolButton2 = nullptr, *ToolButton9 = nullptr,
                      *ToolButton3 = nullptr, *ToolButton4 = nullptr, *ToolButton5 = nullptr,
                      *ToolButton6 = nullptr, *ToolButton7 = nullptr, *ToolButton12 = nullptr,
                      *ToolButton16 = nullptr, *ToolButton14 = nullptr, *ToolButton8 = nullptr,
                      *ToolButton10 = nullptr, *ToolButton11 = nullptr;
    forms::Panel* Panel1 = nullptr;
    forms::PageControl* PageControl1 = nullptr;
    forms::TabSheet* TabSheet1 = nullptr;
    forms::Panel* Panel2 = nullptr;
    forms::SpeedButton *SpeedButton1 = nullptr, *SpeedButton2 = nullptr;
    forms::PageControl* PageControl2 = nullptr;
    forms::TabSheet* TabSheet3 = nullptr;
    forms::ListView* ListView1 = nullptr;
    forms::Panel* Panel3 = nullptr;
    forms::SpeedButton *SpeedButton3 = nullptr, *SpeedButton4 = nullptr, *SpeedButton5 = nullptr,
                       *SpeedButton9 = nullptr;
    forms::TabSheet* TabSheet4 = nullptr;
    forms::ListView* ListView2 = nullptr;
    forms::Panel* Panel4 = nullptr;
    forms::SpeedButton *SpeedButton6 = nullptr, *SpeedButton7 = nullptr, *SpeedButton8 = nullptr;
    forms::Splitter* Splitter2 = nullptr;
    forms::Panel* Panel5 = nullptr;
    forms::ImageView* Image1 = nullptr;
    forms::TabSheet* TabSheet2 = nullptr;
    forms::ListView* ListView3 = nullptr;
    forms::Splitter* Splitter3 = nullptr;
    forms::Panel* Panel6 = nullptr;
    forms::ListView* ListView4 = nullptr;
    forms::Panel* Panel7 = nullptr;
    forms::SpeedButton *SpeedButton10 = nullptr, *SpeedButton12 = nullptr;
    forms::Splitter* Splitter4 = nullptr;
    forms::Panel* Panel8 = nullptr;
    forms::ImageView* Image2 = nullptr;
    forms::Splitter* Splitter1 = nullptr;
    forms::StatusBar* StatusBar = nullptr;
    forms::MdiArea* MdiArea1 = nullptr;
    forms::ActionList* ActionList1 = nullptr;
    forms::Action *FileNew1 = nullptr, *FileOpen1 = nullptr, *FileExit1 = nullptr, *EditCut1 = nullptr,
                  *EditCopy1 = nullptr, *EditPaste1 = nullptr, *HelpAbout1 = nullptr,
                  *WindowCascade1 = nullptr, *WindowTileHorizontal1 = nullptr, *WindowTileVertical1 = nullptr,
                  *WindowMinimizeAll1 = nullptr, *WindowArrange1 = nullptr;
    forms::MainMenu* MainMenu1 = nullptr;
    forms::MenuItem *Plik1 = nullptr, *Nowastrona1 = nullptr, *Otwrzstron1 = nullptr, *N1 = nullptr,
                    *Dodajdokumentdostrony1 = nullptr, *Zapisz1 = nullptr, *Zapiszkopi1 = nullptr,
                    *Zamknij1 = nullptr, *Podgldwprzegldarce1 = nullptr, *N2 = nullptr,
                    *Publikujstronwsieci1 = nullptr, *Eksportujplikistronydokatalogu1 = nullptr,
                    *PrzygotujstronjakoprezentacjnaCD1 = nullptr, *N3 = nullptr, *Koniec1 = nullptr;
    forms::MenuItem *Edycja1 = nullptr, *Cofnij1 = nullptr, *N4 = nullptr, *Wytnij1 = nullptr, *Kopiuj1 = nullptr,
                    *Wklej1 = nullptr, *N5 = nullptr, *Szukaj1 = nullptr, *Wstawdat1 = nullptr;
    forms::MenuItem *Wstaw1 = nullptr, *Obrazek1 = nullptr, *Obrazekjakoto1 = nullptr, *N6 = nullptr,
                    *Animowanytekst1 = nullptr, *AnimacjFlash1 = nullptr, *Film1 = nullptr, *Muzykdwik1 = nullptr,
                    *N7 = nullptr, *abelk1 = nullptr, *Pywajcwarstw1 = nullptr;
    forms::MenuItem *Element1 = nullptr, *Wa1 = nullptr, *Odnonik1 = nullptr;
    forms::MenuItem *Okna1 = nullptr, *Kaskada1 = nullptr, *Wyrwnajpoziomo1 = nullptr, *Wyrwnajpionowo1 = nullptr,
                    *Minimalizujwszystkie1 = nullptr, *Ustawokna1 = nullptr;
    forms::MenuItem *Pomoc1 = nullptr, *Oprogramie1 = nullptr;
    forms::PopupMenu* PopupMenu1 = nullptr;
    forms::MenuItem *Edytuj1 = nullptr, *Usu1 = nullptr, *Otwrz1 = nullptr, *Wstawodnonik1 = nullptr;
    forms::PopupMenu* PopupMenu2 = nullptr;
    forms::MenuItem *Wstawdodokumentu1 = nullptr, *Wstawodnonikdopliku1 = nullptr, *Otwrz2 = nullptr,
                    *Usuplik1 = nullptr;
    forms::ImageList *ImageList1 = nullptr, *ImageList2 = nullptr, *ImageList3 = nullptr;

protected:
    void createControls() override;
    void onLoad() override;
    void onShow() override;
    void onQueryUnload(bool& cancel, bool fromUser) override;
    void onUnload(bool& cancel) override;

private:
    void createToolbar();
    void createSidePanel();
    void createCommands();
    void createMenus();
    void connectSiteLists();
    void connectLibrary();
    void showSiteLists();
    static std::string selectedCaption(const forms::ListView* view);
    void restorePlacement();
    void storePlacement();

    bool shown_ = false;
    std::vector<std::unique_ptr<TMDIChild>> documents_;
    std::vector<std::unique_ptr<TMDIChild>> closed_;
};

// The main window of the running program (null before it is created).
TMainForm* MainForm();

}  // namespace pageeditor
