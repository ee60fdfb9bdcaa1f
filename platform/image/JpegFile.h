#pragma once
// JPEG reading and writing through the libjpeg interface, on 8-bit RGB rows.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace image::jpeg {

// True when the bytes start as a JPEG stream does (the SOI marker).
bool looksLikeJpeg(const std::string& head);

// Decodes a whole JPEG file to RGB (3 bytes a pixel, rows without padding);
// greyscale and CMYK files are converted. False for anything it cannot decode.
bool read(const std::filesystem::path& file, int& width, int& height, std::vector<std::uint8_t>& rgb);

// Encodes RGB rows as a baseline JPEG of the given quality into `out`.
bool write(int width, int height, const std::uint8_t* rgb, int quality, std::string& out);

}  // namespace image::jpeg
