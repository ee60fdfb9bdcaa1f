#pragma once
// JPEG reading and writing through the libjpeg interface, on 8-bit RGB rows.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace image::jpeg {

// True when the bytes start as a JPEG stream does (the SOI marker).
bool looksLikeJpeg(const std::string& head);

enum class ReadResult {
    Ok,
    NotDecoded,  // no JPEG, or damaged beyond decoding
    Truncated,   // its data ends before the picture does (the rest would be made up)
    Impossible,  // a size the file cannot hold, or more pixels than are ever decoded
    NoMemory,    // the pixels could not be allocated
};

// At most this many pixels are decoded from one file, whatever it claims.
constexpr long long kMaxDecodedPixels = 25'000'000;

// Decodes a JPEG file to RGB (3 bytes a pixel, rows without padding);
// greyscale and CMYK files are converted. With a wanted size, the library's
// DCT scaling (1/2, 1/4, 1/8) gives the smallest picture that still covers
// it; 0 x 0 decodes the whole picture. fullWidth and fullHeight get the size
// the file describes. A picture whose header claims far more pixels than its
// bytes could code, or whose decoded size would exceed kMaxDecodedPixels, is
// refused before anything is allocated for it.
ReadResult read(const std::filesystem::path& file, int wantWidth, int wantHeight, int& width, int& height,
                std::vector<std::uint8_t>& rgb, int* fullWidth = nullptr, int* fullHeight = nullptr);

// Encodes RGB rows as a baseline JPEG of the given quality into `out`.
bool write(int width, int height, const std::uint8_t* rgb, int quality, std::string& out);

}  // namespace image::jpeg
