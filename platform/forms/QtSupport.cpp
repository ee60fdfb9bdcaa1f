#include <QApplication>
#include <QFont>
#include <QPalette>

#include "forms/QtAccess.h"
#include "text/CaseRules.h"
#include "text/CodePage.h"

namespace forms {

QString qs(const std::string& ansi) {
    std::u16string u = text::toUtf16(ansi);
    return QString::fromUtf16(u.data(), static_cast<qsizetype>(u.size()));
}

std::string ansiOf(const QString& s) {
    std::size_t dropped = 0;
    return text::fromUtf16Dropping(std::u16string_view(reinterpret_cast<const char16_t*>(s.utf16()), s.size()),
                                   text::CodePage::Windows1250, &dropped);
}

QColor toQColor(std::uint32_t c) {
    if (c & 0x80000000u) {
        QPalette p = QApplication::palette();
        switch (c & 0xFF) {
        case 0x05: return p.color(QPalette::Base);
        case 0x08: return p.color(QPalette::Text);
        case 0x0D: return p.color(QPalette::Highlight);
        case 0x0E: return p.color(QPalette::HighlightedText);
        case 0x0F: return p.color(QPalette::Button);
        case 0x10: return p.color(QPalette::Dark);
        case 0x11: return p.color(QPalette::Disabled, QPalette::Text);
        case 0x12: return p.color(QPalette::ButtonText);
        default: return p.color(QPalette::Window);
        }
    }
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

std::uint32_t fromQColor(const QColor& c) {
    return static_cast<std::uint32_t>(c.red() | (c.green() << 8) | (c.blue() << 16));
}

QFont toQFont(const Font& f) {
    QFont q(qs(f.name));
    q.setPointSizeF(f.size > 0 ? f.size : 8.25);
    q.setBold(f.bold);
    q.setItalic(f.italic);
    q.setUnderline(f.underline);
    q.setStrikeOut(f.strikeout);
    return q;
}

Font fromQFont(const QFont& q) {
    Font f;
    f.name = ansiOf(q.family());
    f.size = q.pointSizeF();
    f.bold = q.bold();
    f.italic = q.italic();
    f.underline = q.underline();
    f.strikeout = q.strikeOut();
    return f;
}

namespace {
struct KeyPair {
    int qt;
    int code;
};
const KeyPair kKeys[] = {
    {Qt::Key_Backspace, key::Back}, {Qt::Key_Tab, key::Tab},       {Qt::Key_Backtab, key::Tab},
    {Qt::Key_Return, key::Return},  {Qt::Key_Enter, key::Return},  {Qt::Key_Shift, key::Shift},
    {Qt::Key_Control, key::Control}, {Qt::Key_Alt, key::Menu},     {Qt::Key_AltGr, key::Menu},
    {Qt::Key_Pause, key::Pause},    {Qt::Key_CapsLock, key::Capital}, {Qt::Key_Escape, key::Escape},
    {Qt::Key_Space, key::Space},    {Qt::Key_PageUp, key::Prior},  {Qt::Key_PageDown, key::Next},
    {Qt::Key_End, key::End},        {Qt::Key_Home, key::Home},     {Qt::Key_Left, key::Left},
    {Qt::Key_Up, key::Up},          {Qt::Key_Right, key::Right},   {Qt::Key_Down, key::Down},
    {Qt::Key_Insert, key::Insert},  {Qt::Key_Delete, key::Delete}, {Qt::Key_Asterisk, key::Multiply},
    {Qt::Key_Plus, key::Add},       {Qt::Key_Minus, key::Subtract}, {Qt::Key_Slash, key::Divide},
};
}  // namespace

int keyCodeOf(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;  // same numbers
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return key::F1 + (qtKey - Qt::Key_F1);
    for (const auto& k : kKeys)
        if (k.qt == qtKey) return k.code;
    // Letters outside A-Z (ä, ł, ...) and punctuation: the character's code.
    if (qtKey > 0 && qtKey < 0x10000) {
        std::string a = ansiOf(QString(QChar(qtKey)));
        if (a.size() == 1) return static_cast<unsigned char>(text::toUpper(a[0]));
    }
    return 0;
}

int qtKeyOf(int code) {
    if (code >= 'A' && code <= 'Z') return code;
    if (code >= '0' && code <= '9') return code;
    if (code >= key::F1 && code <= key::F12) return Qt::Key_F1 + (code - key::F1);
    for (const auto& k : kKeys)
        if (k.code == code) return k.qt;
    return Qt::Key_unknown;
}

int shiftOf(Qt::KeyboardModifiers m) {
    int s = 0;
    if (m & Qt::ShiftModifier) s |= shift::Shift;
    if (m & Qt::ControlModifier) s |= shift::Ctrl;
    if (m & Qt::AltModifier) s |= shift::Alt;
    return s;
}

int buttonOf(Qt::MouseButtons b) {
    int r = 0;
    if (b & Qt::LeftButton) r |= mouse::Left;
    if (b & Qt::RightButton) r |= mouse::Right;
    if (b & Qt::MiddleButton) r |= mouse::Middle;
    return r;
}

bool coveredByControl(QWidget* area, QPoint p) {
    QWidget* w = area->childAt(p);
    while (w && w != area) {
        // A disabled control leaves the point to what lies under it.
        if (w->property("formsControl").toBool() && w->isEnabled()) return true;
        w = w->parentWidget();
    }
    return false;
}

}  // namespace forms
