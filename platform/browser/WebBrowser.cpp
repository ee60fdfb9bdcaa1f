#include "browser/WebBrowser.h"

#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBrowser>
#include <QUrl>

#include <vector>

#include "forms/EventBridge.h"
#include "forms/ModalAnswers.h"
#include "forms/ModalWindow.h"
#include "forms/QtAccess.h"
#include "text/PageCharset.h"
#include "text/LineFile.h"

namespace browser {

struct WebBrowser::Impl {
    std::vector<std::string> history;
    int pos = -1;
    std::unique_ptr<QPrinter> printer;
};

namespace {
QTextBrowser* viewOf(const forms::Control& c) { return static_cast<QTextBrowser*>(forms::widgetOf(c)); }

// Decodes a page by the character set it declares; Windows-1250 when none.
QString decodePage(const std::string& bytes) {
    return QString::fromStdU16String(text::PageCharset::declaredIn(bytes).decodeFile(bytes));
}

std::string localPathOf(const std::string& path) {
    QString p = QString::fromStdString(path);
    if (p.startsWith(QLatin1String("file:"))) return QUrl(p).toLocalFile().toStdString();
    return path;
}

QString errorPage(const QString& what) {
    return QStringLiteral("<html><body><h3>Nie można wyświetlić strony</h3><p>%1</p></body></html>")
        .arg(what.toHtmlEscaped());
}
}  // namespace

WebBrowser::WebBrowser(forms::Form& form, std::string name, forms::Control* container)
    : Control(form, std::move(name), container), b_(std::make_unique<Impl>()) {
    auto* v = new QTextBrowser;
    v->setOpenLinks(false);
    v->setOpenExternalLinks(false);
    forms::attachWidget(*this, v);
    impl().synthesizeClick = false;
    impl().bridge->watch(v->viewport());
    QObject::connect(v, &QTextBrowser::anchorClicked, impl().bridge,
                     [this](const QUrl& link) { followLink(link.toString().toStdString()); });
}

void WebBrowser::followLink(const std::string& href) {
    QTextBrowser* view = viewOf(*this);
    QUrl base = view->document()->baseUrl();
    QUrl target = base.resolved(QUrl(QString::fromStdString(href)));
    if (target.isLocalFile() || target.scheme().isEmpty()) {
        std::string p = target.toLocalFile().toStdString();
        QFileInfo info(QString::fromStdString(p));
        if (!p.empty() && info.isFile() && info.isReadable()) {
            navigate(p);
            return;
        }
        view->setHtml(errorPage(target.toString()));
        if (auto fn = onNavigateError) fn(target.toString().toStdString());
        return;
    }
    // Web and mail addresses go to the desktop's own programs.
    // (escaped: plain ASCII, the same in every code page).
    forms::modal().shellExecute("Open", target.toString(QUrl::FullyEncoded).toStdString(), "", "");
}

WebBrowser::~WebBrowser() = default;

bool WebBrowser::navigate(const std::string& path) { return show(localPathOf(path), true); }

bool WebBrowser::show(const std::string& path, bool record) {
    QTextBrowser* v = viewOf(*this);
    std::string bytes;
    QFileInfo info(QString::fromStdString(path));
    if (path.empty() || !info.isFile() || !text::readFile(path, bytes)) {
        v->setHtml(errorPage(QString::fromStdString(path)));
        if (auto fn = onNavigateError) fn(QUrl::fromLocalFile(QString::fromStdString(path)).toString().toStdString());
        return false;
    }
    QString html = decodePage(bytes);
    v->document()->setBaseUrl(QUrl::fromLocalFile(info.absolutePath() + QLatin1Char('/')));
    v->setHtml(html);
    if (record) {
        b_->history.resize(static_cast<std::size_t>(b_->pos + 1));
        b_->history.push_back(info.absoluteFilePath().toStdString());
        b_->pos = static_cast<int>(b_->history.size()) - 1;
    }
    if (auto fn = onDocumentComplete) fn(info.absoluteFilePath().toStdString());
    return true;
}

bool WebBrowser::canGoBack() const { return b_->pos > 0; }
bool WebBrowser::canGoForward() const { return b_->pos + 1 < static_cast<int>(b_->history.size()); }

bool WebBrowser::goBack() {
    if (!canGoBack()) return false;
    --b_->pos;
    show(b_->history[static_cast<std::size_t>(b_->pos)], false);
    return true;
}

bool WebBrowser::goForward() {
    if (!canGoForward()) return false;
    ++b_->pos;
    show(b_->history[static_cast<std::size_t>(b_->pos)], false);
    return true;
}

std::string WebBrowser::locationPath() const {
    return b_->pos >= 0 ? b_->history[static_cast<std::size_t>(b_->pos)] : std::string();
}

std::string WebBrowser::plainText() const { return viewOf(*this)->toPlainText().toStdString(); }

bool WebBrowser::execCommand(int command, bool prompt) {
    if (!b_->printer) b_->printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The browser's own windows belong to the window the user works in (the
    // print list asks for them and stays on top), else to the one that shows
    // the page.
    QWidget* parent = forms::modalOwner();
    if (!parent) parent = forms::widgetOf(*this)->window();
    if (command == PageSetup) {
        QPageSetupDialog dlg(b_->printer.get(), parent);
        forms::raiseAboveKeptOnTop(dlg);
        return dlg.exec() == QDialog::Accepted;
    }
    if (command == Print) {
        if (prompt) {
            QPrintDialog dlg(b_->printer.get(), parent);
            forms::raiseAboveKeptOnTop(dlg);
            if (dlg.exec() != QDialog::Accepted) return false;
        }
        viewOf(*this)->document()->print(b_->printer.get());
        return true;
    }
    return false;
}

}  // namespace browser
