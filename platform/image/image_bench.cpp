// Scaled copies of a typical photo: reading a 2048 x 1536 JPEG, stretching
// it to the medium size and writing the copy.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "image/Picture.h"

namespace fs = std::filesystem;
using image::Picture;

namespace {

// A photo-like picture: smooth gradients with some detail, so that the
// encoder has real work.
Picture photo(int w, int h) {
    Picture p = Picture::filled(w, h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            unsigned r = (x * 255 / w) & 0xFF, g = (y * 255 / h) & 0xFF, b = ((x ^ y) * 7) & 0xFF;
            p.setPixel(x, y, r | (g << 8) | (b << 16));
        }
    return p;
}

struct Files {
    Files() {
        dir = fs::temp_directory_path() / ("picture_bench_" + std::to_string(::getpid()));
        fs::create_directories(dir);
        source = dir / "photo.jpg";
        photo(2048, 1536).saveJpeg(source);
    }
    ~Files() { fs::remove_all(dir); }
    fs::path dir, source;
};

Files& files() {
    static Files f;
    return f;
}

void ReadPhoto(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Picture::load(files().source));
}
BENCHMARK(ReadPhoto)->Unit(benchmark::kMillisecond);

void StretchToMedium(benchmark::State& state) {
    Picture p = Picture::load(files().source);
    for (auto _ : state) benchmark::DoNotOptimize(p.stretched(640, 480));
}
BENCHMARK(StretchToMedium)->Unit(benchmark::kMillisecond);

void WriteMediumJpeg(benchmark::State& state) {
    Picture m = Picture::load(files().source).stretched(640, 480);
    fs::path out = files().dir / "m_photo.jpg";
    for (auto _ : state) {
        fs::remove(out);
        benchmark::DoNotOptimize(m.saveJpeg(out));
    }
}
BENCHMARK(WriteMediumJpeg)->Unit(benchmark::kMillisecond);

void WholeMediumCopy(benchmark::State& state) {
    fs::path out = files().dir / "m2_photo.jpg";
    for (auto _ : state) {
        fs::remove(out);
        benchmark::DoNotOptimize(Picture::load(files().source).stretched(640, 480).saveJpeg(out));
    }
}
BENCHMARK(WholeMediumCopy)->Unit(benchmark::kMillisecond);

// The small copy of the picture dialog: the photo read, drawn at 320 x 240
// and encoded, as the copy is written.
void SmallCopyOfPhoto(benchmark::State& state) {
    for (auto _ : state) {
        std::string bytes;
        benchmark::DoNotOptimize(Picture::load(files().source).stretched(320, 240).encodeJpeg(bytes));
    }
}
BENCHMARK(SmallCopyOfPhoto)->Unit(benchmark::kMillisecond);

// The same copy from the photo decoded with the JPEG library's DCT scaling
// to the smallest size that covers the copy, as the dialog makes it.
void SmallCopyOfPhotoDecodedScaled(benchmark::State& state) {
    for (auto _ : state) {
        std::string bytes;
        benchmark::DoNotOptimize(Picture::loadScaled(files().source, 320, 240).stretched(320, 240).encodeJpeg(bytes));
    }
}
BENCHMARK(SmallCopyOfPhotoDecodedScaled)->Unit(benchmark::kMillisecond);

}  // namespace
