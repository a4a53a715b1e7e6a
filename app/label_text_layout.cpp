#include "app/label_text_layout.h"

#include <cstddef>
#include <string_view>

#include "platform/text_codec.h"

LabelTextOrigin LabelTextPosition(int left, int top, int right, int bottom, int textBytes,
                                  int averageCharWidth, int textHeight) {
    return LabelTextOrigin{(left + right) / 2 - textBytes * averageCharWidth / 2,
                           (top + bottom) / 2 - textHeight / 2};
}

std::string LabelTextOf(const std::string& utf8) {
    std::size_t bytes = 0;
    std::size_t end = 0;
    while (end < utf8.size()) {
        // One UTF-8 character: a lead byte and its continuation bytes.
        std::size_t next = end + 1;
        while (next < utf8.size() && (static_cast<unsigned char>(utf8[next]) & 0xC0) == 0x80) ++next;
        const std::size_t width = platform::Cp932Length(std::string_view(utf8).substr(end, next - end));
        if (bytes + width > static_cast<std::size_t>(kLabelTextMaxBytes)) break;
        bytes += width;
        end = next;
    }
    return utf8.substr(0, end);
}
