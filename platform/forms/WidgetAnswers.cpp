#include "forms/WidgetAnswers.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

#include "forms/Application.h"
#include "forms/ModalWindow.h"
#include "forms/QtAccess.h"

namespace forms {

namespace {
// The text of a message box cut, where it must be, so that the box stays
// within the screen: a message box lays a long text out in lines of at most
// about 500 pixels (half a narrow screen), and its frame, icon and buttons
// take about 200 more.
QString fittedMessage(const QString& text, const QFont& font, const QScreen* screen) {
    const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int width = std::min(500, room.width() / 2) - 40, height = room.height() - 200;
    const QFontMetrics fm(font);
    auto fits = [&](const QString& t) {
        // A run without blanks is not broken: it makes the box wider.
        const QRect r = fm.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, t);
        return r.height() <= height && r.width() <= room.width() - 150;
    };
    if (fits(text)) return text;
    const QString more = QStringLiteral("\u2026");
    // The longest start of the text that fits, by halving.
    qsizetype lo = 0, hi = std::min<qsizetype>(text.size(), 20000);
    while (lo < hi) {
        const qsizetype mid = (lo + hi + 1) / 2;
        if (fits(text.left(mid) + more)) lo = mid;
        else hi = mid - 1;
    }
    return text.left(lo) + more;
}

// Hands an address to the desktop's opener with its letters as UTF-8,
// escaped; where there is no opener program, the toolkit's own way.
bool openOnDesktop(const QUrl& url) {
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!opener.isEmpty()) return QProcess::startDetached(opener, {QString::fromLatin1(url.toEncoded())});
    return QDesktopServices::openUrl(url);
}
QString titleOr(const std::string& title) { return qs(title.empty() ? Application::title() : title); }
}  // namespace

int WidgetAnswers::messageBox(const std::string& text, const std::string& title, int flags) {
    QMessageBox box(modalOwner());
    raiseAboveKeptOnTop(box);
    box.setWindowTitle(titleOr(title));
    box.setText(fittedMessage(qs(text), box.font(), box.screen()));
    switch (flags & 0x70) {
    case mb::Critical: box.setIcon(QMessageBox::Critical); break;
    case mb::Question: box.setIcon(QMessageBox::Question); break;
    case mb::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case mb::Information: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }
    struct B {
        const char* caption;
        int result;
        QMessageBox::ButtonRole role;
    };
    std::vector<B> buttons;
    switch (flags & 7) {
    case mb::OkCancel: buttons = {{"OK", mb::Ok, QMessageBox::AcceptRole}, {"Anuluj", mb::Cancel, QMessageBox::RejectRole}}; break;
    case mb::AbortRetryIgnore:
        buttons = {{"Przerwij", mb::Abort, QMessageBox::RejectRole}, {"Ponów próbę", mb::Retry, QMessageBox::AcceptRole},
                   {"Ignoruj", mb::Ignore, QMessageBox::AcceptRole}};
        break;
    case mb::YesNoCancel:
        buttons = {{"Tak", mb::Yes, QMessageBox::YesRole}, {"Nie", mb::No, QMessageBox::NoRole},
                   {"Anuluj", mb::Cancel, QMessageBox::RejectRole}};
        break;
    case mb::YesNo: buttons = {{"Tak", mb::Yes, QMessageBox::YesRole}, {"Nie", mb::No, QMessageBox::NoRole}}; break;
    case mb::RetryCancel:
        buttons = {{"Ponów próbę", mb::Retry, QMessageBox::AcceptRole}, {"Anuluj", mb::Cancel, QMessageBox::RejectRole}};
        break;
    default: buttons = {{"OK", mb::Ok, QMessageBox::AcceptRole}}; break;
    }
    // The default button: 0, 256, 512 pick the first, second, third.
    int def = (flags >> 8) & 3;
    std::vector<QPushButton*> made;
    for (const auto& b : buttons) made.push_back(box.addButton(QString::fromUtf8(b.caption), b.role));
    if (def < static_cast<int>(made.size())) box.setDefaultButton(made[def]);
    int esc = mb::escapeResult(flags);
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i].result == esc) box.setEscapeButton(made[i]);
    box.exec();
    for (std::size_t i = 0; i < made.size(); ++i)
        if (box.clickedButton() == made[i]) return buttons[i].result;
    return esc ? esc : buttons.front().result;
}

