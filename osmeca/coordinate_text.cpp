#include "osmeca/coordinate_text.h"

#include <charconv>
#include <cmath>

namespace osmeca {

bool ParseCoordinateText(const char* text, std::size_t size, double& value) {
    std::size_t end = 0;
    while (end < size && text[end] != '\0') ++end;
    std::size_t i = 0;
    while (i < end && text[i] == ' ') ++i;
    while (end > i && text[end - 1] == ' ') --end;
    if (i < end && text[i] == '+') {
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) return false;
    }
    if (i == end) return false;
    double parsed = 0;
    auto [ptr, ec] = std::from_chars(text + i, text + end, parsed, std::chars_format::general);
    if (ec != std::errc() || ptr != text + end || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

}  // namespace osmeca
