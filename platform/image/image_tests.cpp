// Pictures read from the kinds of files the editor offers, stretched, and
// written as BMP and baseline JPEG copies that never replace a file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "image/Picture.h"
#include "image/testing/ClaimedSize.h"

namespace fs = std::filesystem;
using image::Picture;

namespace {

constexpr unsigned kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00;

std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
void writeAll(const fs::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary);
    out << bytes;
}

// Colour distance per channel, for the lossy JPEG.
bool near(unsigned a, unsigned b, int tolerance = 40) {
    for (int shift = 0; shift < 24; shift += 8) {
        int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        if (d > tolerance || d < -tolerance) return false;
    }
    return true;
}

// A picture whose left half is red and right half blue.
Picture halves(int w, int h) {
    Picture p = Picture::filled(w, h, kRed);
    for (int y = 0; y < h; ++y)
        for (int x = w / 2; x < w; ++x) p.setPixel(x, y, kBlue);
    return p;
}

// The marker segments of a JPEG stream up to the start of the scan.
std::vector<unsigned char> markers(const std::string& jpeg, std::string* firstQuantTable = nullptr) {
    std::vector<unsigned char> out;
    std::size_t i = 2;
    while (i + 4 <= jpeg.size() && static_cast<unsigned char>(jpeg[i]) == 0xFF) {
        unsigned char m = static_cast<unsigned char>(jpeg[i + 1]);
        out.push_back(m);
        std::size_t len = (static_cast<unsigned char>(jpeg[i + 2]) << 8) | static_cast<unsigned char>(jpeg[i + 3]);
        if (m == 0xDB && firstQuantTable && firstQuantTable->empty()) *firstQuantTable = jpeg.substr(i + 4, len - 2);
        if (m == 0xDA) break;
        i += 2 + len;
    }
    return out;
}

class PictureFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("pictures_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

TEST_F(PictureFiles, JpegIsBaselineQuality90AndReadsBack) {
    fs::path f = dir / "a.jpg";
    ASSERT_TRUE(halves(64, 48).saveJpeg(f));
    std::string bytes = readAll(f);
    std::string dqt;
    auto m = markers(bytes, &dqt);
    EXPECT_NE(std::find(m.begin(), m.end(), 0xC0), m.end()) << "baseline frame";
    EXPECT_EQ(std::find(m.begin(), m.end(), 0xC2), m.end()) << "no progressive frame";
    // Three colour components in the frame header: not greyscale.
    std::size_t sof = bytes.find("\xFF\xC0");
    ASSERT_NE(sof, std::string::npos);
    EXPECT_EQ(static_cast<unsigned char>(bytes[sof + 9]), 3);
    // The luminance table of quality 90: the base value 16 scaled by 20 %.
    ASSERT_GE(dqt.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(dqt[1]), 3);

    Picture back = Picture::load(f);
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.width(), 64);
    EXPECT_EQ(back.height(), 48);
    EXPECT_TRUE(near(back.pixel(4, 24), kRed));
    EXPECT_TRUE(near(back.pixel(60, 24), kBlue));
}

TEST_F(PictureFiles, BmpIs24BitAndReadsBackExactly) {
    fs::path f = dir / "a.bmp";
    ASSERT_TRUE(halves(10, 6).saveBmp(f));
    std::string bytes = readAll(f);
    ASSERT_GT(bytes.size(), 30u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24);
    Picture back = Picture::load(f);
    ASSERT_EQ(back.width(), 10);
    EXPECT_EQ(back.pixel(0, 0), kRed);
    EXPECT_EQ(back.pixel(9, 5), kBlue);
}

TEST_F(PictureFiles, GifIsRead) {
    // A 1 x 1 GIF whose one pixel is the first palette colour, green.
    const unsigned char gif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00,
                                 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x21, 0xF9, 0x04, 0x00, 0x00, 0x00, 0x00,
                                 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02,
                                 0x44, 0x01, 0x00, 0x3B};
    writeAll(dir / "g.gif", std::string(reinterpret_cast<const char*>(gif), sizeof gif));
    Picture p = Picture::load(dir / "g.gif");
    ASSERT_FALSE(p.isNull());
    EXPECT_EQ(p.width(), 1);
    EXPECT_EQ(p.pixel(0, 0), kGreen);
}

TEST_F(PictureFiles, WhatIsNoReadablePictureGivesAnEmptyOne) {
    std::string jpeg;
    ASSERT_TRUE(halves(32, 32).saveJpeg(dir / "good.jpg"));
    jpeg = readAll(dir / "good.jpg");
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"text.jpg", "not a picture at all"},
        {"empty.bmp", ""},
        {"cut.jpg", jpeg.substr(0, 40)},
        {"soi_only.jpg", "\xFF\xD8\xFF"},
    };
    for (const Case& c : cases) {
        writeAll(dir / c.name, c.bytes);
        EXPECT_TRUE(Picture::load(dir / c.name).isNull()) << c.name;
    }
    EXPECT_TRUE(Picture::load(dir / "missing.jpg").isNull());
    EXPECT_TRUE(Picture::load(dir).isNull());
}

