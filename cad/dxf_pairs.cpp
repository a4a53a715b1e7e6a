#include "cad/dxf_pairs.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace cad {

namespace {

// The largest group code there is.
constexpr long kHighestCode = 1071;

std::string_view Trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Without a leading plus sign, which from_chars does not take.
std::string_view Unsigned(std::string_view s) {
    s = Trimmed(s);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    return s;
}

}  // namespace

bool ReadInteger(std::string_view text, long& value) {
    text = Unsigned(text);
    long read = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), read);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return false;
    value = read;
    return true;
}

bool ReadNumber(std::string_view text, double& value) {
    text = Unsigned(text);
    double read = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), read);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !std::isfinite(read))
        return false;
    value = read;
    return true;
}

std::string_view DxfPairReader::NextLine() {
    const std::size_t end = std::min(text_.find('\n', pos_), text_.size());
    const std::string_view line = text_.substr(pos_, end - pos_);
    pos_ = end < text_.size() ? end + 1 : text_.size();
    return Trimmed(line);
}

bool DxfPairReader::Next(DxfPair& pair) {
    if (ended_) return false;
    const std::string_view codeLine = NextLine();
    long code = 0;
    if (codeLine.empty() && pos_ >= text_.size()) {
        ended_ = true;  // blank lines at the end
        return false;
    }
    if (!ReadInteger(codeLine, code) || code < 0 || code > kHighestCode) {
        ended_ = malformed_ = true;
        return false;
    }
    pair = {int(code), NextLine()};
    if (code == 0 && pair.value == "EOF") ended_ = true;
    return true;
}

}  // namespace cad
