#include "image/Picture.h"

#include <fcntl.h>
#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "image/JpegFile.h"

namespace image {

namespace fs = std::filesystem;

struct Picture::Data {
    QImage img;  // Format_RGB32 while not null
    int sourceWidth = 0, sourceHeight = 0;  // set when decoded scaled
};

namespace {

// Creates the file only when it does not exist yet and writes the bytes; a
// failed write removes what it made.
bool writeNew(const fs::path& file, const std::string& bytes) {
    int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    std::size_t done = 0;
    bool ok = true;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0) ok = false;
    if (!ok) ::unlink(file.c_str());
    return ok;
}

std::string head(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    char buf[16] = {};
    in.read(buf, sizeof buf);
    return std::string(buf, static_cast<std::size_t>(in.gcount()));
}

}  // namespace

Picture::Picture() : d_(std::make_unique<Data>()) {}
Picture::~Picture() = default;
Picture::Picture(const Picture& o) : d_(std::make_unique<Data>(*o.d_)) {}
Picture& Picture::operator=(const Picture& o) {
    *d_ = *o.d_;
    return *this;
}
Picture::Picture(Picture&& o) noexcept : d_(std::make_unique<Data>()) { d_.swap(o.d_); }
Picture& Picture::operator=(Picture&& o) noexcept {
    d_.swap(o.d_);
    return *this;
}

Picture Picture::load(const fs::path& file, Failure* why) { return loadScaled(file, 0, 0, why); }

Picture Picture::loadScaled(const fs::path& file, int wantWidth, int wantHeight, Failure* why) {
    Picture p;
    Failure failure = Failure::NotAPicture;
    auto fail = [&](Failure f) {
        if (why) *why = f;
        return Picture();
    };
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return fail(failure);
    if (jpeg::looksLikeJpeg(head(file))) {
        int w = 0, h = 0, fw = 0, fh = 0;
        std::vector<std::uint8_t> rgb;
        switch (jpeg::read(file, wantWidth, wantHeight, w, h, rgb, &fw, &fh)) {
        case jpeg::ReadResult::Ok: break;
        case jpeg::ReadResult::NotDecoded: return fail(Failure::NotAPicture);
        case jpeg::ReadResult::Truncated: return fail(Failure::Damaged);
        case jpeg::ReadResult::Impossible: return fail(Failure::Impossible);
        case jpeg::ReadResult::NoMemory: return fail(Failure::NoMemory);
        }
        QImage img(w, h, QImage::Format_RGB32);
        if (img.isNull()) return fail(Failure::NoMemory);
        for (int y = 0; y < h; ++y) {
            auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
            const std::uint8_t* src = rgb.data() + static_cast<std::size_t>(y) * w * 3;
            for (int x = 0; x < w; ++x) line[x] = qRgb(src[x * 3], src[x * 3 + 1], src[x * 3 + 2]);
        }
        p.d_->img = std::move(img);
        p.d_->sourceWidth = fw;
        p.d_->sourceHeight = fh;
        if (why) *why = Failure::None;
        return p;
    }
    QImageReader reader(QString::fromStdString(file.string()));
    const QByteArray format = reader.format();
    // Only the picture kinds the editor offers; the reader is never asked to
    // guess a JPEG, which is decoded above.
    if (format != "bmp" && format != "gif" && format != "png") return fail(failure);
    const QSize size = reader.size();
    if (size.isValid() && static_cast<long long>(size.width()) * size.height() > jpeg::kMaxDecodedPixels)
        return fail(Failure::Impossible);
    QImage img = reader.read();
    if (img.isNull()) return fail(failure);
    p.d_->img = img.convertToFormat(QImage::Format_RGB32);
    if (p.d_->img.isNull()) return fail(Failure::NoMemory);
    p.d_->sourceWidth = p.d_->img.width();
    p.d_->sourceHeight = p.d_->img.height();
    if (why) *why = Failure::None;
    return p;
}

Picture Picture::filled(int width, int height, unsigned color) {
    Picture p;
    if (width < 1 || height < 1) return p;
    p.d_->img = QImage(width, height, QImage::Format_RGB32);
    p.d_->img.fill(QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF));
    return p;
}

bool Picture::isNull() const { return d_->img.isNull(); }
int Picture::width() const { return d_->img.isNull() ? 0 : d_->img.width(); }
int Picture::height() const { return d_->img.isNull() ? 0 : d_->img.height(); }
int Picture::sourceWidth() const { return d_->img.isNull() ? 0 : d_->sourceWidth ? d_->sourceWidth : width(); }
int Picture::sourceHeight() const { return d_->img.isNull() ? 0 : d_->sourceHeight ? d_->sourceHeight : height(); }

unsigned Picture::pixel(int x, int y) const {
    if (!d_->img.valid(x, y)) return 0;
    QRgb c = d_->img.pixel(x, y);
    return static_cast<unsigned>(qRed(c)) | (static_cast<unsigned>(qGreen(c)) << 8) |
           (static_cast<unsigned>(qBlue(c)) << 16);
}

void Picture::setPixel(int x, int y, unsigned color) {
    if (!d_->img.valid(x, y)) return;
    d_->img.setPixel(x, y, qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF));
}

Picture Picture::stretched(int width, int height) const {
    Picture p;
    if (isNull() || width < 1 || height < 1) return p;
    QImage out(width, height, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter painter(&out);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(QRect(0, 0, width, height), d_->img);
    painter.end();
    p.d_->img = std::move(out);
    return p;
}

bool Picture::encodeBmp(std::string& out) const {
    if (isNull()) return false;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!d_->img.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP")) return false;
    out.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return true;
}

bool Picture::encodeJpeg(std::string& out, int quality) const {
    if (isNull()) return false;
    const int w = d_->img.width(), h = d_->img.height();
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(w) * h * 3);
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(d_->img.constScanLine(y));
        std::uint8_t* dst = rgb.data() + static_cast<std::size_t>(y) * w * 3;
        for (int x = 0; x < w; ++x) {
            dst[x * 3] = static_cast<std::uint8_t>(qRed(line[x]));
            dst[x * 3 + 1] = static_cast<std::uint8_t>(qGreen(line[x]));
            dst[x * 3 + 2] = static_cast<std::uint8_t>(qBlue(line[x]));
        }
    }
    return jpeg::write(w, h, rgb.data(), quality, out);
}

bool Picture::saveBmp(const fs::path& file) const {
    std::error_code ec;
    if (fs::exists(fs::symlink_status(file, ec))) return false;
    std::string bytes;
    return encodeBmp(bytes) && writeNew(file, bytes);
}

bool Picture::saveJpeg(const fs::path& file, int quality) const {
    std::error_code ec;
    if (fs::exists(fs::symlink_status(file, ec))) return false;
    std::string bytes;
    return encodeJpeg(bytes, quality) && writeNew(file, bytes);
}

}  // namespace image
