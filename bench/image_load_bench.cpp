// Loading pictures, each figure beside its peer:
// - a 4000 x 3000 JPEG through LoadJpegFile and through the preview against a
//   bare TurboJPEG decode of the same file (read and decoded into a fresh
//   buffer), and a 24-bit BMP through LoadBmpFile against a memcpy of the
//   file's size (Google Benchmark);
// - then a 48 MP photo (8000 x 6000): the bare decode, the loader, the
//   preview and the program's whole open (main dialog, preview, double click
//   to the painted viewer), each in a process of its own so that its peak
//   memory (ru_maxrss) is its own, with the time and memory ratios.
//
//   image_load_bench [benchmark options]      both parts
//   image_load_bench --photo-only             the 48 MP part only
//   image_load_bench --write-photo PATH       writes the 48 MP photo
//   image_load_bench --measure MODE PATH      one measurement: prints wall and
//       processor seconds, peak and peak before the step (MB); MODE is decode,
//       load, preview or open
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <turbojpeg.h>

#include <QApplication>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/preview_picture.h"
#include "app/veldrio_dlg.h"
#include "image/bmp_loader.h"
#include "image/image_data.h"
#include "image/library_loaders.h"
#include "image/pixel_buffer.h"
#include "kivra/kivra.h"
#include "platform/message_box_recorder.h"
#include "viewer/gazo_view.h"

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
constexpr int kPhotoWidth = 8000;
constexpr int kPhotoHeight = 6000;
// A preview box of the main dialog's order of size.
constexpr int kBoxWidth = 300;
constexpr int kBoxHeight = 225;

std::vector<std::uint8_t> Picture(int width, int height) {
    std::mt19937 gen(3);
    std::vector<std::uint8_t> rgb(std::size_t(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t noise = gen();
            std::uint8_t* p = &rgb[(std::size_t(y) * width + x) * 3];
            p[0] = std::uint8_t(x * 4000 / width / 16 + (noise & 31));
            p[1] = std::uint8_t(y * 3000 / height / 12 + (noise >> 8 & 31));
            p[2] = std::uint8_t(((x / 40 + y / 40) & 1) * 180 + (noise >> 16 & 31));
        }
    return rgb;
}

void WriteJpeg(const std::string& path, int width, int height, int quality) {
    const std::vector<std::uint8_t> rgb = Picture(width, height);
    tjhandle tj = tjInitCompress();
    unsigned char* out = nullptr;
    unsigned long size = 0;
    tjCompress2(tj, rgb.data(), width, width * 3, height, TJPF_RGB, &out, &size, TJSAMP_420, quality, 0);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(out), std::streamsize(size));
    tjFree(out);
    tjDestroy(tj);
}

// The two files of the Google benchmarks, written once into the temporary
// folder.
struct Files {
    std::string jpeg;
    std::string bmp;
    std::size_t bmpBytes = 0;

