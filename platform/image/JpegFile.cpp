#include "image/JpegFile.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <jpeglib.h>

namespace image::jpeg {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return:
// it jumps back to the routine that started the work.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

void onError(j_common_ptr info) {
    auto* e = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(e->jump, 1);
}

void onMessage(j_common_ptr) {}  // warnings of damaged files are not printed

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// The work of read() that may jump out; everything it owns is released by
// the caller after the jump.
// No object with a destructor lives in its frame, so the jump leaves nothing
// unreleased.
bool decode(jpeg_decompress_struct& info, ErrorManager& err, std::FILE* f, int& width, int& height,
            std::vector<std::uint8_t>& row, std::vector<std::uint8_t>& rgb) {
    if (setjmp(err.jump)) return false;
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, f);
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
    bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);
    const int w = static_cast<int>(info.output_width), h = static_cast<int>(info.output_height);
    const int comps = info.output_components;
    // A header claiming more than 200 million pixels is taken as damaged.
    if (w <= 0 || h <= 0 || (comps != 3 && comps != 4) || static_cast<double>(w) * h > 2e8) return false;
    row.assign(static_cast<std::size_t>(w) * comps, 0);
    rgb.assign(static_cast<std::size_t>(w) * h * 3, 0);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row.data()};
        const int y = static_cast<int>(info.output_scanline);
        if (jpeg_read_scanlines(&info, rows, 1) != 1) return false;
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
    width = w;
    height = h;
    return true;
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

bool read(const std::filesystem::path& file, int& width, int& height, std::vector<std::uint8_t>& rgb) {
    std::unique_ptr<std::FILE, FileCloser> f(std::fopen(file.c_str(), "rb"));
    if (!f) return false;
    jpeg_decompress_struct info{};
    ErrorManager err{};
    info.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = onError;
    err.pub.output_message = onMessage;
    int w = 0, h = 0;
    std::vector<std::uint8_t> row, pixels;
    const bool ok = decode(info, err, f.get(), w, h, row, pixels);
    jpeg_destroy_decompress(&info);
    if (!ok) return false;
    width = w;
    height = h;
    rgb.swap(pixels);
    return true;
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
