#include "htmledit/EditControl.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>

#include <fstream>
#include <iterator>

#include "files/FileSystem.h"
#include "forms/ModalAnswers.h"
#include "htmledit/ControlCore.h"
#include "htmledit/Error.h"
#include "htmledit/MarkupNotes.h"
#include "htmledit/ValueBridge.h"
#include "text/CodePage.h"
#include "text/Paths.h"

namespace htmledit {

using namespace text::literals;

namespace {

const char* kBlank = "<HTML><HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n<BODY></BODY></HTML>";
const char* kPageFilter = "Strony WWW (*.htm;*.html)|*.htm;*.html|Wszystkie pliki|*.*";

// A whole document as the engine takes it. The line break that ends the
// file after "</HTML>" is left out: the parser would put it at the end of
// the body, and each save and load would add one more.
QString annotated(std::u16string html) {
    std::size_t end = html.size();
    while (end > 0 && (html[end - 1] == u'\r' || html[end - 1] == u'\n' || html[end - 1] == u' ' || html[end - 1] == u'\t'))
        --end;
    auto upper = [](char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; };
    if (end >= 7 && end < html.size()) {
        bool closesHtml = true;
        for (std::size_t i = 0; i < 7; ++i) closesHtml = closesHtml && upper(html[end - 7 + i]) == u"</HTML>"[i];
        if (closesHtml) html.resize(end);
    }
    return QString::fromStdU16String(MarkupNotes::annotate(html));
}

bool clipboardHasContent() {
    const QMimeData* m = QGuiApplication::clipboard()->mimeData();
    return m && (m->hasText() || m->hasHtml() || m->hasImage());
}

}  // namespace

EditControl::EditControl(QWidget* parent) : core_(std::make_shared<ControlCore>(parent)) {}

EditControl::~EditControl() { core_->shutdown(); }

QWidget* EditControl::widget() const { return core_->view(); }

void EditControl::focus() {
    if (auto* v = core_->view()) v->setFocus(Qt::OtherFocusReason);
}

void EditControl::execCommand(int id, int, const Value&, Value* output) {
    if (output) *output = Value();
    switch (id) {
    case ctl::Bold:
    case ctl::Italic:
    case ctl::Underline:
    case ctl::Copy:
    case ctl::Cut:
    case ctl::Paste:
    case ctl::Unlink: break;
    default: throw Error("the control has no command " + std::to_string(id));
    }
    core_->call("control", {id});
}

int EditControl::queryStatus(int id) {
    switch (id) {
    case ctl::Bold:
    case ctl::Italic:
    case ctl::Underline:
    case ctl::Copy:
    case ctl::Cut:
    case ctl::Paste:
    case ctl::Unlink: break;
    default: return 0;
    }
    if (!core_->ready()) return 1;
    return core_->call("controlStatus", {id, id == ctl::Paste && clipboardHasContent()}).toInt();
}

void EditControl::newDocument() {
    byteOrderMark_ = false;
    charsetByMark_ = false;
    core_->setBaseUrl({});
    core_->load(QString::fromLatin1(kBlank), true);
}

bool EditControl::loadDocument(const std::string& path, bool prompt) {
    std::string chosen = path;
    std::filesystem::path file;
    if (prompt) {
        forms::FileDialogRequest req;
        req.kind = forms::FileDialogRequest::Open;
        req.title = "Otwórz stronę"_w;
        req.filter = kPageFilter;
        std::string answer;
        if (!forms::modal().fileDialog(req, answer) || answer.empty()) return false;
        file = std::filesystem::path(std::u8string(answer.begin(), answer.end()));
    } else {
        if (path.empty()) return false;
        file = text::toPath(path);
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) throw Error("Nie można otworzyć pliku " + chosen);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw Error("Nie można odczytać pliku " + chosen);
    text::PageCharset cs = text::PageCharset::declaredIn(std::string_view(bytes));
    byteOrderMark_ = text::PageCharset::startsWithByteOrderMark(bytes);
    charsetByMark_ = text::PageCharset::declaredByByteOrderMark(bytes);
    std::error_code ec;
    auto abs = std::filesystem::absolute(file, ec);
    core_->setBaseUrl(QUrl::fromLocalFile(QString::fromStdU16String(ec ? file.u16string() : abs.u16string())).toString());
    core_->load(annotated(cs.decodeFile(bytes)), true);
    return true;
}

bool EditControl::saveDocument(const std::string& path, bool prompt) {
    std::filesystem::path file;
    if (path.empty()) {
        if (!prompt) return false;
        forms::FileDialogRequest req;
        req.kind = forms::FileDialogRequest::Save;
        req.title = "Zapisz stronę"_w;
        req.filter = kPageFilter;
        std::string answer;
        if (!forms::modal().fileDialog(req, answer) || answer.empty()) return false;
        file = std::filesystem::path(std::u8string(answer.begin(), answer.end()));
    } else {
        file = text::toPath(path);
    }
    QString html = core_->documentText();
    // The last line of the file ends as every other line does.
    if (!html.isEmpty() && !html.endsWith(QLatin1Char('\n'))) html += QStringLiteral("\r\n");
    // The charset the document declares now (its META may have changed). A
    // page read as UTF-8 by its byte order mark (which goes before any META,
    // as it did when the page was read) is written back as it was, with it;
    // a mark before text in another charset goes back before it as well.
    text::PageCharset cs = charsetByMark_ ? text::PageCharset(text::PageCharset::Utf8)
                                          : text::PageCharset::fromName(core_->call("charset").toString().toStdString());
    std::string bytes = cs.encodeFile(html.toStdU16String());
    if (byteOrderMark_) bytes.insert(0, text::PageCharset::kByteOrderMark);
    // All or nothing: a failed save leaves the file as it was and the page unsaved.
    std::error_code failure;
    if (!files::writeFile(file, bytes, files::Access::Normal, &failure)) {
        std::string name = path;
        if (name.empty()) text::fromPath(file, name);
        throw Error(files::saveFailedText(name, failure));
    }
    core_->call("clean");
    return true;
}

Document EditControl::dom() const { return Document(core_); }

std::string EditControl::documentHTML() const {
    return ControlCore::outMarkup(core_->documentText());
}

void EditControl::setDocumentHTML(std::string_view html) {
    const bool fresh = !core_->ready();
    core_->load(annotated(text::PageCharset::fromProgram(html)), fresh);
}

std::string EditControl::baseURL() const { return core_->out(core_->baseUrl()); }

void EditControl::setBaseURL(std::string_view url) {
    QString u = core_->in(url);
    QUrl parsed(u);
    if (!u.isEmpty() && (parsed.scheme().size() <= 1))  // a plain path, or a drive letter
        u = QUrl::fromLocalFile(u).toString();
    core_->setBaseUrl(u);
}

bool EditControl::isDirty() const {
    if (!core_->ready()) return false;
    return core_->call("dirty").toBool();
}

Events& EditControl::events() { return core_->events; }

bool EditControl::documentReady() const { return core_->ready(); }

int EditControl::completedDocuments() const { return core_->completed; }

bool EditControl::waitForDocuments(int count, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (core_->completed < count) {
        if (clock.elapsed() > timeoutMs) return false;
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    // Let the queued DocumentComplete reach its handler.
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
    return true;
}

std::string EditControl::evaluate(std::string_view script) {
    return core_->out(core_->evaluate(core_->in(script)).toString());
}

}  // namespace htmledit
