// Pictures the editor loads (JPEG, BMP, GIF, PNG), whole and scaled for a
// preview, and what it writes of them: a picture that loads, written as a
// BMP, reads back pixel for pixel, and written as a JPEG reads back at its
// size; a scaled load still covers the size asked for.
#include "FuzzInput.h"
#include "image/Picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto file = fuzzing::asFile(fuzzing::asText(data, size), "picture");
    image::Picture p = image::Picture::load(file);
    if (p.isNull()) return 0;
    const int w = p.width(), h = p.height();
    fuzzing::expect(w > 0 && h > 0 && p.sourceWidth() == w && p.sourceHeight() == h, "a whole picture has the file's size");

    // Scaled to small sizes only: a huge picture is the reader's concern.
    int sw = 1 + (size % 37), sh = 1 + (size % 23);
    image::Picture s = p.stretched(sw, sh);
    fuzzing::expect(s.width() == sw && s.height() == sh, "stretched to the size asked for");
    s.pixel(sw - 1, sh - 1);

    image::Picture scaled = image::Picture::loadScaled(file, sw, sh);
    fuzzing::expect(!scaled.isNull(), "a picture that loads whole loads scaled");
    fuzzing::expect(scaled.sourceWidth() == w && scaled.sourceHeight() == h, "a scaled picture knows the file's size");
    fuzzing::expect(scaled.width() <= w && scaled.height() <= h, "scaling never enlarges");
    fuzzing::expect(scaled.width() >= std::min(sw, w) && scaled.height() >= std::min(sh, h), "scaled still covers the size");

    // What the editor writes of a picture it read, read again; only for
    // pictures of a size a page holds, so that a run stays quick.
    if (static_cast<long long>(w) * h > 512 * 512) return 0;
    std::string bmp, jpeg;
    fuzzing::expect(p.encodeBmp(bmp), "a picture that loads can be written as a BMP");
    image::Picture again = image::Picture::load(fuzzing::asFile(bmp, "again.bmp"));
    fuzzing::expect(again.width() == w && again.height() == h, "its BMP reads back at its size");
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) fuzzing::expect(again.pixel(x, y) == p.pixel(x, y), "its BMP reads back pixel for pixel");
    fuzzing::expect(p.encodeJpeg(jpeg), "a picture that loads can be written as a JPEG");
    image::Picture fromJpeg = image::Picture::load(fuzzing::asFile(jpeg, "again.jpg"));
    fuzzing::expect(fromJpeg.width() == w && fromJpeg.height() == h, "its JPEG reads back at its size");
    return 0;
}
