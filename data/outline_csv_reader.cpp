#include "data/outline_csv_reader.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include "res/texts_data.h"

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        auto end = text.find('\n');
        lines.push_back(Trim(text.substr(0, end)));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

// A coordinate field into the 8-character text: right-justified when it
// holds something, kept as it is (a blank or nothing) when it does not.
bool StoreText(std::string_view field, char (&text)[COORD_TEXT_SIZE]) {
    std::string_view value = Trim(field);
    constexpr std::size_t width = COORD_TEXT_SIZE - 1;
    if (value.size() > width) return false;
    std::memset(text, 0, sizeof text);
    if (value.empty()) {
        field = field.substr(0, width);
        std::memcpy(text, field.data(), field.size());
        return true;
    }
    std::memset(text, ' ', width - value.size());
    std::memcpy(text + (width - value.size()), value.data(), value.size());
    return true;
}

bool ParseRow(std::string_view line, SamplePoint& row) {
    auto first = line.find(',');
    if (first == std::string_view::npos) return false;
    auto second = line.find(',', first + 1);
    if (second == std::string_view::npos || line.find(',', second + 1) != std::string_view::npos) return false;
    std::string_view type = Trim(line.substr(0, first));
    int value = 0;
    auto [end, ec] = std::from_chars(type.data(), type.data() + type.size(), value);
    if (type.empty() || ec != std::errc() || end != type.data() + type.size()) return false;
    row = ZeroSamplePoint();
    row.type = value;
    if (!StoreText(line.substr(first + 1, second - first - 1), row.xText) ||
        !StoreText(line.substr(second + 1), row.yText))
        return false;
    // A loop break's coordinates are not read: it is stored blank, as typed.
    if (value == kLoopBreakType) row = LoopBreakSamplePoint();
    return true;
}

}  // namespace

OutlineReadResult ReadOutlineCsv(const std::string& text, SampleTable& table, std::string& error,
                                 OutlineLines* where) {
    OutlineLines ignored;
    if (where == nullptr) where = &ignored;
    *where = {};
    std::vector<std::string_view> lines = SplitLines(text);
    std::size_t start = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == texts_data::CSV_ROWS_HEADING) {
            start = i + 1;
            break;
        }
    }
    table.ClearTable();
    for (std::size_t i = start; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        SamplePoint row;
        if (!ParseRow(lines[i], row)) {
            where->bad = int(i + 1);
            error = "line " + std::to_string(i + 1) + ": expected type,x,y (an integer and two texts of at most 8 characters)";
            table.ClearTable();
            return OutlineReadResult::Malformed;
        }
        if (table.count >= table.capacity) {
            where->bad = int(i + 1);
            table.ClearTable();
            return OutlineReadResult::TooManyRows;
        }
        table.rows[table.count++] = row;
        where->ofRow.push_back(int(i + 1));
    }
    table.TextToCoords();
    return OutlineReadResult::Ok;
}
