#include "data/outline_reopen.h"

#include <cmath>
#include <cstdlib>
#include <string_view>

#include "data/cell_input.h"
#include "data/outline_csv_reader.h"
#include "data/table_outline_check.h"
#include "data/text_file.h"
#include "platform/message_box.h"
#include "platform/text_codec.h"
#include "res/format_text.h"
#include "res/texts_data.h"
#include "res/texts_outline_check.h"
#include "res/texts_properties.h"

namespace {

// The first line of text without its line end.
std::string_view FirstLine(std::string_view text) {
    std::string_view line = text.substr(0, text.find('\n'));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

bool RowTextsCanBeTyped(const SamplePoint& row) {
    return IsCellTextAllowed(row.xText) && IsCellTextAllowed(row.yText);
}

}  // namespace

double OutlineFileMagnification(const std::string& utf8Text) {
    // "計算結果" alone at R = 1, "計算結果,座標倍率,R,..." otherwise.
    const std::string_view first = FirstLine(utf8Text);
    const std::string_view heading = FirstLine(texts_data::CSV_HEAD_1);
    if (first == heading) return 1.0;
    const std::string prefix = std::string(heading) + ",";
    if (first.substr(0, prefix.size()) != prefix) return 0;
    std::string_view rest = first.substr(prefix.size());
    const std::size_t comma = rest.find(',');
    if (comma == std::string_view::npos) return 0;
    rest = rest.substr(comma + 1);
    const std::string number(rest.substr(0, rest.find(',')));
    char* end = nullptr;
    const double R = std::strtod(number.c_str(), &end);
    return end != number.c_str() && std::isfinite(R) && R > 0 ? R : 0;
}

OutlineLoad LoadOutlineRows(const std::string& bytes, double viewerR, SampleTable& rows, int& badLine) {
    const std::string text = platform::DecodeRecordText(bytes);
    std::string error;
    OutlineLines lines;
    badLine = 0;
    switch (ReadOutlineCsv(text, rows, error, &lines)) {
    case OutlineReadResult::Ok: break;
    case OutlineReadResult::Malformed:
        badLine = lines.bad;
        return OutlineLoad::BadLine;
    case OutlineReadResult::TooManyRows:
        badLine = lines.bad;
        return OutlineLoad::TooManyRows;
    }
    for (int i = 0; i < rows.count; ++i) {
        if (!RowTextsCanBeTyped(rows.rows[i])) {
            badLine = lines.ofRow[i];
            rows.ClearTable();
            return OutlineLoad::BadLine;
        }
    }
    const double fileR = OutlineFileMagnification(text);
    if (fileR > 0 && viewerR > 0 && std::isfinite(viewerR) && fileR != viewerR) rows.ScaleCoords(viewerR / fileR);
    return OutlineLoad::Ok;
}

bool ReopenOutline(const std::string& path, double viewerR, SampleTable& table, const AskUser& ask,
                   Notice* notice) {
    namespace t = texts_properties;
    const auto refuse = [notice](std::string text) {
        Tell(notice, {std::move(text), texts_data::TITLE_CONFIRM});
        return false;
    };
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return refuse(t::MSG_OUTLINE_UNREADABLE);
    SampleTable loaded;
    int badLine = 0;
    switch (LoadOutlineRows(bytes, viewerR, loaded, badLine)) {
    case OutlineLoad::Ok: break;
    case OutlineLoad::BadLine: return refuse(FormatText(t::MSG_OUTLINE_BAD_LINE, badLine));
    case OutlineLoad::TooManyRows:
        return refuse(FormatText(t::MSG_OUTLINE_TOO_MANY, badLine, table.capacity));
    }
    // Rows without a picture behind them: a crossing or a far arc stops here.
    const osmeca::OutlineFaultAt fault = CheckTableOutline(loaded);
    if (fault.fault != osmeca::OutlineFault::None)
        return refuse(Tr(texts::OUTLINE_FILE_REFUSED) + std::string("\n") + OutlineFaultText(fault));
    if (table.count > 0 && !Ask(ask, {t::MSG_OUTLINE_REPLACE, texts_data::TITLE_CONFIRM, platform::MB_YESNO}))
        return false;
    table.ClearTable();
    for (int i = 0; i < loaded.count; ++i) table.rows[i] = loaded.rows[i];
    table.count = loaded.count;
    table.workState = WS_MODIFIED;
    return true;
}
