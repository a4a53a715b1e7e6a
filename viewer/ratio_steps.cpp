#include "viewer/ratio_steps.h"

#include <cstdio>

int RatioStartPercent(int percent) {
    if (percent <= 0 || percent >= 2000) return 100;
    return percent;
}

int RatioStepUp(int p) {
    if (p < 100) return (p + 10) / 10 * 10;
    if (p < 150) return 150;
    if (p < 200) return 200;
    // From 200 on the next hundred above p, whatever the remainder.
    return (p + 100) / 100 * 100;
}

int RatioStepDown(int p) {
    int result;
    if (p > 200) {
        if (p % 100 < 50) p -= 100;
        result = p / 100 * 100;
    } else if (p > 150) {
        result = 150;
    } else if (p > 100) {
        result = 100;
    } else {
        result = (p - 10) / 10 * 10;
    }
    return result < 0 ? 10 : result;
}

std::string RatioSizeText(int width, int height) {
    char text[64];
    std::snprintf(text, sizeof text, "%d x %d", width, height);
    return text;
}

std::string RatioConvertedSizeText(int width, int height, int percent) {
    // In 64 bits, so that a large image at a large percentage shows its true
    // size instead of an overflowed one.
    const auto scaled = [percent](int size) {
        return static_cast<long long>(size) * percent / 100;
    };
    char text[64];
    std::snprintf(text, sizeof text, "%lld x %lld", scaled(width), scaled(height));
    return text;
}
