// The stock glyphs, drawn as simple flat pictures on a 16 x 16 grid and
// scaled to the size asked for.
#include <QPainter>
#include <QPainterPath>

#include "forms/ImageListAccess.h"

namespace forms {

namespace {

const QColor kInk(0x33, 0x3b, 0x45);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kBlue(0x2a, 0x6f, 0xc9);
const QColor kGreen(0x2e, 0x9e, 0x4f);
const QColor kRed(0xd0, 0x3b, 0x32);
const QColor kYellow(0xf2, 0xc1, 0x3d);
const QColor kFolder(0xe8, 0xb4, 0x4c);
const QColor kGrey(0x8a, 0x94, 0x9e);

void page(QPainter& p, qreal x = 3, qreal y = 1, qreal w = 10, qreal h = 14, QColor fill = kPaper) {
    QPainterPath path;
    path.moveTo(x, y);
    path.lineTo(x + w - 3, y);
    path.lineTo(x + w, y + 3);
    path.lineTo(x + w, y + h);
    path.lineTo(x, y + h);
    path.closeSubpath();
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(fill);
    p.drawPath(path);
    p.drawLine(QPointF(x + w - 3, y), QPointF(x + w - 3, y + 3));
    p.drawLine(QPointF(x + w - 3, y + 3), QPointF(x + w, y + 3));
}

void textLines(QPainter& p, qreal x, qreal y, qreal w, int n) {
    p.setPen(QPen(kGrey, 0.9));
    for (int i = 0; i < n; ++i) p.drawLine(QPointF(x, y + i * 2), QPointF(x + w - (i % 2) * 2, y + i * 2));
}

void folder(QPainter& p, QColor c = kFolder) {
    p.setPen(QPen(c.darker(140), 0.8));
    p.setBrush(c.darker(110));
    p.drawRect(QRectF(1.5, 3.5, 6, 2));
    p.setBrush(c);
    p.drawRect(QRectF(1.5, 5, 13, 9));
}

void plus(QPainter& p, qreal cx, qreal cy, QColor c = kGreen) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(cx, cy), 3.6, 3.6);
    p.setPen(QPen(Qt::white, 1.4));
    p.drawLine(QPointF(cx - 2, cy), QPointF(cx + 2, cy));
    p.drawLine(QPointF(cx, cy - 2), QPointF(cx, cy + 2));
}

void globe(QPainter& p, qreal cx, qreal cy, qreal r) {
    p.setPen(QPen(kBlue.darker(130), 0.8));
    p.setBrush(QColor(0x8e, 0xc5, 0xf0));
    p.drawEllipse(QPointF(cx, cy), r, r);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(cx, cy), r * 0.45, r);
    p.drawLine(QPointF(cx - r, cy), QPointF(cx + r, cy));
}

void arrowUp(QPainter& p, qreal cx, qreal top, QColor c) {
    QPainterPath a;
    a.moveTo(cx, top);
    a.lineTo(cx + 4, top + 4);
    a.lineTo(cx + 1.5, top + 4);
    a.lineTo(cx + 1.5, top + 8);
    a.lineTo(cx - 1.5, top + 8);
    a.lineTo(cx - 1.5, top + 4);
    a.lineTo(cx - 4, top + 4);
    a.closeSubpath();
    p.setPen(QPen(c.darker(140), 0.6));
    p.setBrush(c);
    p.drawPath(a);
}

void window(QPainter& p, QRectF r) {
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(kPaper);
    p.drawRect(r);
    p.setBrush(kBlue);
    p.drawRect(QRectF(r.x(), r.y(), r.width(), 2.5));
}

