#pragma once
// A picture read from a file (BMP, GIF, PNG or JPEG, told apart by their
// contents), stretched to a size and written as a BMP or a JPEG. A picture
// is a value: copies are independent. Writing never replaces a file: a
// destination that exists is left untouched and the write fails.
#include <filesystem>
#include <memory>
#include <string>

namespace image {

class Picture {
public:
    Picture();
    ~Picture();
    Picture(const Picture&);
    Picture& operator=(const Picture&);
    Picture(Picture&&) noexcept;
    Picture& operator=(Picture&&) noexcept;

    enum class Failure {
        None,
        NotAPicture,  // missing, or no picture it can read
        Damaged,      // a picture whose data ends before the picture does
        Impossible,   // claims a size it cannot be, or more pixels than are ever read
        NoMemory,     // its pixels could not be allocated
    };

    // An empty picture when the file cannot be read; `why` tells the reason.
    static Picture load(const std::filesystem::path& file, Failure* why = nullptr);
    // As load, but a JPEG is decoded with the library's DCT scaling to the
    // smallest picture that still covers the wanted size (other kinds are
    // read whole): a copy or preview of that size is drawn from it at a
    // fraction of the work and memory.
    static Picture loadScaled(const std::filesystem::path& file, int wantWidth, int wantHeight,
                              Failure* why = nullptr);
    // A picture of one colour (0x00BBGGRR), for drawing into and for tests.
    static Picture filled(int width, int height, unsigned color);

    bool isNull() const;
    int width() const;
    int height() const;
    // The size the file describes; the picture's own size unless it was
    // decoded scaled.
    int sourceWidth() const;
    int sourceHeight() const;
    // The colour (0x00BBGGRR) at a point; 0 outside the picture.
    unsigned pixel(int x, int y) const;
    void setPixel(int x, int y, unsigned color);

    // The whole picture drawn over the rectangle (0, 0, width, height) of a
    // new picture of that size, without keeping the aspect ratio. An empty
    // picture, or a size below 1, gives an empty picture.
    Picture stretched(int width, int height) const;

    // A 24-bit BMP; false when the picture is empty, the file exists or the
    // write fails (a partial file is removed).
    bool saveBmp(const std::filesystem::path& file) const;
    // A baseline (not progressive) 24-bit colour JPEG of the given quality;
    // false as for saveBmp.
    bool saveJpeg(const std::filesystem::path& file, int quality = 90) const;
    // The bytes saveBmp and saveJpeg write, for a caller that stores them
    // itself; false for an empty picture or a failed encoding.
    bool encodeBmp(std::string& out) const;
    bool encodeJpeg(std::string& out, int quality = 90) const;

private:
    struct Data;
    std::unique_ptr<Data> d_;
};

}  // namespace image
