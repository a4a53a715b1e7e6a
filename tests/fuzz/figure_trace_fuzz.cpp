// The tracer on arbitrary pictures and seeds: whatever it returns as traced
// must be an outline that passes the outline check within the picture, and
// fit in the rows allowed. A refusal is fine.
//
// Input: width and height (8..135 dots each), the seed's x and y (taken
// modulo the picture's size), a kind byte, then the picture's description:
// for an even kind the bytes as levels of the dots row by row (repeated to
// fill the picture); for an odd kind a background level, a noise amplitude,
// then five bytes per shape (left, top, width, height, level), a rectangle
// or an ellipse by the shape's place in the list.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "osmeca/outline_check.h"
#include "trace/figure_trace.h"

namespace {

constexpr int kMaxRows = 200;
constexpr std::size_t kHeaderBytes = 5;
constexpr std::size_t kShapeBytes = 5;

std::vector<std::uint8_t> LevelsPicture(const std::uint8_t* data, std::size_t size, int width, int height) {
    std::vector<std::uint8_t> grey(std::size_t(width) * std::size_t(height), 0);
    for (std::size_t i = 0; size > 0 && i < grey.size(); ++i)
        grey[i] = data[i % size];
    return grey;
}

std::vector<std::uint8_t> ShapesPicture(const std::uint8_t* data, std::size_t size, int width, int height) {
    const std::uint8_t background = size > 0 ? data[0] : 0;
    const int noise = size > 1 ? data[1] % 64 : 0;
    std::vector<std::uint8_t> grey(std::size_t(width) * std::size_t(height), background);
    std::size_t shape = 0;
    for (std::size_t at = 2; at + kShapeBytes <= size; at += kShapeBytes, ++shape) {
        const int left = data[at] % width, top = data[at + 1] % height;
        const int w = 1 + data[at + 2] % width, h = 1 + data[at + 3] % height;
        const std::uint8_t level = data[at + 4];
        const bool ellipse = shape % 2 == 1;
        for (int y = top; y < top + h && y < height; ++y) {
            for (int x = left; x < left + w && x < width; ++x) {
                const double u = (x + 0.5 - left) / w * 2 - 1, v = (y + 0.5 - top) / h * 2 - 1;
                if (!ellipse || u * u + v * v <= 1)
                    grey[std::size_t(y) * std::size_t(width) + std::size_t(x)] = level;
            }
        }
    }
    // Noise from a small linear congruential generator seeded by the input.
    std::uint32_t state = 12345u + std::uint32_t(size) * 2654435761u;
    for (std::uint8_t& g : grey) {
        state = state * 1664525u + 1013904223u;
        const int offset = noise > 0 ? int((state >> 16) % std::uint32_t(2 * noise + 1)) - noise : 0;
        g = std::uint8_t(std::clamp(int(g) + offset, 0, 255));
    }
    return grey;
}

[[noreturn]] void Fail(const char* what, const trace::TraceResult& result) {
    std::fprintf(stderr, "traced outline fails: %s (%zu rows)\n", what, result.rows.size());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kHeaderBytes) return 0;
    const int width = 8 + data[0] % 128, height = 8 + data[1] % 128;
    const int seedX = data[2] % width, seedY = data[3] % height;
    const bool shapes = data[4] % 2 == 1;
    const std::uint8_t* rest = data + kHeaderBytes;
    const std::size_t restSize = size - kHeaderBytes;
    const std::vector<std::uint8_t> grey =
        shapes ? ShapesPicture(rest, restSize, width, height) : LevelsPicture(rest, restSize, width, height);
    // Exactly the picture's bytes, so that any reading beyond them is seen.
    std::vector<std::uint8_t> rgb(grey.size() * 3);
    for (std::size_t i = 0; i < grey.size(); ++i)
        rgb[3 * i] = rgb[3 * i + 1] = rgb[3 * i + 2] = grey[i];
    const trace::TraceResult result = trace::TraceFigure(rgb.data(), width, height, seedX, seedY, kMaxRows);
    if (result.status != trace::TraceStatus::Traced) return 0;
    if (result.rows.size() < 3 || result.rows.size() > std::size_t(kMaxRows)) Fail("row count", result);
    std::vector<osmeca::CheckRow> rows;
    for (const trace::TraceRow& row : result.rows)
        rows.push_back({row.type, row.x, row.y});
    const osmeca::CheckBox picture{0, 0, double(width), double(height)};
    if (osmeca::CheckOutlineGeometry(rows, &picture).fault != osmeca::OutlineFault::None)
        Fail("check", result);
    return 0;
}