void cross(QPainter& p, QColor c, qreal m = 4) {
    p.setPen(QPen(c, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(m, m), QPointF(16 - m, 16 - m));
    p.drawLine(QPointF(16 - m, m), QPointF(m, 16 - m));
}

void draw(QPainter& p, Glyph g) {
    switch (g) {
    case Glyph::Blank: break;
    case Glyph::Ok: {
        p.setPen(QPen(kGreen, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath c;
        c.moveTo(3, 8.5);
        c.lineTo(6.5, 12);
        c.lineTo(13, 4);
        p.drawPath(c);
        break;
    }
    case Glyph::Cancel: cross(p, kRed); break;
    case Glyph::NewSite:
        globe(p, 7, 8, 5.5);
        plus(p, 12, 12);
        break;
    case Glyph::OpenSite:
        folder(p);
        globe(p, 10.5, 10.5, 3.5);
        break;
    case Glyph::AddDocument:
        page(p, 2, 1, 10, 14);
        textLines(p, 4, 6, 6, 3);
        plus(p, 11.5, 11.5);
        break;
    case Glyph::Save:
        p.setPen(QPen(kBlue.darker(150), 0.8));
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.2, 1.2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(4, 1.5, 8, 5));
        p.setBrush(QColor(0xdd, 0xe4, 0xec));
        p.drawRect(QRectF(3.5, 9, 9, 5.5));
        p.setBrush(kInk);
        p.drawRect(QRectF(9, 2.5, 1.6, 3));
        break;
    case Glyph::Close:
        page(p);
        cross(p, kRed, 6);
        break;
    case Glyph::Cut:
        p.setPen(QPen(kInk, 1.2));
        p.drawLine(QPointF(5, 1.5), QPointF(10, 10));
        p.drawLine(QPointF(11, 1.5), QPointF(6, 10));
        p.setPen(QPen(kRed, 1.3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(4.5, 12), 2.5, 2.5);
        p.drawEllipse(QPointF(11.5, 12), 2.5, 2.5);
        break;
    case Glyph::Copy:
        page(p, 1.5, 1, 8.5, 10.5);
        page(p, 6, 4.5, 8.5, 10.5);
        textLines(p, 7.5, 9, 5, 3);
        break;
    case Glyph::Paste:
        p.setPen(QPen(kInk.darker(110), 0.8));
        p.setBrush(QColor(0xb5, 0x83, 0x4a));
        p.drawRoundedRect(QRectF(2, 2.5, 10, 12.5), 1, 1);
        p.setBrush(kGrey);
        p.drawRect(QRectF(4.5, 1.5, 5, 2.5));
        page(p, 7, 6, 7.5, 9);
        break;
    case Glyph::Publish:
        globe(p, 8, 9.5, 5.5);
        arrowUp(p, 12, 0.5, kGreen);
        break;
    case Glyph::Preview:
        page(p, 2, 1, 9, 12);
        p.setPen(QPen(kInk, 1.6));
        p.setBrush(QColor(0xcf, 0xe6, 0xf7));
        p.drawEllipse(QPointF(9, 9), 3.2, 3.2);
        p.drawLine(QPointF(11.3, 11.3), QPointF(14.5, 14.5));
        break;
    case Glyph::Cascade:
        window(p, QRectF(1.5, 1.5, 9, 7));
        window(p, QRectF(3.5, 4, 9, 7));
        window(p, QRectF(5.5, 6.5, 9, 7.5));
        break;
    case Glyph::TileHorizontal:
        window(p, QRectF(1.5, 1.5, 13, 6));
        window(p, QRectF(1.5, 8.5, 13, 6));
        break;
    case Glyph::TileVertical:
        window(p, QRectF(1.5, 1.5, 6, 13));
        window(p, QRectF(8.5, 1.5, 6, 13));
        break;
    case Glyph::Edit:
        page(p, 2, 1, 10, 14);
        textLines(p, 4, 5, 5, 3);
        p.setPen(QPen(kYellow.darker(150), 0.6));
        p.setBrush(kYellow);
        {
            QPainterPath pen;
            pen.moveTo(13.5, 4);
            pen.lineTo(15, 5.5);
            pen.lineTo(8, 12.5);
            pen.lineTo(6, 13.5);
            pen.lineTo(7, 11.5);
            pen.closeSubpath();
            p.drawPath(pen);
        }
        break;
    case Glyph::Delete:
        p.setPen(QPen(kInk, 0.8));
        p.setBrush(QColor(0xe9, 0xec, 0xef));
        p.drawRect(QRectF(4, 4.5, 8, 10));
        p.drawRect(QRectF(2.5, 2.5, 11, 2));
        p.drawRect(QRectF(6.5, 1, 3, 1.5));
        p.setPen(QPen(kRed, 1));
        for (qreal x : {6.0, 8.0, 10.0}) p.drawLine(QPointF(x, 6.5), QPointF(x, 12.5));
        break;
    case Glyph::Link:
        p.setPen(QPen(kBlue, 1.8));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(1.5, 5.5, 7.5, 5), 2.5, 2.5);
        p.drawRoundedRect(QRectF(7, 5.5, 7.5, 5), 2.5, 2.5);
        break;
    case Glyph::Insert:
        page(p, 5, 1, 9.5, 14);
        textLines(p, 7, 5, 5, 4);
        p.setPen(QPen(kGreen, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(1, 9), QPointF(7, 9));
        p.drawLine(QPointF(5, 6.5), QPointF(7.5, 9));
        p.drawLine(QPointF(5, 11.5), QPointF(7.5, 9));
        break;
    case Glyph::OpenExternal:
        window(p, QRectF(1.5, 3.5, 10, 11));
        arrowUp(p, 12, 0.5, kBlue);
        break;
    case Glyph::Folder: folder(p); break;
    case Glyph::Back:
        folder(p, QColor(0xc9, 0xcf, 0xd6));
        p.setPen(QPen(kBlue, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4.5, 9.5), QPointF(11.5, 9.5));
        p.drawLine(QPointF(4.5, 9.5), QPointF(7, 7));
        p.drawLine(QPointF(4.5, 9.5), QPointF(7, 12));
        break;
    case Glyph::Page:
        page(p);
        p.setPen(QPen(kBlue, 1.2));
        p.drawText(QRectF(3, 6, 10, 8), Qt::AlignCenter, QStringLiteral("<>"));
        break;
    case Glyph::Picture:
        p.setPen(QPen(kInk, 0.8));
        p.setBrush(QColor(0xcf, 0xe6, 0xf7));
        p.drawRect(QRectF(1.5, 2.5, 13, 11));
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        {
            QPainterPath hill;
            hill.moveTo(2, 13);
            hill.lineTo(6.5, 7);
            hill.lineTo(9.5, 10.5);
            hill.lineTo(11, 9);
            hill.lineTo(14, 13);
            hill.closeSubpath();
            p.drawPath(hill);
        }
        p.setBrush(kYellow);
        p.drawEllipse(QPointF(11.5, 5.5), 1.6, 1.6);
        break;
    case Glyph::Archive:
        p.setPen(QPen(kInk, 0.8));
        p.setBrush(QColor(0xb5, 0x83, 0x4a));
        p.drawRect(QRectF(2, 2.5, 12, 11));
        p.setBrush(kYellow);
        p.drawRect(QRectF(7, 2.5, 2, 11));
        break;
    case Glyph::Movie:
        p.setPen(QPen(kInk, 0.8));
        p.setBrush(kInk);
        p.drawRect(QRectF(1.5, 3, 13, 10));
        p.setBrush(kPaper);
        for (qreal x = 2.5; x < 14; x += 3) {
            p.drawRect(QRectF(x, 3.8, 1.4, 1.2));
            p.drawRect(QRectF(x, 11, 1.4, 1.2));
        }
        p.setBrush(QColor(0x8e, 0xc5, 0xf0));
        p.drawRect(QRectF(3, 6, 10, 4));
        break;
    case Glyph::JavaClass:
        p.setPen(QPen(kRed.darker(120), 1.2));
        p.setBrush(kPaper);
        p.drawRoundedRect(QRectF(3, 6, 8, 8), 1.5, 1.5);
        p.drawArc(QRectF(10, 7.5, 4, 4), 90 * 16, -180 * 16);
        p.setPen(QPen(kGrey, 1));
        p.drawLine(QPointF(6, 1.5), QPointF(6, 4.5));
        p.drawLine(QPointF(8.5, 1), QPointF(8.5, 4.5));
        break;
    case Glyph::Document:
        page(p);
        textLines(p, 5, 5, 6, 5);
        break;
    case Glyph::Sound:
        p.setPen(QPen(kInk, 0.8));
        p.setBrush(kInk);
        p.drawEllipse(QPointF(4.5, 12.5), 2.5, 2);
        p.drawEllipse(QPointF(11.5, 10.5), 2.5, 2);
        p.setPen(QPen(kInk, 1.3));
        p.drawLine(QPointF(6.8, 12.5), QPointF(6.8, 3));
        p.drawLine(QPointF(13.8, 10.5), QPointF(13.8, 1.5));
        p.setPen(QPen(kInk, 2));
        p.drawLine(QPointF(6.8, 3.2), QPointF(13.8, 1.8));
        break;
    case Glyph::Settings:
        p.setPen(QPen(kGrey.darker(130), 0.8));
        p.setBrush(kGrey);
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(8, 8);
            p.rotate(i * 45);
            p.drawRect(QRectF(-1.3, -7, 2.6, 3));
            p.restore();
        }
        p.drawEllipse(QPointF(8, 8), 5, 5);
        p.setBrush(kPaper);
        p.drawEllipse(QPointF(8, 8), 2, 2);
        break;
    case Glyph::Logo: {
        QLinearGradient grad(0, 0, 16, 16);
        grad.setColorAt(0, QColor(0x2e, 0xc4, 0xb6));
        grad.setColorAt(1, QColor(0x1f, 0x3a, 0x5f));
        p.setPen(Qt::NoPen);
        p.setBrush(grad);
        p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3.5, 3.5);
        page(p, 4, 3, 8, 10);
        p.setPen(QPen(kYellow.darker(120), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5.5, 10.5), QPointF(10.5, 5.5));
        break;
    }
    }
}

}  // namespace

QPixmap drawGlyph(Glyph glyph, int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 16.0, size / 16.0);
    QFont f = p.font();
    f.setPixelSize(7);
    f.setBold(true);
    p.setFont(f);
    draw(p, glyph);
    return pm;
}

QIcon glyphIcon(Glyph glyph) {
    QIcon icon;
    for (int s : {16, 24, 32, 48}) icon.addPixmap(drawGlyph(glyph, s));
    return icon;
}

}  // namespace forms
