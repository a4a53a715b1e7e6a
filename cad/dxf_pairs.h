// The group-code pairs a DXF text file is made of: a line with an integer
// code, then a line with its value.
#pragma once

#include <string_view>

namespace cad {

struct DxfPair {
    int code = -1;
    std::string_view value;  // blanks around it removed; points into the text
};

// Reads the pairs of a text one after the other; never reads outside it.
class DxfPairReader {
public:
    explicit DxfPairReader(std::string_view text) : text_(text) {}

    // The next pair; false at the end of the text, after "0 EOF", or when a
    // code line is not a whole number (Malformed then tells).
    bool Next(DxfPair& pair);
    bool Malformed() const { return malformed_; }

private:
    std::string_view NextLine();

    std::string_view text_;
    std::size_t pos_ = 0;
    bool ended_ = false;
    bool malformed_ = false;
};

// The value as a finite number; false (value unchanged) when it is not one.
bool ReadNumber(std::string_view text, double& value);
bool ReadInteger(std::string_view text, long& value);

}  // namespace cad