    Files() {
        const std::string dir = std::filesystem::temp_directory_path().string();
        jpeg = dir + "/veldrio-bench-photo.jpg";
        bmp = dir + "/veldrio-bench-photo.bmp";
        WriteJpeg(jpeg, kWidth, kHeight, 90);
        const std::vector<std::uint8_t> rgb = Picture(kWidth, kHeight);

        // The BMP through the library's own writer.
        kvSetGrabber(
            [](void* context, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::uint8_t* dots) {
                const auto* source = static_cast<const std::vector<std::uint8_t>*>(context);
                std::memcpy(dots, source->data(), source->size());
                return std::int32_t(0);
            },
            const_cast<std::vector<std::uint8_t>*>(&rgb));
        std::int32_t block[KV_BLOCK_BYTES / 4] = {0, 0, kWidth, kHeight};
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

// What any program pays at least: the file read in one go and decoded into
// a fresh buffer.
void BareDecode(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return;
    const std::size_t size = std::filesystem::file_size(path);
    std::unique_ptr<std::uint8_t[]> jpeg(new std::uint8_t[size]);
    const std::size_t read = std::fread(jpeg.get(), 1, size, file);
    std::fclose(file);
    tjhandle tj = tjInitDecompress();
    int width = 0, height = 0, subsampling = 0, colourSpace = 0;
    if (tjDecompressHeader3(tj, jpeg.get(), read, &width, &height, &subsampling, &colourSpace) == 0) {
        std::unique_ptr<std::uint8_t[]> rgb(new std::uint8_t[std::size_t(width) * height * 3]);
        tjDecompress2(tj, jpeg.get(), read, rgb.get(), width, width * 3, height, TJPF_RGB, 0);
        benchmark::DoNotOptimize(rgb.get());
    }
    tjDestroy(tj);
}

void BM_LoadJpegFile(benchmark::State& state) {
    const Files& files = TestFiles();
    for (auto _ : state) {
        CImageData image;
        if (!LoadJpegFile(image, files.jpeg)) state.SkipWithError("the JPEG did not load");
        benchmark::DoNotOptimize(image.pixels());
    }
}

void BM_PreviewOfJpeg(benchmark::State& state) {
    const Files& files = TestFiles();
    for (auto _ : state) {
        PreviewPicture preview;
        if (!preview.Load(files.jpeg, kBoxWidth, kBoxHeight)) state.SkipWithError("no preview");
        benchmark::DoNotOptimize(preview.pixels().pixels.data());
    }
}

void BM_BareTurboJpegDecode(benchmark::State& state) {
    const Files& files = TestFiles();
    for (auto _ : state)
        BareDecode(files.jpeg);
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
    const std::size_t bytes = std::size_t(kWidth) * kHeight * 3;
    for (auto _ : state) {
        PixelBuffer buffer(bytes);
        std::memset(buffer.data(), 0, bytes);
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
}

// ---- The 48 MP photo, one measurement per process ----

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) * 1024.0 / 1e6;
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Wall and processor time since its start. On a busy machine the processor
// time is the steadier of the two.
struct Stopwatch {
    std::chrono::steady_clock::time_point wall = std::chrono::steady_clock::now();
    double cpu = CpuSeconds();

    void Read(double& wallSeconds, double& cpuSeconds) const {
        wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall).count();
        cpuSeconds = CpuSeconds() - cpu;
    }
};

struct Figure {
    double seconds = -1;
    double cpu = -1;
    double peak = 0;
    double base = 0;  // the peak before the measured step
};

// The program from the main dialog on: the photo dropped on the dialog (the
// preview), then a double click on the preview until the viewer has painted.
void ProgramOpen(const std::string& path, int argc, char** argv, Figure& figure) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "veldrio-bench-program";
    std::filesystem::create_directories(dir);
    platform::MessageBoxRecorder boxes;
    {
        ScopedAppContext context;
        CVeldrioDlg dialog((dir / "veldrio").string());
        dialog.OnInitDialog();
        dialog.show();
        dialog.OnDropFiles({path});
        QApplication::processEvents();
        figure.base = PeakMegabytes();
        const Stopwatch watch;
        dialog.OnClientDoubleClick(dialog.PreviewBox().center());
        CGazoView* viewer = App().registry.viewers[0];
        if (viewer != nullptr) {
            viewer->client()->grab();
            watch.Read(figure.seconds, figure.cpu);
        }
        if (!boxes.calls.empty()) std::fprintf(stderr, "a message box: %s\n", boxes.Last().text.c_str());
        dialog.close();
    }
    std::filesystem::remove_all(dir);
}

int Measure(const std::string& mode, const std::string& path, int argc, char** argv) {
    Figure figure;
    figure.base = PeakMegabytes();
    const Stopwatch watch;
    if (mode == "decode") {
        BareDecode(path);
        watch.Read(figure.seconds, figure.cpu);
    } else if (mode == "load") {
        CImageData image;
        if (LoadJpegFile(image, path)) watch.Read(figure.seconds, figure.cpu);
    } else if (mode == "preview") {
        PreviewPicture preview;
        if (preview.Load(path, kBoxWidth, kBoxHeight)) watch.Read(figure.seconds, figure.cpu);
    } else if (mode == "open") {
        ProgramOpen(path, argc, argv, figure);
    }
    std::printf("%.4f %.4f %.1f %.1f\n", figure.seconds, figure.cpu, PeakMegabytes(), figure.base);
    return figure.seconds < 0 ? 1 : 0;
}

