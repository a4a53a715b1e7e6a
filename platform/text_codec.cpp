#include "platform/text_codec.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace platform {
namespace {

enum class Direction { ToCp932, FromCp932 };

// One conversion descriptor per direction and thread, opened on first use
// and kept: opening one sets up the conversion tables, which takes far longer
// than converting a path or a line.
class HeldDescriptor {
public:
    HeldDescriptor(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~HeldDescriptor() {
        if (isOpen()) iconv_close(cd_);
    }
    HeldDescriptor(const HeldDescriptor&) = delete;
    HeldDescriptor& operator=(const HeldDescriptor&) = delete;

    bool isOpen() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

const HeldDescriptor& Descriptor(Direction direction) {
    thread_local const HeldDescriptor toCp932("CP932", "UTF-8");
    thread_local const HeldDescriptor fromCp932("UTF-8", "CP932");
    return direction == Direction::ToCp932 ? toCp932 : fromCp932;
}

// Runs iconv over the whole input. On an unconvertible or invalid sequence
// it writes replacement (may be empty), skips skipBytes of input and goes on.
bool Convert(Direction direction, std::string_view in, std::string& out, std::string_view replacement) {
    out.clear();
    const HeldDescriptor& descriptor = Descriptor(direction);
    if (!descriptor.isOpen()) return false;
    iconv_t cd = descriptor.get();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);  // the initial state
    bool clean = true;
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    std::vector<char> buffer(in.size() * 4 + 16);
    while (srcLeft > 0) {
        char* dst = buffer.data();
        std::size_t dstLeft = buffer.size();
        std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer.data(), buffer.size() - dstLeft);
        if (r != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL: one bad character. Skip one UTF-8 sequence or one byte.
        clean = false;
        out.append(replacement);
        std::size_t skip = 1;
        if (direction == Direction::ToCp932) {
            unsigned char lead = static_cast<unsigned char>(*src);
            skip = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            if (skip > srcLeft) skip = srcLeft;
        }
        src += skip;
        srcLeft -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    return clean;
}

}  // namespace

bool Utf8ToCp932(std::string_view utf8, std::string& out) {
    // Converted either way; clean only when the text was valid UTF-8 too.
    const bool valid = IsValidUtf8(utf8);
    return Convert(Direction::ToCp932, utf8, out, "") && valid;
}

std::string ToCp932(std::string_view utf8) {
    std::string out;
    Utf8ToCp932(utf8, out);
    return out;
}

std::string FromCp932(std::string_view cp932) {
    std::string out;
    Convert(Direction::FromCp932, cp932, out, "\xEF\xBF\xBD");
    return out;
}

std::size_t Cp932Length(std::string_view utf8) { return ToCp932(utf8).size(); }

bool IsValidUtf8(std::string_view s) {
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (i < n) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        std::size_t len;
        unsigned min;
        unsigned cp;
        if (c < 0x80) { ++i; continue; }
        if ((c & 0xE0) == 0xC0) { len = 2; min = 0x80; cp = c & 0x1F; }
        else if ((c & 0xF0) == 0xE0) { len = 3; min = 0x800; cp = c & 0x0F; }
        else if ((c & 0xF8) == 0xF0) { len = 4; min = 0x10000; cp = c & 0x07; }
        else return false;
        if (i + len > n) return false;
        for (std::size_t k = 1; k < len; ++k) {
            unsigned char cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += len;
    }
    return true;
}

std::string EncodeRecordText(std::string_view utf8) {
    std::string out;
    if (Utf8ToCp932(utf8, out)) return out;
    return std::string(utf8);
}

std::string DecodeRecordText(std::string_view bytes) {
    if (IsValidUtf8(bytes)) return std::string(bytes);
    return FromCp932(bytes);
}

std::string DecodeRecordPath(std::string_view bytes,
                             const std::function<bool(const std::string& path)>& exists) {
    if (!IsValidUtf8(bytes)) return FromCp932(bytes);
    std::string asCp932;
    std::string asUtf8(bytes);
    if (!Convert(Direction::FromCp932, bytes, asCp932, "") || asCp932 == asUtf8) return asUtf8;
    if (exists(asUtf8) && !exists(asCp932)) return asUtf8;
    return asCp932;
}

}  // namespace platform

namespace platform {

std::string FitCp932Bytes(std::string_view utf8, std::size_t maxBytes) {
    if (Cp932Length(utf8) <= maxBytes && IsValidUtf8(utf8)) return std::string(utf8);
    std::size_t used = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::size_t len = 1;
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if ((lead & 0xE0) == 0xC0) len = 2;
        else if ((lead & 0xF0) == 0xE0) len = 3;
        else if ((lead & 0xF8) == 0xF0) len = 4;
        len = std::min(len, utf8.size() - i);
        // A character CP932 cannot hold still takes a byte (it shows as '?').
        const std::size_t bytes = std::max<std::size_t>(1, Cp932Length(utf8.substr(i, len)));
        if (used + bytes > maxBytes) break;
        used += bytes;
        i += len;
    }
    return std::string(utf8.substr(0, i));
}

}  // namespace platform
