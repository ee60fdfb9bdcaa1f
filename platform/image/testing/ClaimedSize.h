#pragma once
// Test inputs: the bytes of a real JPEG whose frame header claims another
// size, as a damaged or hostile file does.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "image/Picture.h"

namespace image::testing {

inline std::string jpegClaimingSize(const std::filesystem::path& scratch, const Picture& real, int width,
                                    int height) {
    EXPECT_TRUE(real.saveJpeg(scratch));
    std::ifstream in(scratch, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t sof = bytes.find("\xFF\xC0");
    EXPECT_NE(sof, std::string::npos);
    if (sof == std::string::npos) return bytes;
    bytes[sof + 5] = static_cast<char>(height >> 8);
    bytes[sof + 6] = static_cast<char>(height & 0xFF);
    bytes[sof + 7] = static_cast<char>(width >> 8);
    bytes[sof + 8] = static_cast<char>(width & 0xFF);
    return bytes;
}

}  // namespace image::testing
