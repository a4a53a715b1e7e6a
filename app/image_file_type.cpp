#include "app/image_file_type.h"

#include <array>
#include <string_view>

namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

// The last n characters of text, or nothing when it is shorter.
std::string_view Tail(std::string_view text, std::size_t n) {
    return text.size() < n ? std::string_view{} : text.substr(text.size() - n);
}

}  // namespace

std::string ExtensionOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    const auto nameStart = slash == std::string::npos ? 0 : slash + 1;
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < nameStart) return {};
    return path.substr(dot + 1);
}

bool IsAcceptedExtension(const std::string& extension) {
    if (extension.size() < 3) return false;
    const std::string_view head = std::string_view(extension).substr(0, 3);
    constexpr std::array<std::string_view, 5> accepted{"jpg", "jpe", "bmp", "gif", "png"};
    for (std::string_view candidate : accepted)
        if (EqualsIgnoringCase(head, candidate)) return true;
    return false;
}

ImageFileType ImageFileTypeOf(const std::string& path) {
    const std::string_view last3 = Tail(path, 3);
    if (EqualsIgnoringCase(last3, "bmp")) return ImageFileType::Bmp;
    if (EqualsIgnoringCase(last3, "jpg") || EqualsIgnoringCase(last3, "jpe") ||
        EqualsIgnoringCase(Tail(path, 4), "jpeg"))
        return ImageFileType::Jpeg;
    if (EqualsIgnoringCase(last3, "gif")) return ImageFileType::Gif;
    if (EqualsIgnoringCase(last3, "png")) return ImageFileType::Png;
    return ImageFileType::Unsupported;
}
