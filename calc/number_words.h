// Numbers in veldrio-calc's option values, read whole and independent of
// the process locale.
#pragma once

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

// The whole text read as a number.
template <class Number>
bool ParseWhole(const std::string& text, Number& value) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

inline bool ParsePositive(const std::string& text, double& value) {
    return ParseWhole(text, value) && std::isfinite(value) && value > 0;
}

// Finite numbers separated by commas ("1,2.5,-3").
inline bool ParseFiniteList(const std::string& text, std::vector<double>& numbers) {
    numbers.clear();
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        double value = 0;
        if (!ParseWhole(text.substr(start, comma - start), value) || !std::isfinite(value)) return false;
        numbers.push_back(value);
        if (comma == std::string::npos) return true;
        start = comma + 1;
    }
}