TEST_F(PictureFiles, StretchFillsTheTargetWithoutKeepingTheAspect) {
    Picture p = halves(800, 100).stretched(100, 75);
    ASSERT_EQ(p.width(), 100);
    ASSERT_EQ(p.height(), 75);
    EXPECT_EQ(p.pixel(0, 0), kRed);
    EXPECT_EQ(p.pixel(40, 74), kRed);
    EXPECT_EQ(p.pixel(60, 0), kBlue);
    EXPECT_EQ(p.pixel(99, 74), kBlue);
    EXPECT_TRUE(Picture().stretched(10, 10).isNull());
    EXPECT_TRUE(halves(4, 4).stretched(0, 10).isNull());
}

TEST_F(PictureFiles, WritesNeverReplaceAFile) {
    for (const char* name : {"old.jpg", "old.bmp"}) {
        fs::path f = dir / name;
        writeAll(f, "precious");
        bool jpeg = std::string(name).ends_with(".jpg");
        EXPECT_FALSE(jpeg ? halves(8, 8).saveJpeg(f) : halves(8, 8).saveBmp(f)) << name;
        EXPECT_EQ(readAll(f), "precious") << name;
    }
    // A link to a file is not followed either.
    writeAll(dir / "target.jpg", "precious");
    fs::create_symlink(dir / "target.jpg", dir / "link.jpg");
    EXPECT_FALSE(halves(8, 8).saveJpeg(dir / "link.jpg"));
    EXPECT_EQ(readAll(dir / "target.jpg"), "precious");
    // Nothing to write, or nowhere to write it.
    EXPECT_FALSE(Picture().saveJpeg(dir / "none.jpg"));
    EXPECT_FALSE(fs::exists(dir / "none.jpg"));
    EXPECT_FALSE(halves(8, 8).saveBmp(dir / "no" / "such.bmp"));
}

}  // namespace

namespace {


}  // namespace

TEST_F(PictureFiles, JpegIsDecodedScaledToTheSizeWanted) {
    ASSERT_TRUE(halves(2048, 1536).saveJpeg(dir / "foto.jpg"));
    struct Case {
        int wantW, wantH, w, h;
    } cases[] = {
        {0, 0, 2048, 1536},    // whole
        {640, 480, 1024, 768}, // 1/2 still covers it
        {320, 240, 512, 384},
        {100, 75, 256, 192},   // the library scales down to 1/8 at most
        {2000, 100, 2048, 1536},
    };
    for (const auto& c : cases) {
        Picture::Failure why = Picture::Failure::NotAPicture;
        Picture p = Picture::loadScaled(dir / "foto.jpg", c.wantW, c.wantH, &why);
        EXPECT_EQ(why, Picture::Failure::None);
        EXPECT_EQ(p.width(), c.w) << c.wantW;
        EXPECT_EQ(p.height(), c.h) << c.wantW;
        EXPECT_EQ(p.sourceWidth(), 2048);
        EXPECT_EQ(p.sourceHeight(), 1536);
        EXPECT_TRUE(near(p.pixel(p.width() / 4, p.height() / 2), kRed)) << c.wantW;
        EXPECT_TRUE(near(p.pixel(p.width() * 3 / 4, p.height() / 2), kBlue)) << c.wantW;
    }
}

TEST_F(PictureFiles, PictureWhoseDataCannotBeThePictureIsRefused) {
    // The first half of a real picture: the library would make up the rest.
    ASSERT_TRUE(halves(1200, 900).saveJpeg(dir / "c.jpg"));
    const std::string whole = readAll(dir / "c.jpg");
    ASSERT_GT(whole.size(), 1000u);
    struct Case {
        const char* name;
        std::string bytes;
        Picture::Failure why;
    } cases[] = {
        // A few hundred bytes claiming 14000 x 14000.
        {"bomba.jpg", image::testing::jpegClaimingSize(dir / "a.jpg", Picture::filled(8, 8, kRed), 14000, 14000),
         Picture::Failure::Impossible},
        // A real picture of some kilobytes claiming the largest size a JPEG can have.
        {"ogromny.jpg", image::testing::jpegClaimingSize(dir / "b.jpg", halves(1200, 900), 65000, 65000), Picture::Failure::Impossible},
        {"ucieta.jpg", std::string("\xFF\xD8\xFF\xE0", 4), Picture::Failure::NotAPicture},
        {"polowa.jpg", whole.substr(0, whole.size() / 2), Picture::Failure::Damaged},
    };
    for (const auto& c : cases) {
        writeAll(dir / c.name, c.bytes);
        for (auto load : {+[](const fs::path& f, Picture::Failure* w) { return Picture::load(f, w); },
                          +[](const fs::path& f, Picture::Failure* w) { return Picture::loadScaled(f, 100, 75, w); }}) {
            Picture::Failure why = Picture::Failure::None;
            EXPECT_TRUE(load(dir / c.name, &why).isNull()) << c.name;
            EXPECT_EQ(why, c.why) << c.name;
        }
    }
}
