// Loading a 4000 x 3000 picture: a JPEG through LoadJpegFile against a bare
// TurboJPEG decode of the same file (read and decoded into a fresh buffer),
// and a 24-bit BMP through LoadBmpFile against a memcpy of the file's size.
#include <benchmark/benchmark.h>
#include <turbojpeg.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "image/bmp_loader.h"
#include "image/image_data.h"
#include "image/library_loaders.h"
#include "image/pixel_buffer.h"
#include "kivra/kivra.h"

namespace {

constexpr int WIDTH = 4000;
constexpr int HEIGHT = 3000;

std::vector<std::uint8_t> Picture() {
    std::mt19937 gen(3);
    std::vector<std::uint8_t> rgb(std::size_t(WIDTH) * HEIGHT * 3);
    for (int y = 0; y < HEIGHT; ++y)
        for (int x = 0; x < WIDTH; ++x) {
            std::uint8_t* p = &rgb[(std::size_t(y) * WIDTH + x) * 3];
            p[0] = std::uint8_t(x / 16 + (gen() & 7));
            p[1] = std::uint8_t(y / 12 + (gen() & 7));
            p[2] = std::uint8_t(((x / 40 + y / 40) & 1) * 180 + (gen() & 15));
        }
    return rgb;
}

// The two files, written once into the temporary folder.
struct Files {
    std::string jpeg;
    std::string bmp;
    std::size_t bmpBytes = 0;

    Files() {
        const std::string dir = std::filesystem::temp_directory_path().string();
        jpeg = dir + "/veldrio-bench-photo.jpg";
        bmp = dir + "/veldrio-bench-photo.bmp";
        const std::vector<std::uint8_t> rgb = Picture();

        tjhandle tj = tjInitCompress();
        unsigned char* out = nullptr;
        unsigned long size = 0;
        tjCompress2(tj, rgb.data(), WIDTH, WIDTH * 3, HEIGHT, TJPF_RGB, &out, &size, TJSAMP_420, 90, 0);
        std::ofstream(jpeg, std::ios::binary).write(reinterpret_cast<const char*>(out), std::streamsize(size));
        tjFree(out);
        tjDestroy(tj);

        // The BMP through the library's own writer.
        kvSetGrabber(
            [](void* context, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::uint8_t* dots) {
                const auto* source = static_cast<const std::vector<std::uint8_t>*>(context);
                std::memcpy(dots, source->data(), source->size());
                return std::int32_t(0);
            },
            const_cast<std::vector<std::uint8_t>*>(&rgb));
        std::int32_t block[KV_BLOCK_BYTES / 4] = {0, 0, WIDTH, HEIGHT};
        kvRasterGrab(block);
        kvRasterSave(bmp.c_str(), block);
        kvSetGrabber(nullptr, nullptr);
        bmpBytes = std::filesystem::file_size(bmp);
    }
    ~Files() {
        std::remove(jpeg.c_str());
        std::remove(bmp.c_str());
    }
};

const Files& TestFiles() {
    static const Files files;
    return files;
}

std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void BM_LoadJpegFile(benchmark::State& state) {
    const Files& files = TestFiles();
    for (auto _ : state) {
        CImageData image;
        if (!LoadJpegFile(image, files.jpeg)) state.SkipWithError("the JPEG did not load");
        benchmark::DoNotOptimize(image.pixels());
    }
}

void BM_BareTurboJpegDecode(benchmark::State& state) {
    const Files& files = TestFiles();
    tjhandle tj = tjInitDecompress();
    for (auto _ : state) {
        std::vector<std::uint8_t> jpeg = ReadAll(files.jpeg);
        int width = 0, height = 0, subsampling = 0, colourSpace = 0;
        tjDecompressHeader3(tj, jpeg.data(), jpeg.size(), &width, &height, &subsampling, &colourSpace);
        std::unique_ptr<std::uint8_t[]> rgb(new std::uint8_t[std::size_t(width) * height * 3]);
        tjDecompress2(tj, jpeg.data(), jpeg.size(), rgb.get(), width, width * 3, height, TJPF_RGB, 0);
        benchmark::DoNotOptimize(rgb.get());
    }
    tjDestroy(tj);
}

void BM_LoadBmpFile(benchmark::State& state) {
    const Files& files = TestFiles();
    for (auto _ : state) {
        CImageData image;
        if (!LoadBmpFile(image, files.bmp)) state.SkipWithError("the BMP did not load");
        benchmark::DoNotOptimize(image.pixels());
    }
}

void BM_MemcpyOfBmpSize(benchmark::State& state) {
    const std::size_t bytes = TestFiles().bmpBytes;
    std::vector<std::uint8_t> from(bytes, 1), to(bytes, 0);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}

// For scale: the least any loader pays for a new picture of that size,
// allocating its buffer and touching every page of it once.
void BM_FreshBufferOfPictureSize(benchmark::State& state) {
    const std::size_t bytes = std::size_t(WIDTH) * HEIGHT * 3;
    for (auto _ : state) {
        PixelBuffer buffer(bytes);
        std::memset(buffer.data(), 0, bytes);
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(BM_LoadJpegFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BareTurboJpegDecode)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadBmpFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MemcpyOfBmpSize)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FreshBufferOfPictureSize)->Unit(benchmark::kMillisecond)->UseRealTime();
