#include "image/JpegFile.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <new>

#include <jpeglib.h>
#include <jerror.h>

namespace image::jpeg {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return:
// it jumps back to the routine that started the work.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    bool endedEarly;  // the data ran out before the picture did
};

void onError(j_common_ptr info) {
    auto* e = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(e->jump, 1);
}

void onMessage(j_common_ptr) {}  // warnings of damaged files are not printed

// Warnings are counted, not printed; the end of the data before the end of
// the picture is noted, since the library then fills the rest with grey.
void onEmit(j_common_ptr info, int level) {
    if (level >= 0) return;
    if (info->err->msg_code == JWRN_JPEG_EOF) reinterpret_cast<ErrorManager*>(info->err)->endedEarly = true;
    ++info->err->num_warnings;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// Huffman coding spends at least one bit on every 8 x 8 block of a full
// resolution component; a file this much smaller than that is no picture of
// the size it claims.
bool impossibleSize(const jpeg_decompress_struct& info, std::uintmax_t fileSize) {
    const double pixels = static_cast<double>(info.image_width) * info.image_height;
    return !info.arith_code && pixels > static_cast<double>(fileSize) * 4096.0;
}

// The largest DCT scaling denominator whose picture still covers the wanted size.
unsigned denominatorFor(const jpeg_decompress_struct& info, int wantWidth, int wantHeight) {
    if (wantWidth <= 0 && wantHeight <= 0) return 1;
    for (unsigned d : {8u, 4u, 2u}) {
        const long long w = (static_cast<long long>(info.image_width) + d - 1) / d;
        const long long h = (static_cast<long long>(info.image_height) + d - 1) / d;
        if (w >= wantWidth && h >= wantHeight) return d;
    }
    return 1;
}

// The work of read() that may jump out; everything it owns is released by
// the caller after the jump.
// No object with a destructor lives in its frame, so the jump leaves nothing
// unreleased.
ReadResult decode(jpeg_decompress_struct& info, ErrorManager& err, std::FILE* f, std::uintmax_t fileSize,
                  int wantWidth, int wantHeight, int& width, int& height, int& fullWidth, int& fullHeight,
                  std::vector<std::uint8_t>& row, std::vector<std::uint8_t>& rgb) {
    if (setjmp(err.jump)) return ReadResult::NotDecoded;
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, f);
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return ReadResult::NotDecoded;
    fullWidth = static_cast<int>(info.image_width);
    fullHeight = static_cast<int>(info.image_height);
    if (impossibleSize(info, fileSize)) return ReadResult::Impossible;
    bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    info.scale_num = 1;
    info.scale_denom = denominatorFor(info, wantWidth, wantHeight);
    jpeg_calc_output_dimensions(&info);
    const int w = static_cast<int>(info.output_width), h = static_cast<int>(info.output_height);
    const int comps = info.output_components;
    if (w <= 0 || h <= 0 || (comps != 3 && comps != 4)) return ReadResult::NotDecoded;
    if (static_cast<long long>(w) * h > kMaxDecodedPixels) return ReadResult::Impossible;
    // Allocated before the decoder starts, so a refusal leaves it untouched.
    try {
        row.assign(static_cast<std::size_t>(w) * comps, 0);
        rgb.assign(static_cast<std::size_t>(w) * h * 3, 0);
    } catch (const std::bad_alloc&) {
        return ReadResult::NoMemory;
    }
    jpeg_start_decompress(&info);
    if (static_cast<int>(info.output_width) != w || static_cast<int>(info.output_height) != h)
        return ReadResult::NotDecoded;
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row.data()};
        const int y = static_cast<int>(info.output_scanline);
        if (jpeg_read_scanlines(&info, rows, 1) != 1) return ReadResult::NotDecoded;
        std::uint8_t* out = rgb.data() + static_cast<std::size_t>(y) * w * 3;
        if (comps == 3) {
            std::copy(row.begin(), row.end(), out);
        } else {
            // Files of this kind store inverted CMYK.
            for (int x = 0; x < w; ++x) {
                const unsigned c = row[x * 4], m = row[x * 4 + 1], yy = row[x * 4 + 2], k = row[x * 4 + 3];
                out[x * 3] = static_cast<std::uint8_t>(c * k / 255);
                out[x * 3 + 1] = static_cast<std::uint8_t>(m * k / 255);
                out[x * 3 + 2] = static_cast<std::uint8_t>(yy * k / 255);
            }
        }
    }
    jpeg_finish_decompress(&info);
    if (err.endedEarly) return ReadResult::Truncated;
    width = w;
    height = h;
    return ReadResult::Ok;
}

bool encode(jpeg_compress_struct& info, ErrorManager& err, unsigned char*& buffer, unsigned long& size, int width,
            int height, const std::uint8_t* rgb, int quality) {
    if (setjmp(err.jump)) return false;
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    // The library's defaults make a baseline, sequential file.
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {const_cast<JSAMPLE*>(rgb + static_cast<std::size_t>(info.next_scanline) * width * 3)};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

}  // namespace

bool looksLikeJpeg(const std::string& head) {
    return head.size() >= 3 && static_cast<unsigned char>(head[0]) == 0xFF &&
           static_cast<unsigned char>(head[1]) == 0xD8 && static_cast<unsigned char>(head[2]) == 0xFF;
}

ReadResult read(const std::filesystem::path& file, int wantWidth, int wantHeight, int& width, int& height,
                std::vector<std::uint8_t>& rgb, int* fullWidth, int* fullHeight) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec) return ReadResult::NotDecoded;
    std::unique_ptr<std::FILE, FileCloser> f(std::fopen(file.c_str(), "rb"));
    if (!f) return ReadResult::NotDecoded;
    jpeg_decompress_struct info{};
    ErrorManager err{};
    info.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = onError;
    err.pub.output_message = onMessage;
    err.pub.emit_message = onEmit;
    int w = 0, h = 0, fw = 0, fh = 0;
    std::vector<std::uint8_t> row, pixels;
    const ReadResult r =
        decode(info, err, f.get(), size, wantWidth, wantHeight, w, h, fw, fh, row, pixels);
    jpeg_destroy_decompress(&info);
    if (fullWidth) *fullWidth = fw;
    if (fullHeight) *fullHeight = fh;
    if (r != ReadResult::Ok) return r;
    width = w;
    height = h;
    rgb.swap(pixels);
    return ReadResult::Ok;
}

bool write(int width, int height, const std::uint8_t* rgb, int quality, std::string& out) {
    if (width <= 0 || height <= 0 || !rgb) return false;
    jpeg_compress_struct info{};
    ErrorManager err{};
    info.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = onError;
    err.pub.output_message = onMessage;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool ok = encode(info, err, buffer, size, width, height, rgb, quality);
    jpeg_destroy_compress(&info);
    if (ok) out.assign(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return ok;
}

}  // namespace image::jpeg
