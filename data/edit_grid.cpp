#include "data/edit_grid.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "res/format_text.h"
#include "res/texts_data.h"
#include "res/texts_edit_window.h"

namespace {

const std::string kEmptyType = " ";
const std::string kEmptyCoord(GRID_COORD_WIDTH, ' ');

std::string CoordCell(const char* text) { return text[0] == '\0' ? kEmptyCoord : std::string(text); }

}  // namespace

std::string FirstToken(const std::string& text) {
    const std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) return {};
    const std::size_t end = text.find(' ', begin);
    return text.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

int ParseTypeToken(const std::string& token) {
    std::size_t i = 0;
    bool negative = false;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
        negative = token[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < token.size() && token[i] >= '0' && token[i] <= '9'; ++i) {
        value = value * 10 + (token[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) return static_cast<int>(-value);
    return static_cast<int>(std::min<long long>(value, INT_MAX));
}

bool HasCoordinate(const char* text) {
    for (; *text != '\0'; ++text)
        if (*text != ' ' && *text != '0') return true;
    return false;
}

EditGrid::EditGrid(int lastRow) : lastRowIndex(lastRow) {
    for (auto& line : cells_) line = {kEmptyType, kEmptyCoord, kEmptyCoord};
}

void EditGrid::SetCurrent(int line, int column) {
    focusLine = std::clamp(line, 0, GRID_LINES - 1);
    focusColumn = std::clamp(column, 0, GRID_COLUMNS - 1);
}

void EditGrid::FillLine(const SampleTable& table, int line, int row, bool showRow) {
    auto& cells = cells_[line];
    if (row < 0 || row >= SAMPLE_CAPACITY || (!showRow && row >= table.count)) {
        cells = {kEmptyType, kEmptyCoord, kEmptyCoord};
        return;
    }
    const SamplePoint& point = table.rows[row];
    if (showRow)
        cells[0] = FormatText("%4d", point.type);
    else
        cells[0] = point.type == 0 ? kEmptyType : FormatText("%d", point.type);
    cells[1] = CoordCell(point.xText);
    cells[2] = CoordCell(point.yText);
}

void EditGrid::FillLines(const SampleTable& table, int firstLine, int lineCount, int firstRow) {
    for (int i = 0; i < lineCount; ++i) {
        const int line = firstLine + i;
        if (line < 0 || line >= GRID_LINES) continue;
        FillLine(table, line, firstRow + i, false);
    }
}

StoreResult EditGrid::StoreCell(SampleTable& table, int line, int column, const std::string& typed,
                                Notice* notice) {
    if (line < 0 || line >= GRID_LINES || column < 0 || column >= GRID_COLUMNS) return StoreResult::Unchanged;
    std::string& cell = cells_[line][column];
    if (typed == cell) return StoreResult::Unchanged;
    const int r = topRow + line;
    if (r < 0 || r >= SAMPLE_CAPACITY) return StoreResult::Unchanged;
    SamplePoint& point = table.rows[r];
    const std::string token = FirstToken(typed);
    if (column == 0) {
        point.type = ParseTypeToken(token);
        // A loop break holds no point: its coordinates go blank.
        if (point.type == kLoopBreakType) {
            const SamplePoint blank = LoopBreakSamplePoint();
            std::memcpy(point.xText, blank.xText, COORD_TEXT_SIZE);
            std::memcpy(point.yText, blank.yText, COORD_TEXT_SIZE);
        }
    } else if (point.type == kLoopBreakType) {
        FillLine(table, line, r, r >= table.count);
        return StoreResult::Incomplete;  // nothing to type beside a break: shown blank again
    } else {
        if (token.size() > static_cast<std::size_t>(GRID_COORD_WIDTH)) {
            Tell(notice, {texts_edit::MSG_COORD_TOO_LONG, texts_data::TITLE_CONFIRM});
            return StoreResult::Refused;
        }
        char* text = column == 1 ? point.xText : point.yText;
        const std::string justified = FormatText("%8s", token.c_str());
        std::memcpy(text, justified.c_str(), COORD_TEXT_SIZE);
    }
    const bool complete = point.type == kLoopBreakType ||
                          (point.type > 0 && HasCoordinate(point.xText) && HasCoordinate(point.yText));
    if (!complete) {
        FillLine(table, line, r, true);
        return StoreResult::Incomplete;
    }
    cell = typed;
    if (r == table.count) ++table.count;
    table.TextToCoords();
    table.workState = WS_MODIFIED;
    if (point.type == kLoopBreakType) FillLine(table, line, r, false);
    return StoreResult::Completed;
}

bool EditGrid::MoveDown(const SampleTable& table) {
    if (focusLine < GRID_LINES - 1) {
        ++focusLine;
        return false;
    }
    if (topRow >= ScrollLimit()) return false;
    std::move(cells_.begin() + 1, cells_.end(), cells_.begin());
    ++topRow;
    FillLines(table, GRID_LINES - 1, 1, topRow + GRID_LINES - 1);
    return true;
}

bool EditGrid::MoveUp(const SampleTable& table) {
    if (focusLine > 0) {
        --focusLine;
        return false;
    }
    if (topRow <= 0) return false;
    std::move_backward(cells_.begin(), cells_.end() - 1, cells_.end());
    --topRow;
    FillLines(table, 0, 1, topRow);
    return true;
}

bool EditGrid::NextColumn(const SampleTable& table) {
    if (focusColumn < GRID_COLUMNS - 1) {
        ++focusColumn;
        return false;
    }
    focusColumn = 0;
    return MoveDown(table);
}

bool EditGrid::PreviousColumn(const SampleTable& table) {
    if (focusColumn > 0) {
        --focusColumn;
        return false;
    }
    focusColumn = GRID_COLUMNS - 1;
    return MoveUp(table);
}

void EditGrid::PageFirst(const SampleTable& table) {
    topRow = 0;
    FillPage(table);
}

void EditGrid::PageUp(const SampleTable& table) {
    topRow = std::max(topRow - GRID_LINES, 0);
    FillPage(table);
}

void EditGrid::PageDown(const SampleTable& table) {
    topRow = std::min(topRow + GRID_LINES, ScrollLimit());
    FillPage(table);
}

void EditGrid::PageLast(const SampleTable& table) {
    topRow = lastRowIndex + 1 - GRID_LINES;
    FillPage(table);
}
