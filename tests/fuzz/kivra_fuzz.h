// One open-then-fetch round of a kivra decoder on a fuzz input.
#pragma once

#include <cstdint>
#include <vector>

#include "tests/fuzz/fuzz_support.h"

namespace fuzz {

// Larger pictures go through the same code; decoding them only slows the run.
constexpr std::int64_t MAX_FETCH_DOTS = std::int64_t(1) << 18;

// True when a file declares more dots than the harness decodes.
inline bool TooLargeToFuzz(std::int64_t width, std::int64_t height) { return width * height > MAX_FETCH_DOTS; }

template <typename Open, typename Fetch>
void OpenAndFetch(const std::uint8_t* data, std::size_t size, std::size_t infoBytes, std::size_t widthAt,
                  std::size_t heightAt, Open open, Fetch fetch) {
    std::vector<std::uint8_t> info(infoBytes);
    if (open(WriteInputFile(data, size).c_str(), info.data()) < 0) return;
    auto field = [&](std::size_t at) {
        return std::int32_t(std::uint32_t(info[at]) | std::uint32_t(info[at + 1]) << 8 |
                            std::uint32_t(info[at + 2]) << 16 | std::uint32_t(info[at + 3]) << 24);
    };
    const std::int32_t width = field(widthAt);
    const std::int32_t height = field(heightAt);
    if (width <= 0 || height <= 0 || TooLargeToFuzz(width, height)) {
        fetch(nullptr, 0, 0);  // releases the held picture
        return;
    }
    std::vector<std::uint8_t> rgb(std::size_t(width) * std::size_t(height) * 3);
    fetch(rgb.data(), width, height);
}

}  // namespace fuzz
