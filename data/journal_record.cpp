#include "data/journal_record.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr char kHeader[] = "VELDRIO-JOURNAL 1";

std::string Escaped(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

std::optional<std::string> Unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        if (text[i] == '\\')
            out += '\\';
        else if (text[i] == 'n')
            out += '\n';
        else
            return std::nullopt;
    }
    return out;
}

// A coordinate text as the journal keeps it: what fits a cell and has no
// '|' or line break; anything else is written as the integer's "%8d".
bool TextKeepable(const char (&text)[COORD_TEXT_SIZE]) {
    const void* end = std::memchr(text, '\0', COORD_TEXT_SIZE);
    if (end == nullptr) return false;
    for (const char* c = text; c != end; ++c)
        if (*c < ' ' || *c > '~' || *c == '|') return false;
    return true;
}

void AppendText(std::string& out, const char (&text)[COORD_TEXT_SIZE], int32_t value) {
    if (TextKeepable(text)) {
        out += text;
    } else {
        char copy[COORD_TEXT_SIZE];
        SetCoordinate(copy, value);
        out += copy;
    }
    out += '|';
}

void AppendNumber(std::string& out, const char* key, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%s %.17g\n", key, value);
    out += buffer;
}

// The lines of text, without their line breaks (text ends with one).
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// "key value" with the key matched; the value after the blank.
std::optional<std::string_view> Field(std::string_view line, std::string_view key) {
    if (line.size() < key.size() + 1 || line.substr(0, key.size()) != key || line[key.size()] != ' ')
        return std::nullopt;
    return line.substr(key.size() + 1);
}

std::optional<double> Number(std::string_view text) {
    if (text.empty() || text.size() > 40) return std::nullopt;
    const std::string copy(text);
    char* end = nullptr;
    const double value = std::strtod(copy.c_str(), &end);
    if (end != copy.c_str() + copy.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

template <typename Int>
std::optional<Int> Integer(std::string_view text) {
    Int value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

bool ReadText(std::string_view text, char (&out)[COORD_TEXT_SIZE]) {
    if (text.size() >= COORD_TEXT_SIZE) return false;
    for (char c : text)
        if (c < ' ' || c > '~') return false;
    std::memset(out, 0, COORD_TEXT_SIZE);
    std::memcpy(out, text.data(), text.size());
    return true;
}

// "<type> <x> <y>|<x text>|<y text>|"
bool ReadRow(std::string_view line, SamplePoint& row) {
    const std::size_t bar1 = line.find('|');
    if (bar1 == std::string_view::npos) return false;
    const std::size_t bar2 = line.find('|', bar1 + 1);
    if (bar2 == std::string_view::npos) return false;
    const std::size_t bar3 = line.find('|', bar2 + 1);
    if (bar3 == std::string_view::npos || bar3 + 1 != line.size()) return false;
    const std::string_view numbers = line.substr(0, bar1);
    const std::size_t blank1 = numbers.find(' ');
    if (blank1 == std::string_view::npos) return false;
    const std::size_t blank2 = numbers.find(' ', blank1 + 1);
    if (blank2 == std::string_view::npos) return false;
    const auto type = Integer<int32_t>(numbers.substr(0, blank1));
    const auto x = Integer<int32_t>(numbers.substr(blank1 + 1, blank2 - blank1 - 1));
    const auto y = Integer<int32_t>(numbers.substr(blank2 + 1));
    if (!type || !x || !y || *type < 0 || *type > 99) return false;
    row.type = *type;
    row.x = *x;
    row.y = *y;
    return ReadText(line.substr(bar1 + 1, bar2 - bar1 - 1), row.xText) &&
           ReadText(line.substr(bar2 + 1, bar3 - bar2 - 1), row.yText);
}

}  // namespace

std::string FormatJournal(const JournalRecord& record) {
    std::string out;
    out.reserve(128 + 48 * static_cast<std::size_t>(record.table.count));
    out += kHeader;
    out += "\npicture " + Escaped(record.picturePath) + "\n";
    out += "pixels " + Escaped(record.pixelsFile) + "\n";
    AppendNumber(out, "magnification", record.table.magnification);
    AppendNumber(out, "scale", record.mmPerDot);
    out += "plane " + Escaped(record.plane) + "\n";
    const int count = std::clamp(record.table.count, 0, SAMPLE_CAPACITY);
    out += "rows " + std::to_string(count) + "\n";
    char numbers[48];
    for (int i = 0; i < count; ++i) {
        const SamplePoint& row = record.table.rows[i];
        std::snprintf(numbers, sizeof numbers, "%d %d %d|", int(row.type), int(row.x), int(row.y));
        out += numbers;
        AppendText(out, row.xText, row.x);
        AppendText(out, row.yText, row.y);
        out += '\n';
    }
    out += "end\n";
    return out;
}

std::optional<JournalRecord> ParseJournal(std::string_view text) {
    // A journal cut short does not end with a line break.
    if (text.empty() || text.back() != '\n' || text.size() > kLongestJournal) return std::nullopt;
    const std::vector<std::string_view> lines = Lines(text);
    if (lines.size() < 8 || lines[0] != kHeader) return std::nullopt;
    JournalRecord record;
    const auto picture = Field(lines[1], "picture");
    const auto pixels = Field(lines[2], "pixels");
    const auto magnification = Field(lines[3], "magnification");
    const auto scale = Field(lines[4], "scale");
    const auto plane = Field(lines[5], "plane");
    const auto rows = Field(lines[6], "rows");
    if (!picture || !pixels || !magnification || !scale || !plane || !rows) return std::nullopt;
    const auto picturePath = Unescaped(*picture);
    const auto pixelsFile = Unescaped(*pixels);
    const auto planeText = Unescaped(*plane);
    const auto magnificationValue = Number(*magnification);
    const auto scaleValue = Number(*scale);
    const auto count = Integer<int>(*rows);
    if (!picturePath || !pixelsFile || !planeText || !magnificationValue || !scaleValue || !count)
        return std::nullopt;
    if (!(*magnificationValue > 0) || *scaleValue < 0 || *count < 0 || *count > SAMPLE_CAPACITY)
        return std::nullopt;
    // A name beside the journal, never a path elsewhere.
    if (pixelsFile->find('/') != std::string::npos || *pixelsFile == "." || *pixelsFile == "..")
        return std::nullopt;
    if (lines.size() != static_cast<std::size_t>(*count) + 8 || lines.back() != "end") return std::nullopt;
    record.picturePath = *picturePath;
    record.pixelsFile = *pixelsFile;
    record.plane = *planeText;
    record.mmPerDot = *scaleValue;
    record.table.magnification = *magnificationValue;
    record.table.rows.fill(BlankSamplePoint());
    record.table.count = *count;
    for (int i = 0; i < *count; ++i)
        if (!ReadRow(lines[7 + i], record.table.rows[i])) return std::nullopt;
    return record;
}

PictureSize BlankPictureSize(const TableSnapshot& table) {
    constexpr int kMargin = 50;
    constexpr int kLargest = 8000;
    PictureSize size{640, 480};
    const double magnification = table.magnification > 0 ? table.magnification : 1.0;
    const int count = std::clamp(table.count, 0, SAMPLE_CAPACITY);
    for (int i = 0; i < count; ++i) {
        const SamplePoint& row = table.rows[i];
        const double x = std::clamp(row.x / magnification + kMargin, 0.0, double(kLargest));
        const double y = std::clamp(row.y / magnification + kMargin, 0.0, double(kLargest));
        size.width = std::max(size.width, static_cast<int>(x));
        size.height = std::max(size.height, static_cast<int>(y));
    }
    return size;
}