Figure Run(const std::string& self, const char* mode, const std::string& path) {
    Figure figure;
    const std::string command = "'" + self + "' --measure " + mode + " '" + path + "'";
    if (FILE* out = popen(command.c_str(), "r")) {
        if (std::fscanf(out, "%lf %lf %lf %lf", &figure.seconds, &figure.cpu, &figure.peak, &figure.base) !=
            4)
            figure.seconds = -1;
        pclose(out);
    }
    return figure;
}

// The best of a few runs: the figures of a quiet machine.
Figure Best(const std::string& self, const char* mode, const std::string& path, int runs) {
    Figure best;
    for (int i = 0; i < runs; ++i) {
        const Figure figure = Run(self, mode, path);
        if (figure.seconds < 0) continue;
        if (best.seconds < 0 || figure.seconds < best.seconds) best.seconds = figure.seconds;
        if (best.cpu < 0 || figure.cpu < best.cpu) best.cpu = figure.cpu;
        best.peak = std::max(best.peak, figure.peak);
        best.base = std::max(best.base, figure.base);
    }
    return best;
}

void WritePhoto(const std::string& path) { WriteJpeg(path, kPhotoWidth, kPhotoHeight, 100); }

void PhotoTable(int runs) {
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string path = (std::filesystem::temp_directory_path() / "veldrio-bench-48mp.jpg").string();
    WritePhoto(path);
    const double rgbMegabytes = double(kPhotoWidth) * kPhotoHeight * 3 / 1e6;
    std::printf("\n48 MP photo %d x %d: JPEG %.1f MB, RGB %.1f MB; best of %d runs, peak = ru_maxrss\n",
                kPhotoWidth, kPhotoHeight, double(std::filesystem::file_size(path)) / 1e6, rgbMegabytes,
                runs);
    const Figure decode = Best(self, "decode", path, runs);
    std::printf("%-34s %7.3f s wall %7.3f s cpu  peak %6.1f MB\n", "bare TurboJPEG decode (peer)",
                decode.seconds, decode.cpu, decode.peak);
    struct Row {
        const char* mode;
        const char* label;
    };
    const auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
    for (const Row row : {Row{"load", "LoadJpegFile"}, Row{"preview", "preview (box 300 x 225)"},
                          Row{"open", "program: double click to viewer"}}) {
        const Figure f = Best(self, row.mode, path, runs);
        std::printf(
            "%-34s %7.3f s wall %7.3f s cpu  peak %6.1f MB  x decode: wall %.3f cpu %.3f  "
            "peak - RGB %+6.1f MB",
            row.label, f.seconds, f.cpu, f.peak, ratio(f.seconds, decode.seconds), ratio(f.cpu, decode.cpu),
            f.peak - rgbMegabytes);
        if (std::strcmp(row.mode, "open") == 0) std::printf("  (before the click %.1f MB)", f.base);
        std::printf("\n");
    }
    std::remove(path.c_str());
}

}  // namespace

BENCHMARK(BM_LoadJpegFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PreviewOfJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BareTurboJpegDecode)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadBmpFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MemcpyOfBmpSize)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FreshBufferOfPictureSize)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--measure") == 0) return Measure(argv[2], argv[3], 1, argv);
    if (argc == 3 && std::strcmp(argv[1], "--write-photo") == 0) {
        WritePhoto(argv[2]);
        return 0;
    }
    const bool photoOnly = argc > 1 && std::strcmp(argv[1], "--photo-only") == 0;
    if (!photoOnly) {
        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    PhotoTable(3);
    return 0;
}
