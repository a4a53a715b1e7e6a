#include "cad/number_text.h"

#include <charconv>

namespace cad {

std::string NumberText(double value) {
    if (value == 0) value = 0;  // no "-0"
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

}  // namespace cad
