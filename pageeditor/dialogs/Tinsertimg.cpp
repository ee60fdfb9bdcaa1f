#include "pageeditor/dialogs/Tinsertimg.h"

#include "files/FileSystem.h"
#include "forms/CheckBox.h"
#include "forms/ComboBox.h"
#include "forms/Image.h"
#include "forms/Label.h"
#include "forms/ModalAnswers.h"
#include "forms/PageControl.h"
#include "forms/Panel.h"
#include "forms/SpeedButton.h"
#include "forms/TabSheet.h"
#include "forms/TextBox.h"
#include "forms/Types.h"
#include "pageeditor/core/TextRoutines.h"
#include "pageeditor/dialogs/DialogSupport.h"
#include "pageeditor/dialogs/HandlerGuard.h"
#include "pageeditor/dialogs/IDialogHost.h"
#include "pageeditor/dialogs/PictureRules.h"
#include "pageeditor/dialogs/SiteCopy.h"
#include "pageeditor/dialogs/SpinEdit.h"
#include "pageeditor/dialogs/WholeNumber.h"
#include "text/CaseRules.h"
#include "text/CodePage.h"

namespace pageeditor {

using text::ansi;

namespace {
constexpr std::uint32_t clInfoBk = 0x00E1FFFF;
constexpr std::uint32_t clNavy = 0x00800000;
}  // namespace

std::string& Tinsertimg::LastPicture() {
    static std::string last;
    return last;
}

Tinsertimg::Tinsertimg() : EditorDialog("Tinsertimg", ansi("Obrazek:"), 480, 400, EditorDialog::EnterAndEsc) {
    OpenDialog1Title = ansi("Obrazek:");
    OpenDialog1Filter =
        "Pliki graficzne (*.bmp;*.jpg;*.jpeg;*.gif)|*.bmp;*.jpg;*.jpeg;*.gif|Bitmapy (*.bmp)|*.bmp|"
        "Bitmapy CompuServe (*.gif)|*.gif|JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg";
    // The create handler's list, made once for the whole run.
    AlignValues = {"", "LEFT", "RIGHT", "TOP", "BOTTOM", "MIDDLE"};
}

Tinsertimg::~Tinsertimg() = default;

void Tinsertimg::createControls() {
    using namespace forms;
    PageControl1 = add<PageControl>("PageControl1");
    PageControl1->move(8, 8, 464, 300);
    TabSheet1 = add<TabSheet>("TabSheet1", *PageControl1);
    TabSheet1->setCaption(ansi("&Opcje"));

    auto label = [this](const char* name, const char* caption, int x, int y, int w) {
        Label* l = add<Label>(name, TabSheet1);
        l->move(x, y + 4, w, 18);
        l->setShowAccelChar(true);
        l->setCaption(ansi(caption));
        return l;
    };
    auto spin = [this](const char* name, int x, int y, int w) {
        SpinEdit* s = add<SpinEdit>(name, TabSheet1, 0, kMaxFieldValue, 0);
        s->move(x, y, w, 24);
        s->onChange = [this, s] { runHandler([this, s] { SpinEdit1Change(*s); }); };
        return s;
    };
    Label1 = label("Label1", "&Nazwa pliku:", 10, 10, 120);
    Edit971 = add<TextBox>("Edit971", TabSheet1);
    Edit971->move(134, 10, 280, 24);
    Edit971->onChange = [this] { runHandler([this] { Edit971Change(); }); };
    SpeedButton3 = add<SpeedButton>("SpeedButton3", TabSheet1);
    SpeedButton3->move(418, 10, 28, 24);
    SpeedButton3->setCaption("...");
    SpeedButton3->setHint(ansi("Wybierz plik"));
    SpeedButton3->onClick = guarded([this] { SpeedButton3Click(); });
    Label2 = label("Label2", "&Obramowanie:", 10, 42, 120);
    SpinEdit1 = spin("SpinEdit1", 134, 42, 70);
    Label3 = label("Label3", "&Rozmiar:", 10, 74, 120);
    SpinEdit2 = spin("SpinEdit2", 134, 74, 70);
    Label4 = label("Label4", "&x", 210, 74, 14);
    SpinEdit3 = spin("SpinEdit3", 228, 74, 70);
    Label5 = label("Label5", "&Opis:", 10, 106, 120);
    Edit972 = add<TextBox>("Edit972", TabSheet1);
    Edit972->move(134, 106, 312, 24);
    Label6 = label("Label6", "&Zawijanie tekstu:", 10, 138, 120);
    ComboBox1 = add<ComboBox>("ComboBox1", TabSheet1, ComboBox::Style::DropDownList);
    ComboBox1->move(134, 138, 200, 24);
    for (const char* item : {"Nie ustawiono", "Obrazek do lewej", "Obrazek do prawej", "Obrazek na górze",
                             "Obrazek na dole", "Obrazek na środku"})
        ComboBox1->addItem(ansi(item));

    Panel1 = add<Panel>("Panel1", TabSheet1);
    Panel1->move(10, 172, 436, 90);
    Panel1->setBevel(Panel::Bevel::Lowered);
    Panel1->setVisible(false);
    auto line = [this](const char* name, const char* caption, int y) {
        Label* l = add<Label>(name, Panel1);
        l->move(8, y, 420, 18);
        l->setCaption(ansi(caption));
        return l;
    };
    Label7 = line("Label7", "Wybrany obrazek ma bardzo duży rozmiar i dlatego", 6);
    Label8 = line("Label8", "może być źle lub wolno wyświetlany.", 24);
    Label9 = line("Label9", "Zalecamy zmienić rozmiar obrazka:", 42);
    auto link = [this](const char* name, const char* caption, int x, int w, void (Tinsertimg::*handler)()) {
        Label* l = add<Label>(name, Panel1);
        l->move(x, 64, w, 18);
        l->setCaption(ansi(caption));
        Font f;
        f.underline = true;
        l->setFont(f);
        l->setForeColor(clNavy);
        l->onClick = guarded([this, handler] { (this->*handler)(); });
        return l;
    };
    Label10 = link("Label10", "średni", 8, 60, &Tinsertimg::Label10Click);
    Label11 = link("Label11", "mały", 76, 50, &Tinsertimg::Label11Click);
    Label12 = link("Label12", "miniaturka", 134, 90, &Tinsertimg::Label12Click);

    TabSheet2 = add<TabSheet>("TabSheet2", *PageControl1);
    TabSheet2->setCaption(ansi("&Podgląd"));
    ScrollBox1 = add<Panel>("ScrollBox1", TabSheet2);
    ScrollBox1->setAlign(Align::Client);
    ScrollBox1->setBackColor(clInfoBk);
    Image2 = add<Image>("Image2", ScrollBox1);
    Image2->move(0, 0, 1, 1);
    Image1 = add<Image>("Image1", TabSheet2);
    Image1->setVisible(false);
    TabSheet1->activate();

    CheckBox1 = add<CheckBox>("CheckBox1");
    CheckBox1->move(12, 318, 240, 22);
    CheckBox1->setCaption(ansi("&Pozycja względem tekstu"));
    // A first picture stays in the text flow.
    CheckBox1->setValue(1);

    SpeedButton1 = addButton("SpeedButton1", "&OK", 336, 316, 64, 64, [this] { SpeedButton1Click(); });
    SpeedButton2 = addButton("SpeedButton2", "&Anuluj", 406, 316, 64, 64, [this] { SpeedButton2Click(); });
    setOkCancelGlyphs(SpeedButton1, SpeedButton2);
}

void Tinsertimg::onKeyDown(int& keyCode, int /*shift*/) {
    okCancelKeys(keyCode, [this] { SpeedButton1Click(); }, [this] { SpeedButton2Click(); });
}

void Tinsertimg::onShow() {
    runHandler([this] {
        Edit972->setText(win(Edit972->text()));
        std::string name = Edit971->text();
        if (name.find("file://") != std::string::npos) Edit971->setText(name.size() > 7 ? name.substr(7) : "");
        // The style size without its unit ("120px"); a size that is no number
        // so ends the handler here.
        auto fromStyle = [](const std::string& style, SpinEdit& edit) {
            long v = 0;
            if (style.size() < 2 || !parseWholeNumber(style.substr(0, style.size() - 2), v))
                throw std::runtime_error("style size");
            edit.setValue(v);
        };
        if (!StyleWidth.empty()) fromStyle(StyleWidth, *SpinEdit2);
        if (!StyleHeight.empty()) fromStyle(StyleHeight, *SpinEdit3);
    });
}

std::string Tinsertimg::mediaFolder() const {
    const IDialogHost* host = dialogHost();
    if (!host) return "";
    return host->appDir() + "webpages\\" + host->siteName() + "\\data\\";
}

void Tinsertimg::message(const std::string& text, const std::string& caption, int flags) const {
    editorMessageBox(text, caption, flags);
}

std::string Tinsertimg::findFile(const std::string& name) const {
    if (name.empty()) return "";
    std::string found;
    const std::string media = mediaFolder();
    if (!media.empty()) {
        // A bare name in the media folder, or the page's own relative
        // address ("data/a.jpg") from the site folder the pages lie in.
        const std::string site = media.substr(0, media.size() - std::string("data\\").size());
        for (const std::string& candidate : {withSeparators(media + name, '\\'), withSeparators(site + name, '\\')})
            if (files::isFile(files::realPath(candidate))) {
                found = candidate;
                break;
            }
    }
    if (files::isFile(files::realPath(name))) found = name;
    return found;
}

bool Tinsertimg::loadPreview(const std::string& file) {
    // Decoded only as far as the largest scaled copy needs: that checks the
    // whole picture and gives its size without holding all its pixels.
    image::Picture::Failure why = image::Picture::Failure::None;
    image::Picture p = image::Picture::loadScaled(files::realPath(file), 640, 480, &why);
    previewCurrent_ = !p.isNull();
    if (p.isNull()) {
        const bool refused = why == image::Picture::Failure::Impossible || why == image::Picture::Failure::NoMemory ||
                             why == image::Picture::Failure::Damaged;
        if (refused && refusedFile_ != file) {
            refusedFile_ = file;
            message(ansi("Nie można wczytać tego obrazka: plik jest uszkodzony albo obrazek jest zbyt duży."),
                    ansi("Błąd"), 16);
        }
        return false;
    }
    refusedFile_.clear();
    preview_ = std::move(p);
    previewFile_ = file;
    Image2->setPicture(files::realPath(file).string());
    Image2->resize(preview_.sourceWidth(), preview_.sourceHeight());
    SpinEdit2->setValue(preview_.sourceWidth());
    SpinEdit3->setValue(preview_.sourceHeight());
    return true;
}

bool Tinsertimg::resizePanelShown() const { return Panel1 && Panel1->visible(); }

void Tinsertimg::Edit971Change() {
    const std::string name = Edit971->text();
    std::string file = findFile(name);
    if (file.empty() || !loadPreview(file)) return;
    Panel1->setVisible(resizeAdvised(SpinEdit2->value(), name));
}

void Tinsertimg::SpeedButton3Click() {
    forms::FileDialogRequest r;
    r.kind = forms::FileDialogRequest::Open;
    r.title = OpenDialog1Title;
    r.filter = OpenDialog1Filter;
    std::string path;
    if (!forms::modal().fileDialog(r, path)) return;
    if (!path.empty()) LastPicture() = files::platformName(path);
    Edit971->setText(LastPicture());
    loadPreview(LastPicture());
}

void Tinsertimg::Label10Click() { scaledCopy("m_", 640, 480); }
void Tinsertimg::Label11Click() { scaledCopy("s_", 320, 240); }
void Tinsertimg::Label12Click() { scaledCopy("min_", 100, 75); }

void Tinsertimg::scaledCopy(const std::string& prefix, int width, int height) {
    Image1->setVisible(true);
    Image1->resize(width, height);
    SpinEdit2->setValue(width);
    SpinEdit3->setValue(height);
    const std::string name = Edit971->text();
    const std::string ext = text::lower(ext_of(name));
    const bool bmp = ext == ".bmp", jpeg = ext == ".jpg" || ext == ".jpeg";
    if (!bmp && !jpeg) {
        Edit971->setText(prefixedName(name, prefix));
        Image1->setVisible(false);
        return;
    }
    // The copy is made of the picture the preview shows, beside its file; an
    // earlier copy of that name is replaced (the source never is: its name
    // has no prefix added).
    // Nor is a copy made of a picture that was refused: the preview then
    // still shows an earlier one.
    if (preview_.isNull() || previewFile_.empty() || !previewCurrent_) {
        Image1->setVisible(false);
        return;
    }
    const std::string folder = folderOfName(previewFile_);
    const std::string copyName = prefix + bareFileName(previewFile_);
    image::Picture source = image::Picture::loadScaled(files::realPath(previewFile_), width, height);
    image::Picture scaled = (source.isNull() ? preview_ : source).stretched(width, height);
    std::string bytes;
    const bool written = (bmp ? scaled.encodeBmp(bytes) : scaled.encodeJpeg(bytes, 90)) &&
                         files::writeFile(files::realPath(folder + copyName), bytes);
    Image1->setVisible(false);
    if (!written) {
        message(ansi("Nie udało się zapisać pomniejszonej kopii obrazka."), ansi("Błąd"), 16);
        return;
    }
    // The name field names the copy the same way it named the source.
    Edit971->setText(folderOfName(name) + copyName);
}

void Tinsertimg::SpinEdit1Change(SpinEdit& edit) {
    long v = 0;
    if (parseWholeNumber(edit.text(), v) && v < 0) edit.setValue(0);
}

std::string Tinsertimg::chosenAlign() const {
    int i = ComboBox1->listIndex();
    return i >= 0 && i < static_cast<int>(AlignValues.size()) ? AlignValues[static_cast<std::size_t>(i)] : "";
}

void Tinsertimg::SpeedButton1Click() {
    if (Edit971->text().empty()) {
        message(ansi("Musisz podać nazwę pliku obrazka."), ansi("Informacja:"), 64);
        return;
    }
    for (SpinEdit* s : {SpinEdit1, SpinEdit2, SpinEdit3}) {
        if (!isWholeNumber(s->text())) {
            message(ansi("Obramowanie i rozmiar obrazka muszą być liczbami całkowitymi."), ansi("Informacja:"), 64);
            s->setFocus();
            return;
        }
    }
    const std::string name = Edit971->text();
    const std::string media = mediaFolder();
    PageNameKept = !PageName.empty() && name == PageName;
    std::string copied = media.empty() || PageNameKept ? bareFileName(name) : copyIntoMedia(name, media);
    ImageWidth = SpinEdit2->value();
    ImageHeight = SpinEdit3->value();
    if (!isWebAddress(name)) {
        // The shorter name looks the picture up again, which shows its
        // natural size; the size written is the one the user left.
        Edit971->setText(copied);
        SpinEdit2->setValue(ImageWidth);
        SpinEdit3->setValue(ImageHeight);
    }
    Edit972->setText(iso(Edit972->text()));
    setModalResult(1);
}

void Tinsertimg::SpeedButton2Click() { setModalResult(2); }

}  // namespace pageeditor
