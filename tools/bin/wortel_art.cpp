// wortel_art FOLDER
// Draws the dictionary's pictures into FOLDER: niem.jpg (the lookup window's
// background), min.gif (the tray button) and ikona.ico (the window icon).
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <vector>

namespace {

// The background of the lookup window, the size of its client area.
QImage background() {
    QImage img(491, 418, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, img.height());
    g.setColorAt(0, QColor(236, 241, 248));
    g.setColorAt(1, QColor(198, 212, 232));
    p.fillRect(img.rect(), g);
    // A thin stripe in black, red and gold along the top.
    const QColor stripe[] = {QColor(30, 30, 30), QColor(200, 16, 46), QColor(255, 204, 0)};
    for (int i = 0; i < 3; ++i) p.fillRect(0, i * 4, img.width(), 4, stripe[i]);
    // Soft rings in the lower right corner.
    p.setPen(QPen(QColor(255, 255, 255, 90), 14));
    for (int r = 60; r < 260; r += 45) p.drawEllipse(QPoint(img.width() + 20, img.height() + 30), r, r);
    return img;
}

QImage emblem(int size) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r(1, 1, size - 2, size - 2);
    QPainterPath book;
    book.addRoundedRect(r, size / 6.0, size / 6.0);
    p.fillPath(book, QColor(38, 70, 140));
    p.setPen(Qt::NoPen);
    const QColor stripe[] = {QColor(30, 30, 30), QColor(200, 16, 46), QColor(255, 204, 0)};
    double h = size / 10.0;
    for (int i = 0; i < 3; ++i) p.fillRect(QRectF(size * 0.2, size * 0.62 + i * h, size * 0.6, h), stripe[i]);
    p.setPen(QPen(Qt::white, std::max(1.5, size / 12.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // A "W" drawn with lines, so no font is needed.
    QPolygonF w;
    w << QPointF(size * 0.2, size * 0.2) << QPointF(size * 0.35, size * 0.52) << QPointF(size * 0.5, size * 0.3)
      << QPointF(size * 0.65, size * 0.52) << QPointF(size * 0.8, size * 0.2);
    p.drawPolyline(w);
    return img;
}

// GIF89a with a 6x6x6 colour cube plus a transparent entry. The image data
// uses 9-bit codes with a clear code before the table grows, which every
// decoder reads.
bool writeGif(const QImage& src, const QString& path) {
    QImage img = src.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width(), h = img.height();
    std::vector<unsigned char> out = {'G', 'I', 'F', '8', '9', 'a'};
    auto u16 = [&](int v) {
        out.push_back(static_cast<unsigned char>(v & 255));
        out.push_back(static_cast<unsigned char>(v >> 8));
    };
    u16(w);
    u16(h);
    out.push_back(0xF7);  // global colour table of 256 entries
    out.push_back(0);
    out.push_back(0);
    for (int i = 0; i < 256; ++i) {
        int r = 0, g = 0, b = 0;
        if (i < 216) {
            r = (i / 36) * 51;
            g = ((i / 6) % 6) * 51;
            b = (i % 6) * 51;
        }
        out.push_back(static_cast<unsigned char>(r));
        out.push_back(static_cast<unsigned char>(g));
        out.push_back(static_cast<unsigned char>(b));
    }
    const int transparent = 216;
    out.insert(out.end(), {0x21, 0xF9, 4, 1, 0, 0, static_cast<unsigned char>(transparent), 0});
    out.push_back(0x2C);
    u16(0);
    u16(0);
    u16(w);
    u16(h);
    out.push_back(0);
    out.push_back(8);  // minimum code size
    std::vector<unsigned char> data;
    unsigned long acc = 0;
    int bits = 0;
    auto put = [&](int code) {
        acc |= static_cast<unsigned long>(code) << bits;
        bits += 9;
        while (bits >= 8) {
            data.push_back(static_cast<unsigned char>(acc & 255));
            acc >>= 8;
            bits -= 8;
        }
    };
    int run = 0;
    put(256);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            QRgb c = img.pixel(x, y);
            int idx = qAlpha(c) < 128 ? transparent
                                      : ((qRed(c) + 25) / 51) * 36 + ((qGreen(c) + 25) / 51) * 6 + (qBlue(c) + 25) / 51;
            put(idx);
            if (++run == 254) {
                put(256);
                run = 0;
            }
        }
    put(257);
    if (bits > 0) data.push_back(static_cast<unsigned char>(acc & 255));
    for (std::size_t i = 0; i < data.size(); i += 255) {
        std::size_t n = std::min<std::size_t>(255, data.size() - i);
        out.push_back(static_cast<unsigned char>(n));
        out.insert(out.end(), data.begin() + static_cast<long>(i), data.begin() + static_cast<long>(i + n));
    }
    out.push_back(0);
    out.push_back(0x3B);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return false;
    return f.write(reinterpret_cast<const char*>(out.data()), static_cast<qint64>(out.size())) ==
           static_cast<qint64>(out.size());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: wortel_art FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QString dir = QString::fromLocal8Bit(argv[1]);
    bool ok = background().save(dir + "/niem.jpg", "JPG", 90);
    ok = writeGif(emblem(25), dir + "/min.gif") && ok;
    ok = emblem(32).save(dir + "/ikona.ico", "ICO") && ok;
    if (!ok) {
        std::fprintf(stderr, "wortel_art: cannot write the pictures into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
