// Pictures the editor loads (JPEG, BMP, GIF, PNG) and the scaling of what
// loads.
#include "FuzzInput.h"
#include "image/Picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto file = fuzzing::asFile(fuzzing::asText(data, size), "picture");
    image::Picture p = image::Picture::load(file);
    if (p.isNull()) return 0;
    // Scaled to small sizes only: a huge picture is the reader's concern.
    int w = 1 + (size % 37), h = 1 + (size % 23);
    image::Picture s = p.stretched(w, h);
    if (!s.isNull()) s.pixel(w - 1, h - 1);
    return 0;
}
