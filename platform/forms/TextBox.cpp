#include "forms/TextBox.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include "forms/EventBridge.h"
#include "forms/QtAccess.h"

namespace forms {

namespace {
QLineEdit* lineOf(const Control& c) { return qobject_cast<QLineEdit*>(widgetOf(c)); }
QPlainTextEdit* plainOf(const Control& c) { return qobject_cast<QPlainTextEdit*>(widgetOf(c)); }

// Multi-line text keeps the platform's CR LF line ends.
QString toWidget(const std::string& ansi) {
    QString s = qs(ansi);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QChar('\r'), QChar('\n'));
    return s;
}
std::string fromWidget(const QString& s) {
    QString t = s;
    t.replace(QChar(0x2029), QChar('\n'));
    t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return ansiOf(t);
}
// Position in CR LF text for a position in widget text (one char per line end).
int outerPos(const QString& widgetText, int pos) {
    int extra = 0;
    for (int i = 0; i < pos && i < widgetText.size(); ++i)
        if (widgetText[i] == QChar('\n') || widgetText[i] == QChar(0x2029)) ++extra;
    return pos + extra;
}
int innerPos(const QString& widgetText, int pos) {
    int outer = 0, i = 0;
    for (; i < widgetText.size() && outer < pos; ++i) {
        outer += (widgetText[i] == QChar('\n') || widgetText[i] == QChar(0x2029)) ? 2 : 1;
    }
    return i;
}
}  // namespace

TextBox::TextBox(Form& form, std::string name, Control* container, Kind kind)
    : Control(form, std::move(name), container), kind_(kind) {
    impl().back = color::Window;
    if (kind == Kind::SingleLine) {
        auto* e = new QLineEdit;
        attachWidget(*this, e);
        QObject::connect(e, &QLineEdit::textChanged, impl().bridge, [this] {
            if (auto fn = onChange) fn();
        });
    } else {
        auto* e = new QPlainTextEdit;
        e->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        attachWidget(*this, e);
        impl().bridge->watch(e->viewport());
        QObject::connect(e, &QPlainTextEdit::textChanged, impl().bridge, [this] {
            if (auto fn = onChange) fn();
        });
    }
}

void TextBox::setText(const std::string& text) {
    if (auto* e = lineOf(*this)) {
        QString s = qs(text);
        if (e->text() == s) return;
        e->setText(s);  // the caret goes to the end of the new text
    } else {
        plainOf(*this)->setPlainText(toWidget(text));
    }
}

std::string TextBox::text() const {
    if (auto* e = lineOf(*this)) return ansiOf(e->text());
    return fromWidget(plainOf(*this)->toPlainText());
}

int TextBox::selStart() const {
    if (auto* e = lineOf(*this)) return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
    QTextCursor c = plainOf(*this)->textCursor();
    return outerPos(plainOf(*this)->toPlainText(), c.selectionStart());
}

void TextBox::setSelStart(int pos) {
    if (auto* e = lineOf(*this)) {
        e->deselect();
        e->setCursorPosition(std::clamp(pos, 0, static_cast<int>(e->text().size())));
        return;
    }
    auto* p = plainOf(*this);
    QTextCursor c = p->textCursor();
    QString t = p->toPlainText();
    c.setPosition(std::clamp(innerPos(t, pos), 0, static_cast<int>(t.size())));
    p->setTextCursor(c);
}

int TextBox::selLength() const {
    if (auto* e = lineOf(*this)) return static_cast<int>(e->selectedText().size());
    QTextCursor c = plainOf(*this)->textCursor();
    QString t = plainOf(*this)->toPlainText();
    return outerPos(t, c.selectionEnd()) - outerPos(t, c.selectionStart());
}

void TextBox::setSelLength(int len) {
    int start = selStart();
    if (auto* e = lineOf(*this)) {
        int n = static_cast<int>(e->text().size());
        start = std::clamp(start, 0, n);
        e->setSelection(start, std::clamp(len, 0, n - start));
        return;
    }
    auto* p = plainOf(*this);
    QString t = p->toPlainText();
    QTextCursor c = p->textCursor();
    c.setPosition(innerPos(t, start));
    c.setPosition(std::clamp(innerPos(t, start + std::max(0, len)), 0, static_cast<int>(t.size())),
                  QTextCursor::KeepAnchor);
    p->setTextCursor(c);
}

std::string TextBox::selText() const {
    if (auto* e = lineOf(*this)) return ansiOf(e->selectedText());
    return fromWidget(plainOf(*this)->textCursor().selectedText());
}

void TextBox::setSelText(const std::string& text) {
    if (auto* e = lineOf(*this)) {
        e->insert(qs(text));
        return;
    }
    plainOf(*this)->textCursor().insertText(toWidget(text));
}

void TextBox::setReadOnly(bool on) {
    if (auto* e = lineOf(*this))
        e->setReadOnly(on);
    else
        plainOf(*this)->setReadOnly(on);
}

void TextBox::setMaxLength(int n) {
    if (auto* e = lineOf(*this)) e->setMaxLength(n > 0 ? n : 32767);
}

void TextBox::setPasswordChar(char c) {
    if (auto* e = lineOf(*this)) e->setEchoMode(c ? QLineEdit::Password : QLineEdit::Normal);
}

void TextBox::setAlignment(Alignment a) {
    if (auto* e = lineOf(*this))
        e->setAlignment(a == Alignment::Center  ? Qt::AlignHCenter
                        : a == Alignment::Right ? Qt::AlignRight
                                                : Qt::AlignLeft);
}

void TextBox::setScrollBars(bool on) {
    if (auto* p = plainOf(*this)) p->setVerticalScrollBarPolicy(on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

}  // namespace forms