bool WidgetAnswers::inputBox(const std::string& prompt, const std::string& title, const std::string& initial,
                             std::string& answer) {
    QInputDialog dlg(modalOwner());
    raiseAboveKeptOnTop(dlg);
    dlg.setWindowTitle(titleOr(title));
    dlg.setLabelText(qs(prompt));
    dlg.setTextValue(qs(initial));
    if (dlg.exec() != QDialog::Accepted) return false;
    answer = ansiOf(dlg.textValue());
    return true;
}

std::string dialogFilter(const std::string& filter) {
    // Pairs of description and pattern list, separated by "|".
    std::vector<std::string> parts;
    std::string cur;
    for (char c : filter) {
        if (c == '|') {
            parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    parts.push_back(cur);
    std::string out;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string patterns = parts[i + 1];
        for (char& c : patterns)
            if (c == ';') c = ' ';
        std::string desc = parts[i];
        if (desc.find('(') == std::string::npos) desc += " (" + patterns + ")";
        else desc = desc.substr(0, desc.find('(')) + "(" + patterns + ")";
        if (!out.empty()) out += ";;";
        out += desc;
    }
    return out;
}

bool WidgetAnswers::fileDialog(const FileDialogRequest& request, std::string& path) {
    QString filter = qs(dialogFilter(request.filter));
    QString start = QString::fromStdString(request.initialDir);
    if (!request.initialName.empty()) start = QDir(start).filePath(qs(request.initialName));
    QFileDialog dlg(modalOwner(), qs(request.title), start, filter);
    raiseAboveKeptOnTop(dlg);
    if (request.kind == FileDialogRequest::Save) {
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setFileMode(QFileDialog::AnyFile);
    } else {
        dlg.setFileMode(QFileDialog::ExistingFile);
    }
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return false;
    QString r = dlg.selectedFiles().constFirst();
    if (r.isEmpty()) return false;
    path = r.toStdString();
    return true;
}

bool WidgetAnswers::colorDialog(std::uint32_t initial, std::uint32_t& color) {
    QColorDialog dlg(toQColor(initial), modalOwner());
    raiseAboveKeptOnTop(dlg);
    if (dlg.exec() != QDialog::Accepted) return false;
    QColor c = dlg.selectedColor();
    if (!c.isValid()) return false;
    color = fromQColor(c);
    return true;
}

bool WidgetAnswers::folderDialog(const std::string& title, const std::string& initialDir, std::string& path) {
    QFileDialog dlg(modalOwner(), qs(title), QString::fromStdString(initialDir));
    raiseAboveKeptOnTop(dlg);
    dlg.setFileMode(QFileDialog::Directory);
    dlg.setOption(QFileDialog::ShowDirsOnly, true);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return false;
    QString r = dlg.selectedFiles().constFirst();
    if (r.isEmpty()) return false;
    path = r.toStdString();
    return true;
}

int WidgetAnswers::shellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                                const std::string& directory) {
    (void)verb;
    (void)parameters;
    // The target is the program's text: an address goes to the desktop with
    // its letters encoded as UTF-8 and escaped, a file by its real path.
    QString f = qs(file);
    QUrl url(f, QUrl::TolerantMode);
    if (url.scheme().size() > 1 && (url.scheme() == "http" || url.scheme() == "https" || url.scheme() == "mailto" ||
                                    url.scheme() == "ftp" || url.scheme() == "file")) {
        return openOnDesktop(url) ? 42 : 31;
    }
    // A program's path may be written with backslashes, which no name holds.
    f.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QFileInfo info(f);
    if (info.isRelative() && !directory.empty())
        info = QFileInfo(QDir(qs(directory).replace(QLatin1Char('\\'), QLatin1Char('/'))), f);
    if (!info.exists()) return 2;  // file not found
    return openOnDesktop(QUrl::fromLocalFile(info.absoluteFilePath())) ? 42 : 31;
}

bool WidgetAnswers::fileDownload(const std::string& url) {
    // The desktop browser downloads the address.
    return openOnDesktop(QUrl(qs(url), QUrl::TolerantMode));
}

}  // namespace forms
