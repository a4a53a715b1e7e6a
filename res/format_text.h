// printf-style formatting of the program's message texts into a std::string.
#pragma once

#include <cstdio>
#include <string>

template <typename... Args>
std::string FormatText(const char* format, Args... args) {
    const int length = std::snprintf(nullptr, 0, format, args...);
    if (length <= 0) return std::string();
    std::string text(std::size_t(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, args...);
    text.resize(std::size_t(length));
    return text;
}
